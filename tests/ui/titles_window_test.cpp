#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <algorithm>

#include "engine/import/ConeReader.h"
#include "platform/Text.h"
#include "ui/import/Frm_ConeFactors.h"
#include "ui/import/Frm_Titles.h"
#include "ui/support/StandInForm.h"
#include "ui/support/UiTest.h"

using namespace strelvan;
using strelvan::test::UiTest;

namespace {
class TitlesWindow : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        test::RegisterStandIns(*app,
                               {"Frm_OpenFile", "Frm_CPTData3", "Frm_Tumay02", "Frm_Robert86"});
        CreateHistoryLists(Decl().history);
        Decl().cone.NumPoints = 2;
        Decl().cone.Depth[1] = 1.0f;
        Decl().cone.Qc[1] = 2.0f;
        Decl().cone.Fs[1] = 0.02f;
        Decl().cone.Depth[2] = 2.0f;
        Decl().cone.Qc[2] = 3.0f;
        Decl().cone.Fs[2] = 0.03f;
        app->windows.Show("Frm_OpenFile");
        titles().Show();
    }

    Frm_Titles& titles() { return Window<Frm_Titles>(); }
    QComboBox* Box(int i) { return titles().cmbTitle[i]; }
    void Type(std::initializer_list<std::pair<int, const char*>> texts) {
        for (const auto& [i, text] : texts)
            Box(i)->setEditText(QString::fromUtf8(text));
    }
    QStringList Offered(int i) {
        QStringList items;
        for (int k = 0; k < Box(i)->count(); ++k)
            items << Box(i)->itemText(k);
        return items;
    }
    // Back from the profile window: the hidden form is shown again as it was left.
    void BackFromProfile() {
        for (const char* name : {"Frm_CPTData3", "Frm_CPTData4", "Frm_CPTData5"})
            app->windows.Unload(name);
        titles().Show();
    }
    // Loads the form anew, as the Plot button does after a Cancel.
    void Reload() {
        titles().Unload();
        titles().Show();
    }
    bool ProfileShown(const char* name) {
        const Form* f = app->windows.Find(name);
        return f != nullptr && f->isVisible();
    }
};
} // namespace

TEST_F(TitlesWindow, LoadShowsLabelsStoredValuesHeaderAndTodaysDate) {
    EXPECT_EQ(titles().findChild<QLabel*>("LblMain")->text(), "Enter Project Information:");
    EXPECT_EQ(titles().findChild<QLabel*>("LblGPS")->text(), "GPS Data");
    EXPECT_EQ(titles().findChild<QLabel*>("LblTitle(6)")->text(),
              "Ground Water Table (depth -- ft):");
    EXPECT_EQ(titles().findChild<QLabel*>("LblTitle(9)")->text(), "Date: ");
    for (int i = 0; i < kProjectBoxCount; ++i) {
        const auto* box = titles().findChild<QComboBox*>(QStringLiteral("cmbTitle(%1)").arg(i));
        ASSERT_NE(box, nullptr) << i;
        EXPECT_TRUE(box->isEditable());
    }
    const QString today = QDate::currentDate().toString("MM-dd-yyyy");
    EXPECT_TRUE(Offered(9) == QStringList{today} ||
                Offered(9) == QStringList{QDate::currentDate().addDays(-1).toString("MM-dd-yyyy")});
    EXPECT_EQ(Box(9)->currentText(), ""); // offered, not filled in

    Decl().project.ProjNum = "P-17";
    Decl().project.Latitude = "30.41";
    Decl().project.GroundElev = 8.5f;
    Decl().project.GWTDepth = 3.0f;
    Decl().importSettings.HeaderText = "CPT test input\r\nSounding 4\r\n";
    Reload();
    EXPECT_EQ(Box(0)->currentText(), "P-17");
    EXPECT_EQ(Box(7)->currentText(), "30.41");
    EXPECT_EQ(Box(5)->currentText(), "8.5");
    EXPECT_EQ(Box(6)->currentText(), "");
    EXPECT_EQ(Box(1)->currentText(), "");
    EXPECT_EQ(titles().TxtComment->toPlainText(), "CPT test input\nSounding 4\n");
}

TEST_F(TitlesWindow, EmptyNumberBoxesStoreNoElevationAndZeroWaterTable) {
    Decl().project.GroundElev = 4.0f;
    Decl().project.GWTDepth = 6.0f;
    Reload();
    Type({{0, "P-1"}, {5, ""}, {6, ""}, {9, "01-02-2024"}});
    titles().CmdOK->click();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Decl().project.GroundElev, -99999.0f);
    EXPECT_EQ(Decl().project.GWTDepth, 0.0f);
    EXPECT_EQ(Decl().project.ProjDate, "01-02-2024");
    EXPECT_EQ(Decl().history.HistElev.Count(), 0u);

    BackFromProfile();
    Type({{5, " -12.5"}, {6, "3.25"}});
    titles().CmdOK->click();
    EXPECT_EQ(Decl().project.GroundElev, -12.5f);
    EXPECT_EQ(Decl().project.GWTDepth, 3.25f);
}

