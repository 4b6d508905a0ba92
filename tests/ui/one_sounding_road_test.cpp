// One sounding, one set of results: whatever order the user takes through the windows, the
// result windows, the selection, the manual layer editor and the printed page show the
// sounding held and the choices of the moment, never an earlier sounding or an earlier load.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

#include "engine/charts/ChartChoice.h"
#include "engine/classification/LayerBlocks.h"
#include "platform/Printer.h"
#include "platform/Text.h"
#include "ui/import/Frm_OpenFile.h"
#include "ui/import/Frm_Titles.h"
#include "ui/import/Frm_ViewFile.h"
#include "ui/properties/Frm_SoilFactors.h"
#include "ui/results/Frm_Manual.h"
#include "ui/results/ResultWindow.h"
#include "ui/support/ResultWindowFixture.h"
#include "ui/support/TestPrinter.h"

using namespace strelvan;
using platform::ChartFX;

namespace {

// A cone data file as the file window reads it, and the project number typed for it.
struct SoundingFile {
    QString path;
    int units; // option of the file window: 1 ft-tsf, 2 m-MPa
    const char* titleLines;
    const char* project;
};
SoundingFile FileA() {
    return {test::ProjectFile("samples/STV-01-ft-tsf-comma.txt"), 1, "10", "A-1"};
}
SoundingFile FileB() {
    return {test::RealSounding("pygef-cpt2-waternet-soft.txt"), 2, "8", "B-2"};
}

QString WindowOf(int16_t method) {
    return Q(ResultWindowsFor(method).shown);
}
bool SetsManualLayers(int16_t method) {
    return method >= 2 && method <= 4;
}
QStringList ChartNames(std::initializer_list<int> charts) {
    QStringList names;
    for (int k : charts)
        names << QStringLiteral("ChartFX(%1)").arg(k);
    return names;
}

class OneSounding : public test::ResultWindowTest {
protected:
    // Reads the file in the file window and confirms the project form with the file's project
    // number and a ground elevation of 8.5 ft: the profile window on show, or nullptr.
    Frm_CPTData3* Plot(const SoundingFile& f) {
        auto& file = Window<Frm_OpenFile>();
        file.Show();
        file.findChild<QRadioButton*>(QStringLiteral("Opt_Units(%1)").arg(f.units))->click();
        file.findChild<QComboBox*>("CombTitleLines")->setEditText(f.titleLines);
        if (!ReadThroughFileWindow(f.path))
            return nullptr;
        auto& titles = Window<Frm_Titles>();
        titles.cmbTitle[kBoxProjNum]->setEditText(f.project);
        titles.cmbTitle[kBoxElev]->setEditText("8.5");
        titles.CmdOK->click();
        ProcessEvents();
        return Profile();
    }
    Frm_CPTData3* Profile() {
        auto* w = app->windows.FindAs<Frm_CPTData3>();
        return w != nullptr && w->isVisible() ? w : nullptr;
    }
    void ProfileKey(const char* key) {
        Profile()->Toolbar1->ButtonByKey(QString::fromLatin1(key))->trigger();
        ProcessEvents();
    }
    // Soil Properties, and the constrained modulus from the menu the key offers.
    void SoilProperties() {
        ProfileKey("Properties");
        Profile()->munSubSP[0]->trigger();
        Profile()->munSP->hide();
        ProcessEvents();
    }

    // Classify Soil with the method, the choice made in the selection, Next.
    ResultChartWindow* Classify(int16_t method,
                                const std::function<void(Frm_Select&)>& choose = {}) {
        return qobject_cast<ResultChartWindow*>(
            ClassifyThroughSelection(method, WindowOf(method), choose));
    }
    static void Pick(Frm_Select& select, const char* combo, int index) {
        auto* box = select.findChild<QComboBox*>(QString::fromLatin1(combo));
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    static void ClearSlots(Frm_Select& select, std::initializer_list<int> emptied) {
        for (int i : emptied)
            QTest::mouseClick(
                select.findChild<platform::ImageControl*>(QStringLiteral("Image1(%1)").arg(i)),
                Qt::LeftButton);
    }

    // Writes a file into the test's folder: its path.
    QString WriteFile(const char* name, const QByteArray& text) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }
    QTemporaryDir dir;

