// The main file window: defaults, the title-line box, the units, the open dialog, reading
// and viewing files, the toolbar and the hand-over to the project form.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "platform/Program.h"
#include "platform/Text.h"
#include "platform/Toolbar.h"
#include "ui/import/Frm_OpenFile.h"
#include "ui/import/Frm_ViewFile.h"
#include "ui/support/UiTest.h"

using namespace strelvan;
using strelvan::test::ProjectFile;
using strelvan::test::RealSounding;
using strelvan::test::UiTest;

namespace {

class OpenFileTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        Window<Frm_OpenFile>().Show();
    }

    Frm_OpenFile& W() { return Window<Frm_OpenFile>(); }
    template <class T> T* Child(const char* name) {
        T* c = W().findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    QPushButton* Button(const char* name) { return Child<QPushButton>(name); }
    QComboBox* TitleBox() { return Child<QComboBox>("CombTitleLines"); }
    QAction* Key(const char* key) {
        return Child<platform::Toolbar>("Toolbar1")->ButtonByKey(QString::fromLatin1(key));
    }
    // Picks an item of the title-line list as the user does.
    void PickTitleLines(int index) {
        TitleBox()->setCurrentIndex(index);
        emit TitleBox()->activated(index);
    }
    void Click(const char* button) { QTest::mouseClick(Button(button), Qt::LeftButton); }

    QString WriteFile(const QString& name, const QByteArray& contents) {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contents);
        return path;
    }
    // A file in ft and tsf with the given number of title lines and three readings.
    QString ThreeReadings(int titleLines, const QString& name = QStringLiteral("cone.txt")) {
        QByteArray text;
        for (int i = 1; i <= titleLines; ++i)
            text += "Title line " + QByteArray::number(i) + "\r\n";
        text += "1.0,20.5,0.3\r\n2.0,25.0,0.4\r\n3.0,30.0,0.5\r\n";
        return WriteFile(name, text);
    }
    void FillProject() {
        ProjectInfo& p = Decl().project;
        p.ProjNum = "P-1";
        p.Parish = "North";
        p.ProjTitle = "Bridge";
        p.Station = "12+00";
        p.Offset = "3 L";
        p.Latitude = "30.1";
        p.Longitude = "-91.2";
        p.ProjDate = "01-02-2024";
        p.CPTNo = "7";
        p.GroundElev = 12.5f;
        p.GWTDepth = 4.0f;
    }
    void ExpectProjectCleared() {
        const ProjectInfo& p = Decl().project;
        for (const std::string* s : {&p.ProjNum, &p.Parish, &p.ProjTitle, &p.Station, &p.Offset,
                                     &p.Latitude, &p.Longitude, &p.ProjDate, &p.CPTNo})
            EXPECT_TRUE(s->empty()) << *s;
        EXPECT_EQ(p.GroundElev, kNoElevation);
        EXPECT_EQ(p.GWTDepth, 4.0f); // the water table is kept
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(OpenFileTest, LoadSetsTheDefaults) {
    EXPECT_EQ(W().windowTitle(), "Open Cone Data File");
    QComboBox* box = TitleBox();
    ASSERT_EQ(box->count(), 16);
    for (int i = 0; i <= 15; ++i)
        EXPECT_EQ(box->itemText(i), QString::number(i));
    EXPECT_EQ(box->currentText(), "10");
    EXPECT_TRUE(box->isEditable());
    EXPECT_TRUE(Child<QRadioButton>("Opt_Units(1)")->isChecked());
    EXPECT_EQ(Child<QRadioButton>("Opt_Units(0)")->text(), "m-MilliVolts");
    EXPECT_EQ(Child<QRadioButton>("Opt_Units(1)")->text(), "ft-tsf");
    EXPECT_EQ(Child<QRadioButton>("Opt_Units(2)")->text(), "m-MPa");
    EXPECT_EQ(Child<QLabel>("Label1")->text(), "Units in Data File:");
    EXPECT_EQ(Child<QLabel>("Lbl_TitleLines")->text(), " Num. of Title\n      Lines ");
    EXPECT_EQ(Child<QLabel>("Label2")->text(), "Strelvan Program");
    EXPECT_EQ(Child<QLabel>("Label4")->text(), "Disclaimer:");
    EXPECT_FALSE(Child<QLabel>("Label3")->text().isEmpty());
    EXPECT_EQ(Button("CmdOpenFile")->text(), "Open Data File");
    EXPECT_EQ(Button("CmdViewFile")->text(), "View Data File");
    EXPECT_EQ(Button("CmdPlot")->text(), "Plot Cone Data");
    EXPECT_FALSE(Button("CmdPlot")->isEnabled());
    const ImportSettings& s = Decl().importSettings;
    EXPECT_EQ(s.NumTitleLines, 10);
    EXPECT_EQ(s.UnitsOption, 1);
    EXPECT_EQ(s.UnitStr, "ton/ft");

    const std::vector<std::array<const char*, 3>> keys{{"File", "Open", "Open Cone Data File"},
                                                       {"Exit", "Exit", "Exit the Program"},
                                                       {"About", "  About", "About the Program"}};
    for (const auto& [key, caption, tip] : keys) {
        QAction* a = Key(key);
        ASSERT_NE(a, nullptr) << key;
        EXPECT_EQ(a->text(), caption);
        EXPECT_EQ(a->toolTip(), tip);
        EXPECT_FALSE(a->icon().isNull()) << key;
    }
}

TEST_F(OpenFileTest, LoadingAgainRestoresTheDefaults) {
    Child<QRadioButton>("Opt_Units(2)")->click();
    PickTitleLines(2);
    W().Unload();
    W().Show();
    EXPECT_EQ(TitleBox()->currentText(), "10");
    EXPECT_EQ(TitleBox()->count(), 16);
    EXPECT_TRUE(Child<QRadioButton>("Opt_Units(1)")->isChecked());
    EXPECT_EQ(Decl().importSettings.NumTitleLines, 10);
    EXPECT_EQ(Decl().importSettings.UnitsOption, 1);
}

TEST_F(OpenFileTest, UnitOptionsAndThePickedTitleLineCountGoToTheSettings) {
    Child<QRadioButton>("Opt_Units(0)")->click();
    EXPECT_EQ(Decl().importSettings.UnitsOption, 0);
    Child<QRadioButton>("Opt_Units(2)")->click();
    EXPECT_EQ(Decl().importSettings.UnitsOption, 2);
    Child<QRadioButton>("Opt_Units(1)")->click();
    EXPECT_EQ(Decl().importSettings.UnitsOption, 1);

    PickTitleLines(15);
    EXPECT_EQ(Decl().importSettings.NumTitleLines, 15);
    EXPECT_EQ(TitleBox()->currentText(), "15");
    PickTitleLines(0);
    EXPECT_EQ(Decl().importSettings.NumTitleLines, 0);
}

TEST_F(OpenFileTest, TypedTitleLineCountIsUsedForTheRead) {
    TitleBox()->setEditText("3");
    AnswerNextOpenDialog(ThreeReadings(3));
    Click("CmdOpenFile");
    EXPECT_EQ(Decl().importSettings.NumTitleLines, 3);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, " Data Import from Text File");
    EXPECT_EQ(Decl().cone.NumPoints, 3);
    EXPECT_EQ(Decl().cone.Qc[1], 20.5f);
    EXPECT_EQ(Decl().importSettings.HeaderText, "Title line 1\r\nTitle line 2\r\nTitle line 3\r\n");

    // Text that is not a number keeps the count typed before.
    TitleBox()->setEditText("three");
    AnswerNextOpenDialog(ThreeReadings(3, "again.txt"));
    Click("CmdOpenFile");
    EXPECT_EQ(Decl().importSettings.NumTitleLines, 3);
    EXPECT_EQ(Decl().cone.NumPoints, 3);
}