TEST_F(TitlesWindow, RepeatedEntriesKeepOneHistoryEntryEach) {
    Type({{0, "P-1"}, {1, "Orleans"}, {2, "Levee"}, {3, "S1"}, {5, "10"}});
    titles().CmdOK->click();
    BackFromProfile();
    Type({{1, "Jefferson"}, {2, "Levee B"}});
    titles().CmdOK->click();
    const KeyedList& projects = Decl().history.HistProject;
    ASSERT_EQ(projects.Count(), 1u);
    EXPECT_EQ(*projects.Item("P-1"), "P-1|Jefferson|Levee B");
    EXPECT_EQ(Decl().history.HistStation.Count(), 1u);
    EXPECT_EQ(Decl().history.HistElev.Count(), 1u);

    BackFromProfile();
    Type({{0, "P-2"}, {1, "Jefferson"}});
    titles().CmdOK->click();
    Reload();
    EXPECT_EQ(Offered(0), (QStringList{"P-1", "P-2"}));
    // The parish of each project is offered, the same text once per project.
    EXPECT_EQ(Offered(1), (QStringList{"Jefferson", "Jefferson"}));
    EXPECT_EQ(Offered(3), QStringList{"S1"});
    EXPECT_EQ(Offered(5), QStringList{"10"});
    EXPECT_EQ(Box(0)->currentText(), "P-2"); // the stored value, not the first offer
}

TEST_F(TitlesWindow, EmptyProjectNumberMakesAnEntryThatOffersNothing) {
    titles().CmdOK->click();
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(Decl().history.HistProject.Count(), 1u);
    EXPECT_EQ(*Decl().history.HistProject.Item(""), "||");
    Reload();
    EXPECT_EQ(Box(0)->count(), 0);
    EXPECT_EQ(Box(1)->count(), 0);
}

// Text, and elevations no sounding can have (beyond 30,000 ft either way, where the
// elevations of the readings would collapse onto a few values in single precision).
class BadElevation : public TitlesWindow, public ::testing::WithParamInterface<const char*> {};

TEST_P(BadElevation, StoresNothingAndKeepsTheFocus) {
    Type({{0, "P-1"}, {3, "S1"}, {5, GetParam()}, {6, "2"}});
    Box(0)->setFocus();
    titles().CmdOK->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, " Data Entry Error in 'Ground Elevation'.. Please ReEnter ");
    EXPECT_EQ(messages[0].title, " Data Entry Message");
    EXPECT_EQ(messages[0].icon, MsgIcon::Critical);
    EXPECT_EQ(titles().focusWidget(), Box(5));
    EXPECT_EQ(Decl().project.ProjNum, "");
    EXPECT_EQ(Decl().project.GroundElev, -99999.0f);
    EXPECT_EQ(Decl().history.HistProject.Count(), 0u);
    EXPECT_EQ(Decl().history.HistStation.Count(), 0u);
    EXPECT_EQ(Decl().history.HistElev.Count(), 0u);
    EXPECT_TRUE(titles().isVisible());
    EXPECT_FALSE(ProfileShown("Frm_CPTData3"));

    // The mended text goes through, and the bad one is never offered.
    Type({{5, "-30000"}});
    titles().CmdOK->click();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(Decl().project.GroundElev, -30000.0f);
    Reload();
    EXPECT_EQ(Offered(5), QStringList{"-30000"});
}

INSTANTIATE_TEST_SUITE_P(TitlesWindow, BadElevation,
                         ::testing::Values("abc", "1e8", "30000.5", "-99999"));

TEST_F(TitlesWindow, BadWaterTableIsNamedWithTheFocusInItsBox) {
    Decl().project.GWTDepth = 5.0f;
    Type({{0, "P-1"}, {5, "12"}, {6, "2 ft"}});
    Box(5)->setFocus();
    titles().CmdOK->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, " Data Entry Error in 'Ground Water Table'.. Please ReEnter ");
    EXPECT_EQ(messages[0].title, " Data Entry Message");
    EXPECT_EQ(titles().focusWidget(), Box(6));
    EXPECT_EQ(Decl().project.GWTDepth, 5.0f);
    EXPECT_EQ(Decl().project.GroundElev, -99999.0f);
    EXPECT_EQ(Decl().history.HistGWT.Count(), 0u);
    EXPECT_FALSE(ProfileShown("Frm_CPTData3"));
}