    // The windows of that name on show, one released while open too.
    static int OpenWindows(const QString& name) {
        int open = 0;
        for (const QWidget* w : QApplication::topLevelWidgets())
            open += w->objectName() == name && w->isVisible() ? 1 : 0;
        return open;
    }

    // Sets the layers by hand from the top to the foot and exports them: the layers set.
    int ExportManualLayers(ResultChartWindow& w) {
        Click(w, "Next");
        auto* editor = app->windows.FindAs<Frm_Manual>();
        EXPECT_TRUE(editor != nullptr && editor->isVisible());
        if (editor == nullptr)
            return 0;
        int layers = 1;
        for (; editor->CmdNext->isEnabled() && layers < 1000; ++layers)
            editor->CmdNext->click(); // "Continue to Export" is answered OK at the foot
        EXPECT_TRUE(editor->CmdExport->isEnabled());
        editor->CmdExport->click();
        ProcessEvents();
        return layers;
    }

    // The window shows the sounding held as this load drew it: its caption names the file
    // read; every chart on show holds one point per layer of the grid in force, the profiles
    // that grid's values; a chart not on show holds nothing.
    void ExpectCurrent(ResultChartWindow& w) {
        const LayerGrid& g = Decl().grid;
        const int n = g.NumLayers;
        ASSERT_GT(n, 10);
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(w.windowTitle().endsWith(" - File: " + Q(Decl().importSettings.FileName)))
            << w.windowTitle().toStdString();
        const std::vector<float>* profiles[] = {&g.LayerQc, &g.LayerFs, &g.LayerRatio};
        for (std::size_t k = 0; k < w.ChartFX.size(); ++k) {
            const ChartFX& chart = *w.ChartFX[k];
            if (chart.isHidden()) {
                EXPECT_EQ(chart.Data().PointCount(), 0) << k;
                EXPECT_TRUE(chart.Data().Annotations().empty()) << k;
                continue;
            }
            EXPECT_EQ(chart.Data().PointCount(), n) << k;
            if (k < 3) {
                const std::vector<float>& values = *profiles[k];
                EXPECT_EQ(chart.Data().SeriesList(0).PointXValue(0), values[1]) << k;
                EXPECT_EQ(chart.Data().SeriesList(0).PointXValue(n - 1),
                          values[static_cast<std::size_t>(n)])
                    << k;
            }
        }
    }

    // Prints the page: the charts on it, by name, under the header of the project held.
    QStringList Print(ResultChartWindow& w) {
        const std::size_t pages = printed->pages.size();
        Click(w, "Print");
        EXPECT_EQ(printed->pages.size(), pages + 1);
        const platform::PrintedPage& page = platform::CurrentPrinter().LastPage();
        bool header = false;
        for (const platform::PrintedText& text : page.texts)
            header = header || text.text == Q(Decl().project.ProjNum);
        EXPECT_TRUE(header) << Decl().project.ProjNum;
        QStringList names;
        for (const platform::PrintedChart& chart : page.charts)
            names << chart.chartName;
        return names;
    }
};

class ByMethod : public OneSounding, public testing::WithParamInterface<int16_t> {};
class ByManualMethod : public ByMethod {};

std::string MethodName(const testing::TestParamInfo<int16_t>& info) {
    return WindowOf(info.param).toStdString();
}
INSTANTIATE_TEST_SUITE_P(Methods, ByMethod, testing::Values<int16_t>(1, 2, 3, 4, 5), MethodName);
INSTANTIATE_TEST_SUITE_P(Methods, ByManualMethod, testing::Values<int16_t>(2, 3, 4), MethodName);

} // namespace