TEST_F(OpenFileTest, TypedCountThatCannotBeALineCountIsRefusedAndNothingIsRead) {
    FillProject();
    for (const char* typed : {"2.5", "-1", "40000"}) {
        messages.clear();
        TitleBox()->setEditText(QString::fromLatin1(typed));
        Click("CmdOpenFile");
        ASSERT_EQ(messages.size(), 1u) << typed;
        EXPECT_EQ(messages[0].title, " Data Entry Message");
        EXPECT_EQ(messages[0].icon, MsgIcon::Critical);
        EXPECT_TRUE(openDialogFilters.empty()) << "no file is chosen";
        EXPECT_EQ(Decl().importSettings.NumTitleLines, 10);
        EXPECT_EQ(Decl().cone.NumPoints, 0);
        EXPECT_EQ(Decl().project.ProjNum, "P-1") << "nothing opened, nothing cleared";
    }
    // A count above the list's 15 is a count like any other.
    TitleBox()->setEditText("20");
    AnswerNextOpenDialog(ThreeReadings(20, "twenty.txt"));
    messages.clear();
    Click("CmdOpenFile");
    EXPECT_EQ(Decl().importSettings.NumTitleLines, 20);
    EXPECT_EQ(Decl().cone.NumPoints, 3);
}

TEST_F(OpenFileTest, CancelInTheOpenDialogReadsNothingButTheButtonClearsTheProject) {
    FillProject();
    Decl().importSettings.FileName = "earlier.txt";
    AnswerNextOpenDialog(std::nullopt);
    Click("CmdOpenFile");
    ASSERT_EQ(openDialogFilters.size(), 1u);
    EXPECT_EQ(openDialogFilters[0],
              "ASCII Files (*.dat; *.txt; *.prn)|*.dat;*.txt;*.prn |All Files (*.*)|*.*");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Decl().importSettings.FileName, "earlier.txt");
    EXPECT_EQ(Decl().cone.NumPoints, 0);
    EXPECT_FALSE(Button("CmdPlot")->isEnabled());
    ExpectProjectCleared();

    // The toolbar's Open does not clear the project.
    FillProject();
    AnswerNextOpenDialog(std::nullopt);
    Key("File")->trigger();
    EXPECT_EQ(openDialogFilters.size(), 2u);
    EXPECT_EQ(Decl().project.ProjNum, "P-1");
    EXPECT_TRUE(messages.empty());
}

