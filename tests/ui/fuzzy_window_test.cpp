// The fuzzy result window: memberships graded before the clean-up, the membership chart, its
// reduced toolbar and the depth/elevation toggle.
#include <QGroupBox>

#include "engine/charts/CurveChartScale.h"
#include "engine/classification/FuzzyMembership.h"
#include "engine/classification/SoilClassIndex.h"
#include "engine/import/Units.h"
#include "platform/Printer.h"
#include "platform/Screen.h"
#include "ui/results/Frm_Fuzzy.h"
#include "ui/support/ResultWindowFixture.h"
#include "ui/support/TestPrinter.h"

using namespace strelvan;
using platform::ChartFX;

namespace {

// A friction ratio of 30 % above 5 ft, sand from 5 to 15 ft, silty soil below.
std::pair<float, float> HighRatioOnTop(float depth) {
    if (depth < 5.0f)
        return {1.0f, 0.3f};
    if (depth < 15.0f)
        return {150.0f, 0.9f};
    return {40.0f, 1.2f};
}

class FuzzyWindow : public test::ResultWindowTest {
protected:
    void SetUp() override {
        ResultWindowTest::SetUp();
        Decl().selection.MethodCode = 5;
    }
    Frm_Fuzzy& OpenFuzzy(const std::string& order) { return Open<Frm_Fuzzy>(order); }
};

} // namespace

TEST_F(FuzzyWindow, GradesTheAveragedLayersAndDrawsTheirMemberships) {
    Sounding(30, HighRatioOnTop);
    auto& w = OpenFuzzy("0 1 2 3");
    EXPECT_EQ(w.windowTitle(),
              " Classification using: Fuzzy Soil Type - File: C:/soundings/levee-7.txt");
    EXPECT_TRUE(messages.empty());
    const LayerGrid& g = Decl().grid;
    const ClassResults& r = Decl().results;
    const int n = g.NumLayers;
    ASSERT_EQ(n, 91);

    // Layer 5 (1.3 to 1.6 ft) has a friction ratio of 30 %: graded with it uncapped, shown
    // capped at 20 on the ratio profile.
    const auto U30 = SoilClassIndex(1.0f * static_cast<float>(kTsfToKgPerCm2), 30.0);
    const auto U20 = SoilClassIndex(1.0f * static_cast<float>(kTsfToKgPerCm2), 20.0);
    ASSERT_TRUE(U30 && U20);
    EXPECT_NEAR(r.SoilIndexU[5], *U30, 1e-4);
    EXPECT_GT(std::fabs(*U30 - *U20), 1.0);
    EXPECT_EQ(g.LayerRatio[5], 20.0f);
    EXPECT_EQ(Chart(w, 2).Data().SeriesList(0).PointXValue(4), 20.0f);

    // Three curves, the deepest layer first; layer 0 is never drawn.
    ChartFX& fuzzy = Chart(w, 3);
    EXPECT_EQ(fuzzy.Data().Look(), platform::ChartLook::DepthCurves);
    ASSERT_EQ(fuzzy.Data().SeriesCount(), 3);
    ASSERT_EQ(fuzzy.Data().PointCount(), n);
    const std::vector<float>* curves[] = {&r.MuHPS, &r.MuHPM, &r.MuHPC};
    const char* legends[] = {"HPS", "HPM", "HPC"};
    for (int s = 0; s < 3; ++s) {
        const auto series = fuzzy.SeriesList(s);
        EXPECT_EQ(series.SeriesLegend(), legends[s]);
        for (int i : {0, 44, n - 1}) {
            const auto k = static_cast<std::size_t>(n - i);
            EXPECT_EQ(series.PointXValue(i), g.LayerDepth[k]) << s << " " << i;
            EXPECT_EQ(series.PointValue(i), (*curves[s])[k]) << s << " " << i;
        }
    }
    EXPECT_EQ(fuzzy.Data().SeriesList(2).PointValue(n - 5), 1.0f) << "layer 5 is clay";

    // The membership axis runs from 0 to the largest sum of a layer's memberships.
    float largest = 0;
    for (int k = 1; k <= n; ++k)
        largest = std::max(largest, r.MuHPC[k] + r.MuHPS[k] + r.MuHPM[k]);
    EXPECT_GE(largest, 1.0f);
    EXPECT_EQ(fuzzy.Data().AxisList(0).AxisMin(), 0.0);
    EXPECT_EQ(fuzzy.Data().AxisList(1).AxisMax(), largest);
    EXPECT_EQ(fuzzy.Data().AxisList(1).AxisStep(), 0.2);
    EXPECT_EQ(fuzzy.Data().AxisList(2).AxisMax(), g.LayerDepth[1]);
    EXPECT_EQ(fuzzy.Data().TitleText(2), " Fuzzy Soil Type ");
    EXPECT_EQ(fuzzy.Data().TitleColor(2), 0xFF0000);
    EXPECT_TRUE(fuzzy.Data().LegendShown());
    EXPECT_EQ(fuzzy.Data().LegendBox().Width(), LegendBoxWidth(platform::TwipsPerPixelY()));
    EXPECT_EQ(fuzzy.Data().LegendBox().Width(), 34) << "the offscreen screen has 15 twips a pixel";
    EXPECT_EQ(fuzzy.Data().LegendBox().Option(), true);
}