TEST_P(ByMethod, CancelInTheProjectFormAndANewFileLeaveNothingOfTheFirst) {
    const int16_t method = GetParam();
    ASSERT_NE(Plot(FileA()), nullptr);
    QPointer<ResultChartWindow> first = Classify(method);
    ASSERT_TRUE(first);
    if (SetsManualLayers(method))
        ExportManualLayers(*first);
    const int firstLayers = Decl().grid.NumLayers;
    ProfileKey("Back");
    Window<Frm_Titles>().CmdCancel->click();
    ProcessEvents();
    EXPECT_TRUE(first.isNull());
    for (const char* name : {"Frm_Select", "Frm_Manual", "Frm_Tumay01", "Frm_Tumay02",
                             "Frm_Robert86", "Frm_Olsen", "Frm_Fuzzy"})
        EXPECT_EQ(OpenWindows(name), 0) << name;

    ASSERT_NE(Plot(FileB()), nullptr);
    ResultChartWindow* w = Classify(method);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->windowTitle().endsWith(FileB().path));
    EXPECT_NE(Decl().grid.NumLayers, firstLayers);
    ExpectCurrent(*w);
    EXPECT_EQ(Print(*w), ChartNames({0, 1, 2, 3}));
}

TEST_P(ByManualMethod, ManualLayersShowOnlyOnTheGridTheyWereSetOn) {
    const int16_t method = GetParam();
    ASSERT_NE(Plot(FileA()), nullptr);
    // The grid set up anew for the soil properties, then by the probability window (whose Next
    // leaves the manual layers in force).
    for (const bool soilProperties : {true, false}) {
        ResultChartWindow* w = Classify(method, TextInPlaceOfSleeve);
        ASSERT_NE(w, nullptr);
        const int layers = ExportManualLayers(*w);
        EXPECT_EQ(Labels(Chart(*w, 5)).size(), static_cast<std::size_t>(layers));
        if (soilProperties) {
            SoilProperties();
            Window<Frm_SoilFactors>().OK->click();
            ProcessEvents();
        } else {
            ASSERT_NE(Classify(1), nullptr);
        }
        EXPECT_EQ(OpenWindows(WindowOf(method)), 0);

        w = Classify(method, TextInPlaceOfSleeve);
        ASSERT_NE(w, nullptr);
        ExpectCurrent(*w);
        EXPECT_FALSE(Chart(*w, 5).isVisible());
        EXPECT_FALSE(Labels(Chart(*w, 4)).empty());
        const int n = Decl().grid.NumLayers;
        int typed = 0;
        for (int i = 0; i < n; ++i)
            typed += Chart(*w, 3).Data().PointColor(i).has_value() ? 1 : 0;
        EXPECT_GT(typed, n * 9 / 10);
        Click(*w, "YAxis");
        EXPECT_EQ(Chart(*w, 0).Data().SeriesList(0).PointValue(0),
                  8.5f - Decl().grid.LayerDepth[1]);
    }
}

TEST_P(ByMethod, NextWhileTheWindowIsOpenShowsTheNewChoice) {
    const int16_t method = GetParam();
    const bool text = SetsManualLayers(method);
    ASSERT_NE(Plot(FileA()), nullptr);
    ASSERT_NE(Classify(method), nullptr);
    // With the window open: qc, the layer text of 5 ft layers (where the method has one) and
    // the soil types.
    ResultChartWindow* w = Classify(method, [text](Frm_Select& s) {
        ClearSlots(s, {0, 1, 2});
        Pick(s, "ComboChart", 0);
        if (text) {
            Pick(s, "ComboChart", 4);
            Pick(s, "ComboThick", 3);
        }
    });
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(OpenWindows(WindowOf(method)), 1);
    const QStringList shown = text ? ChartNames({0, 4, 3}) : ChartNames({0, 3});
    EXPECT_EQ(w->ChartCount, shown.size());
    ExpectCurrent(*w);
    const auto blocks = AutomaticLayerBlocks(Decl().grid.NumLayers, 15);
    ASSERT_TRUE(blocks);
    for (const char* axis : {"depth", "elevation"}) {
        SCOPED_TRACE(axis);
        if (text) {
            EXPECT_EQ(Labels(Chart(*w, 4)).size(), blocks->blocks.size());
        }
        EXPECT_EQ(Print(*w), shown);
        Click(*w, "YAxis");
        ExpectCurrent(*w);
    }
}