TEST_F(TitlesWindow, EnglishFileOpensTheProfileAtOnce) {
    QPointer<Form> fileWindow = app->windows.Find("Frm_OpenFile");
    titles().CmdOK->click();
    ProcessEvents();
    EXPECT_EQ(Decl().cone.Depth[1], 1.0f);
    EXPECT_EQ(Decl().cone.Qc[1], 2.0f);
    EXPECT_TRUE(ProfileShown("Frm_CPTData3"));
    EXPECT_FALSE(titles().isVisible());
    EXPECT_TRUE(titles().IsLoaded());
    EXPECT_TRUE(fileWindow.isNull()); // unloaded and released
    EXPECT_EQ(endProgramCalls, 0);
}

TEST_F(TitlesWindow, SiSoundingIsConvertedOnceBeforeTheProfileOpens) {
    ImportSettings& settings = Decl().importSettings;
    settings.FileName = S(test::RealSounding("geolibplus-monnickendam-cptu.txt"));
    settings.NumTitleLines = 9;
    settings.UnitsOption = 2;
    ReadConeData(settings, Decl().cone);
    ASSERT_EQ(settings.ImportError, 0);
    ConeData& cone = Decl().cone;
    ASSERT_EQ(cone.NumPoints, 1192);
    const ConeData metric = cone;
    cone.PoreType1 = 2; // one pore-pressure column
    titles().CmdOK->click();
    EXPECT_EQ(Decl().importSettings.UnitsOption, 1);
    EXPECT_TRUE(ProfileShown("Frm_CPTData4"));
    EXPECT_FALSE(ProfileShown("Frm_CPTData3"));
    EXPECT_FLOAT_EQ(cone.Depth[1], 1.70f * 3.28084f);
    EXPECT_FLOAT_EQ(cone.Depth[1192], 25.52f * 3.28084f);
    for (int i = 1; i <= cone.NumPoints; ++i) {
        ASSERT_FLOAT_EQ(cone.Qc[i], metric.Qc[i] * 10.44277f) << i;
        // A negative fs is converted too; the profile window then cleans it to 0.
        ASSERT_FLOAT_EQ(cone.Fs[i], std::max(0.0f, metric.Fs[i] * 10.44277f)) << i;
    }
    const ConeData once = cone;
    BackFromProfile();
    cone.PoreType2 = 3;
    titles().CmdOK->click();
    EXPECT_TRUE(ProfileShown("Frm_CPTData5"));
    EXPECT_EQ(cone.Qc, once.Qc);
    EXPECT_EQ(cone.Depth, once.Depth);
}

TEST_F(TitlesWindow, MillivoltFileAsksForTheFactorsFirst) {
    Decl().importSettings.UnitsOption = 0;
    titles().CmdOK->click();
    auto* factors = app->windows.FindAs<Frm_ConeFactors>();
    ASSERT_NE(factors, nullptr);
    EXPECT_TRUE(factors->isVisible());
    EXPECT_TRUE(titles().isVisible());
    EXPECT_FALSE(ProfileShown("Frm_CPTData3"));
    EXPECT_EQ(Decl().cone.Qc[1], 2.0f);
    factors->CmdNext->click();
    EXPECT_EQ(Decl().cone.Qc[1], 2.0f * 522.138671875f);
    EXPECT_FALSE(titles().isVisible());
    EXPECT_TRUE(ProfileShown("Frm_CPTData3"));
}

TEST_F(TitlesWindow, CancelReturnsAFreshFileWindowAndChangesNothing) {
    Type({{0, "P-1"}});
    titles().CmdOK->click(); // the file window is released on OK
    ProcessEvents();
    BackFromProfile();
    for (const char* name : {"Frm_Tumay02", "Frm_Robert86", "Frm_Olsen"})
        app->windows.Show(name);
    QPointer<Form> schmertmann = app->windows.Find("Frm_Tumay02");
    QPointer<Form> robertson = app->windows.Find("Frm_Robert86");
    QPointer<Form> olsen = app->windows.Find("Frm_Olsen");
    const ProjectInfo stored = Decl().project;
    Type({{0, "P-9"}, {5, "bad"}});
    titles().CmdCancel->click();
    ProcessEvents();
    EXPECT_FALSE(titles().IsLoaded());
    // Every result window of the sounding is unloaded and released.
    EXPECT_TRUE(schmertmann.isNull());
    EXPECT_TRUE(robertson.isNull());
    EXPECT_TRUE(olsen.isNull());
    const Form* fileWindow = app->windows.Find("Frm_OpenFile");
    ASSERT_NE(fileWindow, nullptr);
    EXPECT_TRUE(fileWindow->isVisible());
    EXPECT_EQ(Decl().project.ProjNum, stored.ProjNum);
    EXPECT_EQ(Decl().history.HistProject.Count(), 1u);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(endProgramCalls, 0);
}