TEST_F(OpenFileTest, AGoodReadEnablesPlotAndAFailedOneLeavesItEnabled) {
    FillProject();
    AnswerNextOpenDialog(ThreeReadings(10));
    Click("CmdOpenFile");
    EXPECT_TRUE(Button("CmdPlot")->isEnabled());
    EXPECT_EQ(Decl().importSettings.ImportError, 0);
    ExpectProjectCleared();
    EXPECT_EQ(platform::CurrentMousePointer(), platform::MousePointer::Default);

    messages.clear();
    AnswerNextOpenDialog(WriteFile("bad.txt", "a\r\n1,2,3\r\n1,x,3\r\n"));
    PickTitleLines(1);
    Click("CmdOpenFile");
    EXPECT_EQ(Decl().importSettings.ImportError, -1);
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.back().text, "Could not read data from file");
    EXPECT_EQ(messages.back().title, "Open File Error");
    EXPECT_TRUE(Button("CmdPlot")->isEnabled());
    EXPECT_EQ(Decl().cone.NumPoints, 3) << "the sounding read before stays";
}

TEST_F(OpenFileTest, AFailedFirstReadKeepsPlotDisabled) {
    AnswerNextOpenDialog(WriteFile("units.txt", "depth,qc,fs\r\n"));
    PickTitleLines(0);
    Click("CmdOpenFile");
    EXPECT_EQ(Decl().importSettings.ImportError, -1);
    ASSERT_EQ(messages.size(), 1u) << messages.back().text;
    EXPECT_EQ(messages[0].text, "Data should be numeric, please check line number 1");
    EXPECT_FALSE(Button("CmdPlot")->isEnabled());
}

TEST_F(OpenFileTest, ToolbarOpenAfterViewDataFileViewsInsteadOfReading) {
    const QString first = ThreeReadings(10, "first.txt");
    const QString second = ThreeReadings(10, "second.txt");
    AnswerNextOpenDialog(first);
    Click("CmdViewFile");
    auto* view = app->windows.FindAs<Frm_ViewFile>();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->windowTitle(), first);

    AnswerNextOpenDialog(second);
    Key("File")->trigger();
    ProcessEvents();
    view = app->windows.FindAs<Frm_ViewFile>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->windowTitle(), second);
    EXPECT_TRUE(view->findChild<QPlainTextEdit*>("Text1")->toPlainText().startsWith("Title"));
    EXPECT_TRUE(messages.empty()) << "nothing was read";
    EXPECT_EQ(Decl().cone.NumPoints, 0);
    EXPECT_FALSE(Button("CmdPlot")->isEnabled());
    EXPECT_EQ(Decl().importSettings.FileName, "") << "a view names no sounding";

    // Open Data File switches back to reading.
    AnswerNextOpenDialog(second);
    Click("CmdOpenFile");
    EXPECT_EQ(Decl().cone.NumPoints, 3);
}