TEST_P(ByMethod, TheSelectionComesUpAfreshForTheMethodChosen) {
    const int16_t method = GetParam();
    ASSERT_NE(Plot(FileA()), nullptr);
    // The selection of another method, with the layer text in it, is left open.
    Profile()->munSubCS[method == 2 ? 2 : 1]->trigger();
    auto* earlier = app->windows.FindAs<Frm_Select>();
    ASSERT_TRUE(earlier != nullptr && earlier->isVisible());
    TextInPlaceOfSleeve(*earlier);
    ResultChartWindow* w = Classify(method, [method](Frm_Select& s) {
        EXPECT_EQ(s.findChild<QGroupBox*>("Frame3")->isVisible(), method != 1 && method != 5);
        for (int i = 0; i < 4; ++i) {
            const auto* slot = s.findChild<platform::ImageControl*>(QString("Image1(%1)").arg(i));
            EXPECT_TRUE(slot->HasPicture() && slot->Tag == QString::number(i)) << i;
        }
    });
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(OpenWindows("Frm_Select"), 0);
    EXPECT_EQ(w->ChartSlot, (ChartSlots{0, 1, 2, 3}));
    ExpectCurrent(*w);
    EXPECT_EQ(Print(*w), ChartNames({0, 1, 2, 3}));
}

TEST_P(ByMethod, PrintHoldsTheChartsOnShowEachOnce) {
    const int16_t method = GetParam();
    ASSERT_NE(Plot(FileA()), nullptr);
    ASSERT_NE(Classify(method), nullptr);
    // The fs profile chosen twice, after a load that showed all four slots.
    ResultChartWindow* w = Classify(method, [](Frm_Select& s) {
        ClearSlots(s, {0, 1, 2, 3});
        Pick(s, "ComboChart", 1);
        Pick(s, "ComboChart", 1);
    });
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Decl().selection.ChartOrder, "1 1");
    ExpectCurrent(*w);
    EXPECT_EQ(Print(*w), ChartNames({1}));
    EXPECT_EQ(platform::CurrentPrinter().LastPage().orientation, platform::kPrinterPortrait);
}

TEST_P(ByMethod, SoilPropertiesCloseTheWindowsOfTheGridTheyReplace) {
    const int16_t method = GetParam();
    ASSERT_NE(Plot(FileA()), nullptr);
    QPointer<ResultChartWindow> w = Classify(method);
    ASSERT_TRUE(w);
    if (SetsManualLayers(method))
        Click(*w, "Next");
    const std::size_t shown = messages.size();
    SoilProperties();
    EXPECT_EQ(messages.size(), shown) << "no layers set by hand on show: nothing to ask";
    EXPECT_TRUE(w.isNull());
    EXPECT_EQ(OpenWindows(WindowOf(method)), 0);
    EXPECT_EQ(OpenWindows("Frm_Manual"), 0);
    Window<Frm_SoilFactors>().OK->click();
    ProcessEvents();
    EXPECT_EQ(OpenWindows("Frm_PlotProperties"), 1);

    // The method again: classified afresh; the editor describes the layers it hands over.
    ResultChartWindow* again = Classify(method);
    ASSERT_NE(again, nullptr);
    ExpectCurrent(*again);
    if (!SetsManualLayers(method))
        return;
    Click(*again, "Next");
    auto* editor = app->windows.FindAs<Frm_Manual>();
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(editor->LayerName.trimmed().isEmpty());
    EXPECT_EQ(qobject_cast<ResultWindow*>(again)->ManName[1], editor->LayerName);
}

