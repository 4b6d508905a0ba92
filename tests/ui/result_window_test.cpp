// The frame of the result windows on the Schmertmann window: loading and classifying, the
// side-by-side layout, the toolbar and the depth/elevation toggle.
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <algorithm>

#include "engine/charts/SoilTypeLegend.h"
#include "engine/classification/ChartZones.h"
#include "platform/LineControl.h"
#include "platform/Program.h"
#include "ui/support/ResultWindowFixture.h"
#include "ui/support/TestPrinter.h"

using namespace strelvan;
using platform::ChartFX;
using strelvan::test::ResultWindowTest;

namespace {

class ResultFrame : public ResultWindowTest {
protected:
    // The left-to-right order of the charts on show, by their place in the window.
    static std::vector<int> OnScreen(ResultWindow& w) {
        std::vector<int> shown;
        for (int k = 0; k < ResultWindow::kCharts; ++k)
            if (Chart(w, k).isVisible())
                shown.push_back(k);
        std::sort(shown.begin(), shown.end(),
                  [&](int a, int b) { return Chart(w, a).x() < Chart(w, b).x(); });
        return shown;
    }
};

} // namespace

TEST_F(ResultFrame, LoadClassifiesAndShowsCaptionLegendAndToolbar) {
    Sounding(30);
    auto& w = Open("0 1 2 3");
    EXPECT_EQ(w.windowTitle(),
              " Classification using: Schmertmann (1978) - File: C:/soundings/levee-7.txt");
    EXPECT_EQ(w.AxisMode(), 1);
    EXPECT_EQ(w.DrawnAxisMode, 1);
    EXPECT_EQ(platform::CurrentMousePointer(), platform::MousePointer::Default);

    // Every layer was cleaned and classified, layer 0 was not.
    const LayerGrid& g = Decl().grid;
    ASSERT_EQ(g.NumLayers, 91);
    EXPECT_EQ(Decl().results.TypeTumay02[0], 0);
    for (int k = 1; k <= g.NumLayers; ++k) {
        float qc = g.LayerQc[k], rf = g.LayerRatio[k];
        ASSERT_EQ(Decl().results.TypeTumay02[k], Tumay02Zone(qc, rf)) << k;
        ASSERT_NE(Decl().results.TypeTumay02[k], 0) << k;
    }

    // The legend: four boxes of four types with the colour of each type beside its name.
    ASSERT_NE(w.findChild<QGroupBox*>("Frame1"), nullptr);
    const auto legend = SchmertmannLegend();
    for (int b = 0; b < 4; ++b) {
        auto* box = w.findChild<QLabel*>(QStringLiteral("Text%1").arg(b + 1));
        ASSERT_NE(box, nullptr);
        const QStringList lines = box->text().split('\n');
        ASSERT_EQ(lines.size(), 4);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(lines[i].toStdString(), legend[static_cast<std::size_t>(4 * b + i)].text);
    }
    EXPECT_EQ(w.findChild<QLabel*>("Text1")->text().split('\n')[1], "2.  V. Soft Inorganic CLay");
    for (int k = 1; k <= 16; ++k) {
        auto* line = w.findChild<platform::LineControl*>(QStringLiteral("Line%1").arg(k));
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->BorderColor(), TypeColor(legend, k)) << k;
    }
    EXPECT_EQ(w.findChild<platform::LineControl*>("Line8")->BorderColor(), 0x7D7D7D);

    // The toolbar: keyed buttons at the even items, separators at the odd ones.
    platform::Toolbar& bar = *w.Toolbar1;
    ASSERT_EQ(bar.ItemCount(), 15);
    const char* keys[] = {"Back", "Next", "YAxis", "Zoom", "Print", "Export", "Exit"};
    const char* captions[] = {"Back      ",     " Manual Layers", "Depth/Elevation",
                              "Zoom All     ",  "Print All     ", "Export",
                              "Exit           "};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(bar.Item(2 * i + 2)->objectName(), keys[i]);
        EXPECT_EQ(bar.Item(2 * i + 2)->text(), captions[i]);
        EXPECT_TRUE(bar.Item(2 * i + 1)->objectName().startsWith("placeholder"));
    }
    EXPECT_EQ(bar.Item(4)->toolTip(), "Select Classification Method  ");
    EXPECT_EQ(bar.Item(6)->toolTip(), "Toggle between Depth/Elevation in Y Axis");
    EXPECT_TRUE(bar.Item(4)->isEnabled()) << "the soil-type chart is on show";
}

TEST_F(ResultFrame, ManualLayersWaitForASoilChart) {
    Sounding(20);
    auto& w = Open("0 1 2");
    EXPECT_FALSE(w.Toolbar1->Item(4)->isEnabled());
    Decl().selection.ChartOrder = "0 4";
    w.SelectChart();
    EXPECT_TRUE(w.Toolbar1->Item(4)->isEnabled());
}