TEST_F(OpenFileTest, PlotShowsTheProjectForm) {
    Click("CmdPlot"); // disabled at load: nothing happens
    EXPECT_FALSE(app->windows.IsLoaded("Frm_Titles"));
    AnswerNextOpenDialog(ThreeReadings(10));
    Click("CmdOpenFile");
    EXPECT_FALSE(app->windows.IsLoaded("Frm_Titles"));
    Click("CmdPlot");
    EXPECT_TRUE(app->windows.IsLoaded("Frm_Titles"));
    EXPECT_TRUE(app->windows.Find("Frm_Titles")->isVisible());
    EXPECT_TRUE(W().isVisible()) << "the file window stays until the project form moves on";
}

TEST_F(OpenFileTest, ExitReleasesTheHistoriesAndEndsTheProgram) {
    CreateHistoryLists(Decl().history);
    Decl().history.HistStation.Add("12+00", "");
    Key("Exit")->trigger();
    EXPECT_EQ(endProgramCalls, 1);
    EXPECT_FALSE(Decl().history.Created);
    EXPECT_EQ(Decl().history.HistStation.Count(), 0u);
    EXPECT_EQ(app->windows.Find("Frm_OpenFile"), nullptr);
}

TEST_F(OpenFileTest, EverySampleAndRealSoundingReads) {
    struct Sounding {
        QString path;
        int titleLines;
        const char* units; // the option to pick
        int readings;
        int16_t unitsOption;
    };
    const std::vector<Sounding> soundings{
        {ProjectFile("samples/STV-01-ft-tsf-comma.txt"), 10, "Opt_Units(1)", 600, 1},
        {ProjectFile("samples/STV-02-m-mpa-blank.txt"), 10, "Opt_Units(2)", 915, 2},
        {ProjectFile("samples/STV-03-millivolt-tab.txt"), 10, "Opt_Units(0)", 366, 0},
        {ProjectFile("samples/STV-04-ft-tsf-u2-no-titles.txt"), 0, "Opt_Units(1)", 300, 1},
        {RealSounding("geolibplus-bro-179092-short.txt"), 8, "Opt_Units(2)", 98, 2},
        {RealSounding("geolibplus-bro-predrilled-u1.txt"), 9, "Opt_Units(2)", 915, 2},
        {RealSounding("geolibplus-monnickendam-cptu.txt"), 9, "Opt_Units(2)", 1192, 2},
        {RealSounding("liquepy-standard1-cptu.txt"), 8, "Opt_Units(2)", 2765, 2},
        {RealSounding("pileresponse-example-cptu.txt"), 8, "Opt_Units(2)", 3506, 2},
        {RealSounding("pygef-cpt-mos-cptu.txt"), 9, "Opt_Units(2)", 999, 2},
        {RealSounding("pygef-cpt2-waternet-soft.txt"), 8, "Opt_Units(2)", 1039, 2},
        {RealSounding("pygef-cpt4-sand.txt"), 8, "Opt_Units(2)", 2021, 2},
    };
    for (const Sounding& s : soundings) {
        SCOPED_TRACE(s.path.toStdString());
        messages.clear();
        Child<QRadioButton>(s.units)->click();
        TitleBox()->setEditText(QString::number(s.titleLines));
        AnswerNextOpenDialog(s.path);
        Click("CmdOpenFile");
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].icon, MsgIcon::Information);
        EXPECT_TRUE(
            messages[0].text.ends_with(" Total Number of Lines = " + std::to_string(s.readings)));
        EXPECT_EQ(Decl().cone.NumPoints, s.readings);
        EXPECT_EQ(Decl().importSettings.UnitsOption, s.unitsOption);
        EXPECT_TRUE(Button("CmdPlot")->isEnabled());
    }
    // One title line too few puts the last title line among the readings.
    messages.clear();
    TitleBox()->setEditText("7");
    AnswerNextOpenDialog(RealSounding("pygef-cpt4-sand.txt"));
    Click("CmdOpenFile");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(Decl().importSettings.ImportError, -1);
    EXPECT_EQ(Decl().cone.NumPoints, 2021) << "the earlier sounding stays";
}