TEST_F(OneSounding, TheFileNameIsThatOfTheReadingsHeld) {
    const QString bad = WriteFile("bad.txt", "not a cone data file\r\n");
    const QString a = FileA().path;
    auto& file = Window<Frm_OpenFile>();
    file.Show();
    auto* open = file.findChild<QPushButton*>("CmdOpenFile");
    AnswerNextOpenDialog(a);
    open->click();
    ASSERT_EQ(Decl().importSettings.ImportError, 0);
    AnswerNextOpenDialog(bad);
    open->click();
    ASSERT_EQ(Decl().importSettings.ImportError, -1);
    EXPECT_EQ(messages.back().text, "Could not read data from file");
    const QString viewed = FileB().path;
    AnswerNextOpenDialog(viewed);
    file.findChild<QPushButton*>("CmdViewFile")->click();
    ProcessEvents();
    EXPECT_EQ(Window<Frm_ViewFile>().windowTitle(), viewed);
    EXPECT_EQ(Q(Decl().importSettings.FileName), a);

    file.findChild<QPushButton*>("CmdPlot")->click();
    Window<Frm_Titles>().CmdOK->click();
    ProcessEvents();
    ASSERT_NE(Profile(), nullptr);
    EXPECT_TRUE(Profile()->windowTitle().endsWith(a));
    ResultChartWindow* w = Classify(2);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Decl().grid.NumLayers, 182); // the readings of A, 59.8 ft
    ExpectCurrent(*w);
    Click(*w, "Next");
    EXPECT_TRUE(Window<Frm_Manual>().windowTitle().endsWith(a));
}

TEST_P(ByMethod, EachLoadStartsUnzoomed) {
    const int16_t method = GetParam();
    ASSERT_NE(Plot(FileA()), nullptr);
    ResultChartWindow* w = Classify(method);
    ASSERT_NE(w, nullptr);
    QAction* zoom = w->Toolbar1->ButtonByKey("Zoom");
    const QString stored = zoom->text();
    Chart(*w, 0).DragZoom(10, 20);
    Click(*w, "Zoom");
    ASSERT_EQ(zoom->text(), "Zoom Out    ");

    w = Classify(method);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Toolbar1->ButtonByKey("Zoom")->text(), stored);
    for (int k = 0; k < 4; ++k)
        EXPECT_FALSE(Chart(*w, k).Data().ZoomActive()) << k;
    ExpectCurrent(*w);
}

TEST_F(OneSounding, EveryManualLayerIsKept) {
    // 240 ft of readings: 120 layers of 2 ft and more.
    QByteArray text = QByteArray("title line\r\n").repeated(10);
    for (int i = 1; i <= 2400; ++i) {
        const float d = static_cast<float>(i) / 10.0f;
        const auto [qc, fs] = test::Layered(std::fmod(d, 30.0f));
        text += QString("%1,%2,%3\r\n").arg(d, 0, 'f', 1).arg(qc).arg(fs).toLatin1();
    }
    ASSERT_NE(Plot({WriteFile("deep.txt", text), 1, "10", "D-4"}), nullptr);
    ResultChartWindow* w = Classify(2, [](Frm_Select& s) {
        TextInPlaceOfSleeve(s);
        Pick(s, "ComboThick", 0); // 2 ft
    });
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(Decl().selection.PointsPerLayer, 6);
    const int layers = ExportManualLayers(*w);
    EXPECT_GT(layers, 100);
    const ChartFX& manual = Chart(*w, 5);
    ASSERT_TRUE(manual.isVisible());
    const auto labels = Labels(manual);
    ASSERT_EQ(labels.size(), static_cast<std::size_t>(layers));
    EXPECT_EQ(Lines(manual).size(), static_cast<std::size_t>(layers));
    EXPECT_FALSE(labels.back()->Text().trimmed().isEmpty());
    EXPECT_EQ(labels.back()->VerticalPlace().value, Decl().grid.NumLayers - (6 * (layers - 1) + 1));
}

namespace {

// The values a profile chart holds, one per grid layer from the top.
std::vector<float> ProfileValues(const ChartFX& chart) {
    std::vector<float> values;
    for (int i = 0; i < chart.Data().PointCount(); ++i)
        values.push_back(
            static_cast<float>(chart.Data().SeriesList(0).PointXValue(i).value_or(-1.0)));
    return values;
}

// Both profiles hold the same values; the probability window's may differ in the last digit
// (its classifier works on the layers in kg/cm2 and m and converts them back).
void ExpectSameProfile(const std::vector<float>& shown, const std::vector<float>& expected) {
    ASSERT_EQ(shown.size(), expected.size());
    for (std::size_t i = 0; i < shown.size(); ++i)
        ASSERT_FLOAT_EQ(shown[i], expected[i]) << i;
}

const Message kHandSetLayersLost{" The layers set with 'Manual Layers' will be lost.. Continue ? ",
                                 " Data Plot Message", MsgIcon::Question, MsgButtons::OkCancel};

} // namespace

