// A sounding from its file to the probability and fuzzy windows: the file window, the project
// form, the profile window's Classify Soil menu and the chart selection, as the user goes; and
// real soundings through both windows.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "engine/import/ProjectEntry.h"
#include "ui/charts/Frm_CPTData3.h"
#include "ui/import/Frm_OpenFile.h"
#include "ui/import/Frm_Titles.h"
#include "ui/results/Frm_Fuzzy.h"
#include "ui/results/Frm_Select.h"
#include "ui/results/Frm_Tumay01.h"
#include "ui/support/ResultWindowFixture.h"
#include "ui/support/Soundings.h"

using namespace strelvan;
using platform::ChartFX;

namespace {

class CurveWindowsRoad : public test::ResultWindowTest {
protected:
    // The three curves of a layer grid: every layer drawn, each value within its range.
    static void ExpectCurves(const ChartFX& chart, int n, double top) {
        ASSERT_GT(n, 10);
        ASSERT_EQ(chart.Data().SeriesCount(), 3);
        ASSERT_EQ(chart.Data().PointCount(), n);
        for (int s = 0; s < 3; ++s)
            for (int i = 0; i < n; ++i) {
                const std::optional<double> v = chart.Data().SeriesList(s).PointValue(i);
                ASSERT_TRUE(v && *v >= 0.0 && *v <= top) << s << " " << i;
            }
    }

    void ExpectProbabilities(Frm_Tumay01& w) {
        const int n = Decl().grid.NumLayers;
        ExpectCurves(*w.ChartFX[3], n, 100.0);
        for (int k = 1; k <= n; ++k) {
            const ClassResults& r = Decl().results;
            ASSERT_NEAR(r.ProbSand[k] + r.ProbSilt[k] + r.ProbClay[k], 100.0f, 1e-3f) << k;
            ASSERT_GT(Decl().grid.LayerQc[k], 0.0f) << k;
            ASSERT_LE(Decl().grid.LayerRatio[k], 20.0f) << k;
        }
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(w.ChartFX[static_cast<std::size_t>(k)]->Data().PointCount(), n) << k;
    }

    void ExpectMemberships(Frm_Fuzzy& w) {
        const int n = Decl().grid.NumLayers;
        ChartFX& chart = *w.ChartFX[3];
        ExpectCurves(chart, n, 1.0);
        const std::optional<double> top = chart.Data().AxisList(1).AxisMax();
        ASSERT_TRUE(top);
        EXPECT_GE(*top, 1.0);
        EXPECT_LT(*top, 3.0);
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(w.ChartFX[static_cast<std::size_t>(k)]->Data().PointCount(), n) << k;
    }
};

} // namespace

TEST_F(CurveWindowsRoad, FromASampleFileToTheProbabilityAndFuzzyWindows) {
    const QString path = test::ProjectFile("samples/STV-01-ft-tsf-comma.txt");
    ASSERT_TRUE(ReadThroughFileWindow(path));
    auto& titles = Window<Frm_Titles>();
    titles.cmbTitle[kBoxProjNum]->setEditText("450-12-0031");
    titles.cmbTitle[kBoxElev]->setEditText("8.5");
    titles.CmdOK->click();
    ProcessEvents();
    const std::size_t messagesBefore = messages.size();

    auto* prob = ClassifyThroughSelection<Frm_Tumay01>(1);
    ASSERT_NE(prob, nullptr);
    EXPECT_TRUE(prob->isVisible());
    EXPECT_EQ(messages.size(), messagesBefore);
    EXPECT_EQ(prob->windowTitle(),
              " Classification using: Zhang & Tumay (1999) - File: " + QString(path));
    EXPECT_EQ(Decl().selection.ChartOrder, "0 1 2 3");
    EXPECT_EQ(prob->TxtProjNum->text(), "450-12-0031");
    EXPECT_EQ(prob->TxtElevation->text(), "8.5");
    EXPECT_EQ(Decl().grid.NumLayers, 182); // 59.8 ft
    ExpectProbabilities(*prob);

    // Back to the selection, on to the fuzzy window; the probability window is gone.
    prob->Toolbar1->ButtonByKey("Back")->trigger();
    ProcessEvents();
    EXPECT_EQ(app->windows.Find("Frm_Tumay01"), nullptr);
    auto* select = app->windows.FindAs<Frm_Select>();
    ASSERT_TRUE(select && select->isVisible());
    QTest::mouseClick(select->findChild<QPushButton*>("CmdCancel"), Qt::LeftButton);
    ProcessEvents();
    auto* fuzzy = ClassifyThroughSelection<Frm_Fuzzy>(5);
    ASSERT_NE(fuzzy, nullptr);
    EXPECT_TRUE(fuzzy->isVisible());
    EXPECT_EQ(messages.size(), messagesBefore);
    EXPECT_EQ(Decl().selection.MethodCode, 5);
    ExpectMemberships(*fuzzy);
    // Against elevation: the profiles follow, the memberships stay by depth.
    fuzzy->Toolbar1->ButtonByKey("YAxis")->trigger();
    EXPECT_EQ(fuzzy->ChartFX[0]->Data().SeriesList(0).PointValue(0),
              8.5f - Decl().grid.LayerDepth[1]);
    EXPECT_EQ(endProgramCalls, 0);
}

TEST_F(CurveWindowsRoad, RealSoundingsThroughBothWindows) {
    for (const char* file : {"pygef-cpt4-sand.txt", "geolibplus-bro-predrilled-u1.txt"}) {
        SCOPED_TRACE(file);
        messages.clear();
        ASSERT_TRUE(test::ReadRealSoundingNamed(Decl(), file));
        Window<Frm_CPTData3>().Show();
        auto* prob = ClassifyThroughSelection<Frm_Tumay01>(1);
        ASSERT_NE(prob, nullptr);
        EXPECT_TRUE(messages.empty()) << messages.front().text;
        ExpectProbabilities(*prob);
        auto* fuzzy = ClassifyThroughSelection<Frm_Fuzzy>(5);
        ASSERT_NE(fuzzy, nullptr);
        EXPECT_TRUE(messages.empty()) << messages.front().text;
        ExpectMemberships(*fuzzy);
        app->windows.UnloadAndRelease("Frm_Fuzzy");
        app->windows.UnloadAndRelease("Frm_Tumay01");
        app->windows.UnloadAndRelease("Frm_CPTData3");
        ProcessEvents();
    }
}