TEST_F(ResultFrame, FourChartsInTheirSlots) {
    Sounding(30);
    auto& w = Open("0 1 3 4");
    w.SelectChart(); // with the width of a chart as the window is on show
    const int W = w.ChartWidth;
    EXPECT_EQ(W, Chart(w, 0).width());
    EXPECT_GT(W, 100);
    EXPECT_EQ(w.ChartCount, 4);
    EXPECT_EQ(w.ChartSlot, (std::array<int16_t, 4>{0, 1, 3, 4}));
    EXPECT_EQ(w.ChartLeft(0), 90);
    EXPECT_EQ(w.ChartLeft(1), W + 180);
    EXPECT_EQ(w.ChartLeft(3), 2 * W + 270);
    EXPECT_EQ(w.ChartLeft(4), 3 * W + 360);
    EXPECT_FALSE(Chart(w, 2).isVisible());
    EXPECT_FALSE(Chart(w, 5).isVisible());
    EXPECT_EQ(OnScreen(w), (std::vector<int>{0, 1, 3, 4}));
    // Four charts share the row evenly.
    for (int k : {1, 3, 4})
        EXPECT_NEAR(Chart(w, k).width(), W, 2);
}

TEST_F(ResultFrame, DisplayOrderIsKeptWhileChartsAreDrawnByDigit) {
    Sounding(30);
    auto& w = Open("3 0");
    w.SelectChart();
    const int W = w.ChartWidth;
    EXPECT_EQ(w.ChartCount, 2);
    EXPECT_EQ(w.ChartSlot[0], 3);
    EXPECT_EQ(w.ChartSlot[1], 0);
    EXPECT_EQ(w.ChartLeft(3), 200);
    EXPECT_EQ(w.ChartLeft(0), W + 300);
    EXPECT_EQ(OnScreen(w), (std::vector<int>{3, 0}));
    // Chart 0 was drawn before chart 3: the soil-type chart set the plot count last.
    EXPECT_EQ(Chart(w, 0).Data().PointCount(), Decl().grid.NumLayers);

    // One chart stands at 300 and keeps the width of one of four.
    Decl().selection.ChartOrder = "2";
    w.SelectChart();
    ProcessEvents();
    EXPECT_EQ(w.ChartCount, 1);
    EXPECT_EQ(w.ChartLeft(2), 300);
    EXPECT_EQ(OnScreen(w), (std::vector<int>{2}));
    EXPECT_LT(Chart(w, 2).width(), w.centralWidget()->width() / 3);
}

TEST_F(ResultFrame, ADigitTwiceIsShownOnce) {
    Sounding(30);
    auto& w = Open("0 3 2 4");
    EXPECT_EQ(w.ChartSlot, (std::array<int16_t, 4>{0, 3, 2, 4}));
    Decl().selection.ChartOrder = "1 1";
    w.SelectChart();
    ProcessEvents();
    EXPECT_EQ(w.ChartCount, 2);
    EXPECT_EQ(w.ChartSlot, (std::array<int16_t, 4>{1, 3, 2, 4})) << "slot 1 keeps its chart";
    EXPECT_EQ(OnScreen(w), (std::vector<int>{1}));

    // Orders of an even length or longer than seven lay out four slots.
    Decl().selection.ChartOrder = "3 0 1 2 4";
    w.SelectChart();
    EXPECT_EQ(w.ChartCount, 4);
    EXPECT_EQ(w.ChartSlot, (std::array<int16_t, 4>{3, 0, 1, 2}));
    EXPECT_FALSE(Chart(w, 4).isVisible());
}

TEST_F(ResultFrame, ManualLayersReplaceTheAutomaticTextWithoutClassifyingAgain) {
    Sounding(30);
    auto& w = Open("0 4 2");
    ASSERT_TRUE(Chart(w, 4).isVisible());
    w.ManualArray(1, 90, "Soft Clay", 60);
    w.ManualArray(2, 59, "Sand", 0);
    // The manual layer editor exports: the window is loaded again with the flag set.
    Decl().results.TypeTumay02[5] = 0; // a classification would set it again
    Decl().selection.ManualFlag = true;
    w.Unload();
    w.Show();
    ProcessEvents();
    EXPECT_EQ(Decl().selection.ChartOrder, "0 5 2");
    EXPECT_EQ(Decl().results.TypeTumay02[5], 0);
    EXPECT_FALSE(Chart(w, 4).isVisible());
    ASSERT_TRUE(Chart(w, 5).isVisible());
    EXPECT_EQ(w.ChartSlot[1], 5);
    ASSERT_EQ(Labels(Chart(w, 5)).size(), 2u);
    EXPECT_EQ(Labels(Chart(w, 5))[0]->Text(), "Soft Clay");
    EXPECT_EQ(Positions(Lines(Chart(w, 5))), (std::vector<double>{60, 0}));
}