TEST_P(ByManualMethod, ProfilesShowTheLayerValuesOfTheSounding) {
    // Peat at Ringdijk has friction ratios of 8 to 12 %, beyond each of the three charts.
    ASSERT_NE(Plot(FileB()), nullptr);
    ResultChartWindow* probability = Classify(1);
    ASSERT_NE(probability, nullptr);
    const auto qc = ProfileValues(Chart(*probability, 0));
    const auto ratio = ProfileValues(Chart(*probability, 2));
    ASSERT_GT(*std::max_element(ratio.begin(), ratio.end()), 10.0f);

    ResultChartWindow* w = Classify(GetParam());
    ASSERT_NE(w, nullptr);
    ExpectSameProfile(ProfileValues(Chart(*w, 0)), qc);
    ExpectSameProfile(ProfileValues(Chart(*w, 2)), ratio);
}

TEST_P(ByManualMethod, TheEditorServesTheWindowThatOpenedIt) {
    ASSERT_NE(Plot(FileA()), nullptr);
    auto* w = qobject_cast<ResultWindow*>(Classify(GetParam(), TextInPlaceOfSleeve));
    ASSERT_NE(w, nullptr);
    // The fuzzy method picked in the profile window, then Back in the selection: the window
    // stays open.
    Profile()->munSubCS[4]->trigger();
    QTest::mouseClick(app->windows.FindAs<Frm_Select>()->findChild<QPushButton*>("CmdCancel"),
                      Qt::LeftButton);
    ProcessEvents();
    ASSERT_EQ(Decl().selection.MethodCode, 5);
    ASSERT_TRUE(w->isVisible());

    messages.clear();
    const int layers = ExportManualLayers(*w);
    EXPECT_EQ(messages.size(), 1u) << "only the question at the foot";
    ASSERT_TRUE(w->isVisible());
    const auto labels = Labels(Chart(*w, 5));
    ASSERT_EQ(labels.size(), static_cast<std::size_t>(layers));
    EXPECT_EQ(labels[0]->Text(), Q(w->DescribeLayers(1, 10)));
    for (const auto* label : labels)
        EXPECT_FALSE(label->Text().trimmed().isEmpty());
    EXPECT_FALSE(Chart(*w, 4).isVisible());
}

TEST_P(ByManualMethod, NextAfterAnExportShowsTheChoiceJustMade) {
    ASSERT_NE(Plot(FileA()), nullptr);
    ResultChartWindow* w = Classify(GetParam(), TextInPlaceOfSleeve);
    ASSERT_NE(w, nullptr);
    ExportManualLayers(*w);
    ASSERT_TRUE(Chart(*w, 5).isVisible());
    // Back, the layer text of 2 ft layers, Next.
    Click(*w, "Back");
    ProcessEvents();
    auto* select = app->windows.FindAs<Frm_Select>();
    ASSERT_NE(select, nullptr);
    TextInPlaceOfSleeve(*select);
    Pick(*select, "ComboThick", 0);
    QTest::mouseClick(select->findChild<QPushButton*>("CmdNext"), Qt::LeftButton);
    ProcessEvents();

    w = qobject_cast<ResultChartWindow*>(app->windows.Find(WindowOf(GetParam())));
    ASSERT_NE(w, nullptr);
    ExpectCurrent(*w);
    EXPECT_FALSE(Decl().selection.ManualFlag);
    EXPECT_EQ(w->ChartSlot, (ChartSlots{0, 4, 2, 3}));
    const auto blocks = AutomaticLayerBlocks(Decl().grid.NumLayers, 6);
    ASSERT_TRUE(blocks);
    EXPECT_EQ(Labels(Chart(*w, 4)).size(), blocks->blocks.size());
}