TEST_F(FuzzyWindow, NoLayersGiveAnEmptyChartOnAnAxisOfZero) {
    Sounding(0.5f); // too short for the grid
    auto& w = OpenFuzzy("0 3");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, " Soil Layer Message");
    EXPECT_FALSE(w.IsLoaded());
    ASSERT_EQ(Decl().grid.NumLayers, 0);
    w.SoilPlot(Chart(w, 3));
    EXPECT_EQ(Chart(w, 3).Data().AxisList(1).AxisMax(), 0.0);
    EXPECT_EQ(Chart(w, 3).Data().PointCount(), 0);

    // A grid whose arrays do not hold its layer count draws no point either.
    Decl().grid.NumLayers = 12;
    w.SoilPlot(Chart(w, 3));
    EXPECT_EQ(Chart(w, 3).Data().PointCount(), 0);
}

TEST_F(FuzzyWindow, ReducedToolbarWithZoomAtItemSeven) {
    Sounding(20);
    auto& w = OpenFuzzy("0 1 2 3");
    EXPECT_EQ(w.findChild<QGroupBox*>("Frame1"), nullptr) << "no legend of soil types";
    platform::Toolbar& bar = *w.Toolbar1;
    ASSERT_EQ(bar.ItemCount(), 14);
    const std::pair<int, const char*> buttons[] = {{2, "Back      "},    {5, "Depth/Elevation"},
                                                   {7, "Zoom All     "}, {9, "Print All     "},
                                                   {11, "Export"},       {13, "Exit           "}};
    for (int item = 1; item <= 14; ++item) {
        const auto* b = std::find_if(std::begin(buttons), std::end(buttons),
                                     [&](const auto& p) { return p.first == item; });
        if (b == std::end(buttons))
            EXPECT_TRUE(bar.Item(item)->objectName().startsWith("placeholder")) << item;
        else
            EXPECT_EQ(bar.Item(item)->text(), b->second) << item;
    }
    EXPECT_EQ(bar.ButtonByKey("Next"), nullptr);
    EXPECT_EQ(bar.Item(7)->objectName(), "Zoom");

    Click(w, "Zoom");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Perform a 'Zoom' on one of the graphs before you 'Zoom All' .. ");
    EXPECT_EQ(bar.Item(7)->text(), "Zoom All    ");
    Chart(w, 0).DragZoom(5, 15);
    Click(w, "Zoom");
    EXPECT_EQ(bar.Item(7)->text(), "Zoom Out    ");
    double low = 0, high = 0;
    Chart(w, 2).Data().AxisList(0).AxisZoomRange(low, high);
    EXPECT_DOUBLE_EQ(low, 5);
    EXPECT_DOUBLE_EQ(high, 15);

    Click(w, "Print");
    ASSERT_EQ(printed->pages.size(), 1u);
    EXPECT_EQ(platform::CurrentPrinter().LastPage().charts.size(), 4u);

    Click(w, "Exit");
    EXPECT_EQ(endProgramCalls, 1);
    EXPECT_FALSE(Decl().history.Created);
    Click(w, "Back");
    ProcessEvents();
    EXPECT_FALSE(w.IsLoaded());
    EXPECT_TRUE(app->windows.IsLoaded("Frm_Select"));
}

TEST_F(FuzzyWindow, LoadWithManualLayersFlagStillGradesTheSounding) {
    Sounding(20);
    auto& w = OpenFuzzy("0 2 3");
    w.Unload();
    Sounding(30, HighRatioOnTop); // another sounding, read since
    Decl().project.GroundElev = 3.0f;
    Decl().selection.ManualFlag = true;
    w.Show();
    ProcessEvents();
    const LayerGrid& g = Decl().grid;
    ASSERT_EQ(g.NumLayers, 91);
    EXPECT_EQ(Chart(w, 3).Data().PointCount(), 91);
    EXPECT_NEAR(Decl().results.SoilIndexU[5],
                *SoilClassIndex(1.0f * static_cast<float>(kTsfToKgPerCm2), 30.0), 1e-4);
    EXPECT_EQ(g.LayerRatio[5], 20.0f);
    EXPECT_EQ(g.LayerElev[91], 3.0f - g.LayerDepth[91]);
    EXPECT_EQ(Chart(w, 0).Data().PointCount(), 91);
}