TEST_F(ResultFrame, ARatioAboveSixIsClassifiedAsFiveNinetyNineAndShownAsItIs) {
    Sounding(20, [](float d) -> std::pair<float, float> {
        return d < 10.0f ? std::pair{10.0f, 0.8f} : std::pair{25.0f, 1.5f};
    });
    auto& w = Open("2 3");
    const LayerGrid& g = Decl().grid;
    ChartFX& ratio = Chart(w, 2);
    EXPECT_FLOAT_EQ(g.LayerRatio[10], 8.0f);
    EXPECT_EQ(ratio.Data().SeriesList(0).PointXValue(9), g.LayerRatio[10])
        << "not the chart's 5.99";
    EXPECT_EQ(Decl().results.TypeTumay02[10], 1) << "organic clay, as at 5.99";
    EXPECT_EQ(ratio.Data().SeriesList(0).PointXValue(49), 6.0f);
}

TEST_F(ResultFrame, ToggleRedrawsOnlyTheProfilesAgainstElevation) {
    Sounding(30);
    Decl().project.GroundElev = 12.5f;
    auto& w = Open("0 3 4 2");
    const LayerGrid& g = Decl().grid;
    const int n = g.NumLayers;
    const auto textLists = Chart(w, 4).Data().Annotations();
    ASSERT_FALSE(textLists.empty());
    const std::optional<double> soilDepth = Chart(w, 3).Data().SeriesList(0).PointXValue(0);

    Click(w, "YAxis");
    EXPECT_EQ(w.AxisMode(), -1);
    EXPECT_EQ(w.DrawnAxisMode, 1);
    ChartFX& tip = Chart(w, 0);
    EXPECT_EQ(tip.Data().AxisList(0).AxisTitle(), "Elevation (ft)");
    EXPECT_EQ(tip.Data().SeriesList(0).PointValue(0), 12.5f - g.LayerDepth[1]);
    EXPECT_EQ(tip.Data().AxisList(0).AxisMax(), g.LayerElev[1]);
    EXPECT_EQ(tip.Data().AxisList(0).AxisMin(), g.LayerElev[static_cast<std::size_t>(n)]);
    EXPECT_EQ(Chart(w, 2).Data().SeriesList(0).PointValue(n - 1),
              g.LayerElev[static_cast<std::size_t>(n)]);
    // The soil-type and text charts keep their drawing and their slots.
    EXPECT_EQ(Chart(w, 4).Data().Annotations(), textLists);
    EXPECT_EQ(Chart(w, 3).Data().SeriesList(0).PointXValue(0), soilDepth);
    EXPECT_EQ(w.ChartSlot, (std::array<int16_t, 4>{0, 3, 4, 2}));
    EXPECT_TRUE(Chart(w, 4).isVisible());

    // Back to depth: from now on the two modes always differ, so only profiles are redrawn.
    Click(w, "YAxis");
    EXPECT_EQ(w.AxisMode(), 1);
    EXPECT_EQ(w.DrawnAxisMode, -1);
    EXPECT_EQ(tip.Data().AxisList(0).AxisTitle(), "Depth (ft)");
    EXPECT_EQ(Chart(w, 4).Data().Annotations(), textLists);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ResultFrame, ChartsOfAnEmptyGridDrawNothing) {
    Sounding(20);
    auto& w = Open("0 3 4");
    w.ManualArray(1, 50, "Sand", 20);
    ASSERT_GT(Chart(w, 0).Data().PointCount(), 0);
    ASSERT_FALSE(Chart(w, 4).Data().Annotations().empty());
    // Back with manual layers to a grid that another window could not set up, with arrays
    // that do not hold its layer count: nothing of the earlier drawings stays on show.
    const int32_t generation = Decl().grid.Generation;
    Decl().grid = LayerGrid{};
    Decl().grid.NumLayers = 5;
    Decl().grid.Generation = generation;
    Decl().selection.ManualFlag = true;
    w.Unload();
    w.Show();
    ProcessEvents();
    EXPECT_EQ(Decl().selection.ChartOrder, "0 3 5");
    for (int k : {0, 3, 5}) {
        EXPECT_TRUE(Chart(w, k).isVisible()) << k;
        EXPECT_EQ(Chart(w, k).Data().PointCount(), 0) << k;
    }
    EXPECT_TRUE(Chart(w, 5).Data().Annotations().empty());
}

TEST_F(ResultFrame, ToolbarKeys) {
    Sounding(20);
    auto& w = Open("0 1 2 3");
    Click(w, "Next");
    EXPECT_TRUE(app->windows.IsLoaded("Frm_Manual"));
    Click(w, "Export");
    EXPECT_TRUE(app->windows.IsLoaded("Frm_Export"));
    Click(w, "Print");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(printed->pages.size(), 1u);
    EXPECT_TRUE(w.IsLoaded());

    Click(w, "Exit");
    EXPECT_EQ(endProgramCalls, 1);
    EXPECT_FALSE(Decl().history.Created);
    EXPECT_TRUE(w.IsLoaded()) << "the program ends at once, no window is unloaded first";

    Click(w, "Back");
    ProcessEvents();
    EXPECT_FALSE(w.IsLoaded());
    EXPECT_TRUE(app->windows.IsLoaded("Frm_Select"));
}