TEST_P(ByManualMethod, ClosingLayersSetByHandIsAskedFirst) {
    ASSERT_NE(Plot(FileA()), nullptr);
    QPointer<ResultChartWindow> w = Classify(GetParam(), TextInPlaceOfSleeve);
    ASSERT_TRUE(w);
    const int layers = ExportManualLayers(*w);
    const int32_t grid = Decl().grid.Generation;
    const auto kept = [&] {
        ASSERT_TRUE(w && w->isVisible());
        EXPECT_EQ(Decl().grid.Generation, grid);
        EXPECT_EQ(Labels(Chart(*w, 5)).size(), static_cast<std::size_t>(layers));
    };

    // Soil Properties, Cancel: nothing changes and the soil factors do not open.
    messages.clear();
    AnswerNextMessages({platform::MsgAnswer::Cancel});
    SoilProperties();
    EXPECT_EQ(messages, (std::vector<Message>{kHandSetLayersLost}));
    EXPECT_EQ(OpenWindows("Frm_SoilFactors"), 0);
    kept();
    // Another method chosen in the selection, Cancel: the selection stays on show.
    AnswerNextMessages({platform::MsgAnswer::Cancel});
    Profile()->munSubCS[0]->trigger();
    auto* select = app->windows.FindAs<Frm_Select>();
    ASSERT_NE(select, nullptr);
    QTest::mouseClick(select->findChild<QPushButton*>("CmdNext"), Qt::LeftButton);
    ProcessEvents();
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_TRUE(select->isVisible());
    EXPECT_EQ(OpenWindows("Frm_Tumay01"), 0);
    EXPECT_TRUE(Decl().selection.ManualFlag);
    kept();
    QTest::mouseClick(select->findChild<QPushButton*>("CmdCancel"), Qt::LeftButton);

    // Soil Properties, OK: the window closes as the new grid replaces its own.
    SoilProperties();
    EXPECT_EQ(messages.size(), 3u);
    EXPECT_TRUE(w.isNull());
    EXPECT_EQ(OpenWindows("Frm_SoilFactors"), 1);
}

TEST_F(OneSounding, ANewReadClosesTheProjectFormOfTheFileBefore) {
    // A project entered for an earlier sounding.
    ASSERT_NE(Plot(FileB()), nullptr);
    ProfileKey("Back");
    Window<Frm_Titles>().CmdCancel->click();
    ProcessEvents();
    // STV-01 read, its project form opened and a project number typed, then STV-04 read.
    ASSERT_TRUE(ReadThroughFileWindow(FileA().path));
    QPointer<Frm_Titles> form = &Window<Frm_Titles>();
    ASSERT_TRUE(form->TxtComment->toPlainText().contains("STV-01"));
    form->cmbTitle[kBoxProjNum]->setEditText("A-1");
    auto& file = Window<Frm_OpenFile>();
    file.findChild<QComboBox*>("CombTitleLines")->setEditText("0");
    AnswerNextOpenDialog(test::ProjectFile("samples/STV-04-ft-tsf-u2-no-titles.txt"));
    file.findChild<QPushButton*>("CmdOpenFile")->click();
    ProcessEvents();
    ASSERT_EQ(Decl().importSettings.ImportError, 0);
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(OpenWindows("Frm_Titles"), 0);

    // Plot Cone Data: the form of STV-04, with the lists of what was entered before.
    file.findChild<QPushButton*>("CmdPlot")->click();
    auto& titles = Window<Frm_Titles>();
    ASSERT_TRUE(titles.isVisible());
    EXPECT_EQ(titles.TxtComment->toPlainText(), "");
    EXPECT_EQ(titles.cmbTitle[kBoxProjNum]->currentText(), "");
    EXPECT_NE(titles.cmbTitle[kBoxProjNum]->findText(FileB().project), -1);
    titles.CmdOK->click();
    ProcessEvents();
    ASSERT_NE(Profile(), nullptr);
    EXPECT_EQ(Decl().project.ProjNum, "");
    EXPECT_TRUE(Profile()->windowTitle().endsWith("STV-04-ft-tsf-u2-no-titles.txt"));
}
