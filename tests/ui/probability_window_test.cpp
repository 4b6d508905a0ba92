// The probability result window: the project particulars, the probabilities graded before
// the clean-up, the probability chart, the layout, every chart redrawn on a toggle, and its
// own Back and Exit keys.
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <optional>
#include <vector>

#include "engine/charts/CurveChartScale.h"
#include "engine/import/Units.h"
#include "platform/Printer.h"
#include "platform/Program.h"
#include "platform/Screen.h"
#include "platform/Toolbar.h"
#include "ui/results/Frm_Tumay01.h"
#include "ui/results/Frm_Tumay02.h"
#include "ui/support/ResultWindowFixture.h"
#include "ui/support/Soundings.h"
#include "ui/support/TestPrinter.h"

using namespace strelvan;
using platform::ChartFX;

namespace {

class ProbabilityWindow : public test::ResultWindowTest {
protected:
    void SetUp() override {
        ResultWindowTest::SetUp();
        Decl().selection.MethodCode = 1;
        test::LeveeProject(Decl());
        Decl().project.GroundElev = 8.5f;
    }
    Frm_Tumay01& OpenProbability(const std::string& order) { return Open<Frm_Tumay01>(order); }
};

// A qc of 0 at the top, a friction ratio of 30 % below it, then sand and silty soil.
std::pair<float, float> ZeroTipThenHighRatio(float depth) {
    if (depth < 1.0f)
        return {0.0f, 0.1f};
    if (depth < 5.0f)
        return {1.0f, 0.3f};
    return test::Layered(depth);
}

} // namespace

TEST_F(ProbabilityWindow, LoadShowsTheProjectAndTheProbabilitiesOfEveryLayer) {
    Sounding(30, ZeroTipThenHighRatio);
    auto& w = OpenProbability("0 1 2 3");
    EXPECT_EQ(w.windowTitle(),
              " Classification using: Zhang & Tumay (1999) - File: C:/soundings/levee-7.txt");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(w.TxtElevation->text(), "8.5");
    EXPECT_EQ(w.TxtCPTNo->text(), "7");
    QStringList labels;
    for (const QLabel* l : w.Frame1->findChildren<QLabel*>())
        labels << l->text();
    EXPECT_EQ(labels, QStringList({"Project No:", "Project Title:", "Parish:", "Date:", "CPT No:",
                                   "Station:", "Offset:", "Elevation:", "Latit.:", "Longit.:"}));
    EXPECT_EQ(w.findChild<ChartFX*>("ChartFX(4)"), nullptr);

    // The clean-up after the grading: qc of 0 raised to 1 kg/cm2 by the classifier, the
    // ratio capped at 20, the elevations from the ground elevation.
    const LayerGrid& g = Decl().grid;
    const int n = g.NumLayers;
    ASSERT_EQ(n, 91);
    EXPECT_NEAR(g.LayerQc[2], 1.0 / kTsfToKgPerCm2, 1e-5);
    EXPECT_EQ(g.LayerRatio[5], 20.0f);
    EXPECT_EQ(g.LayerElev[n], 8.5f - g.LayerDepth[static_cast<std::size_t>(n)]);
    EXPECT_EQ(w.AxisMode(), 1);

    // Three curves that add up to 100 % at every depth, the deepest layer first.
    ChartFX& prob = Chart(w, 3);
    EXPECT_EQ(prob.Data().Look(), platform::ChartLook::DepthCurves);
    ASSERT_EQ(prob.Data().SeriesCount(), 3);
    ASSERT_EQ(prob.Data().PointCount(), n);
    for (int i = 0; i < n; ++i) {
        double sum = 0;
        for (int s = 0; s < 3; ++s) {
            ASSERT_EQ(prob.Data().SeriesList(s).PointXValue(i),
                      g.LayerDepth[static_cast<std::size_t>(n - i)]);
            sum += *prob.Data().SeriesList(s).PointValue(i);
        }
        ASSERT_NEAR(sum, 100.0, 1e-3) << i;
    }
    EXPECT_EQ(prob.Data().SeriesList(0).PointValue(0),
              Decl().results.ProbSand[static_cast<std::size_t>(n)]);
    EXPECT_EQ(prob.Data().SeriesList(2).PointValue(n - 5), Decl().results.ProbClay[5]);
    EXPECT_FLOAT_EQ(*prob.Data().SeriesList(2).PointValue(n - 5), 97.81f) << "clay above 5 ft";
    EXPECT_EQ(prob.Data().SeriesList(0).SeriesLegend(), "% Sand");
    EXPECT_EQ(prob.Data().SeriesList(1).SeriesLegend(), "% Silt");
    EXPECT_EQ(prob.Data().SeriesList(2).SeriesLegend(), "% Clay");
    EXPECT_EQ(prob.Data().TitleText(2), " Probability of Soil Types - Zhang&Tumay'99");
    EXPECT_EQ(prob.Data().AxisList(0).AxisMin(), 0.0);
    EXPECT_EQ(prob.Data().AxisList(0).AxisMax(), 100.0);
    EXPECT_EQ(prob.Data().LegendBox().Width(), LegendBoxWidth(platform::TwipsPerPixelY()));
    EXPECT_EQ(prob.Data().LegendBox().Option(), false);
    EXPECT_EQ(prob.Data().LegendBox().Setting(), 256);

    // The toolbar as stored: Zoom at item 7.
    platform::Toolbar& bar = *w.Toolbar1;
    ASSERT_EQ(bar.ItemCount(), 14);
    const std::pair<int, const char*> buttons[] = {{2, "Back      "},    {5, "Depth/Elevation"},
                                                   {7, "Zoom All     "}, {9, "Print All      "},
                                                   {11, "Export   "},    {13, "Exit            "}};
    for (const auto& [item, caption] : buttons)
        EXPECT_EQ(bar.Item(item)->text(), caption) << item;
    EXPECT_EQ(bar.Item(7)->toolTip(), "Zoom all graphs");
    EXPECT_EQ(bar.ButtonByKey("Next"), nullptr);
}

TEST_F(ProbabilityWindow, LayoutOffsetsAndEveryChartRedrawnOnAToggle) {
    Sounding(30);
    auto& w = OpenProbability("3");
    EXPECT_EQ(w.ChartCount, 1);
    EXPECT_EQ(w.ChartLeft(3), 250);
    Decl().selection.ChartOrder = "0 1 3 2";
    w.SelectChart();
    const int W = w.ChartWidth;
    EXPECT_GT(W, 100);
    EXPECT_EQ(w.ChartSlot, (ChartSlots{0, 1, 3, 2}));
    EXPECT_EQ(w.ChartLeft(0), 70);
    EXPECT_EQ(w.ChartLeft(1), W + 90);
    EXPECT_EQ(w.ChartLeft(3), 2 * W + 100);
    EXPECT_EQ(w.ChartLeft(2), 3 * W + 150);

    // Toggle: the profiles against elevation, the probabilities drawn again by depth.
    Chart(w, 3).TitleText(2, "stale");
    Click(w, "YAxis");
    EXPECT_EQ(w.AxisMode(), -1);
    EXPECT_EQ(Chart(w, 0).Data().AxisList(0).AxisTitle(), "Elevation (ft)");
    EXPECT_EQ(Chart(w, 1).Data().SeriesList(0).PointValue(0), 8.5f - Decl().grid.LayerDepth[1]);
    EXPECT_EQ(Chart(w, 3).Data().TitleText(2), " Probability of Soil Types - Zhang&Tumay'99");
    EXPECT_EQ(Chart(w, 3).Data().SeriesList(1).PointXValue(0),
              Decl().grid.LayerDepth[static_cast<std::size_t>(Decl().grid.NumLayers)]);
    Click(w, "YAxis");
    EXPECT_EQ(Chart(w, 0).Data().AxisList(0).AxisTitle(), "Depth (ft)");
    EXPECT_TRUE(messages.empty());
}

TEST_F(ProbabilityWindow, NoGroundElevationLeavesTheBoxEmptyAndTheAxisAsItIs) {
    Sounding(20);
    auto& w = OpenProbability("0 3");
    ASSERT_EQ(w.TxtElevation->text(), "8.5");
    w.Unload(); // closed by its frame: the instance stays
    Decl().project.GroundElev = kNoElevation;
    w.Show();
    test::ExpectLeveeBoxes(w); // no elevation: not that of the last sounding
    Click(w, "YAxis");
    ExpectElevationRefused();
    EXPECT_EQ(w.AxisMode(), 1);
}

TEST_F(ProbabilityWindow, BackReleasesTheWindowAndExitClosesTheProfileWindowsToo) {
    Sounding(20);
    QPointer<Form> w = &OpenProbability("0 1 2 3");
    Click(static_cast<Frm_Tumay01&>(*w), "Zoom");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(static_cast<Frm_Tumay01&>(*w).Toolbar1->Item(7)->text(), "Zoom All    ");
    Click(static_cast<Frm_Tumay01&>(*w), "Back");
    ProcessEvents();
    EXPECT_TRUE(w.isNull()) << "released";
    EXPECT_EQ(app->windows.Find("Frm_Tumay01"), nullptr);
    EXPECT_TRUE(app->windows.IsLoaded("Frm_Select"));

    app->windows.Show("Frm_CPTData3");
    ASSERT_TRUE(app->windows.IsLoaded("Frm_CPTData3"));
    w = &OpenProbability("0 3");
    Click(static_cast<Frm_Tumay01&>(*w), "Exit");
    EXPECT_GE(endProgramCalls, 1);
    EXPECT_FALSE(Decl().history.Created);
    EXPECT_EQ(app->windows.Find("Frm_CPTData3"), nullptr);
    EXPECT_EQ(app->windows.Find("Frm_Tumay01"), nullptr);
    ProcessEvents();
    EXPECT_TRUE(w.isNull());
}

TEST_F(ProbabilityWindow, PrintPrintsWholeLegendsAndLeavesTheWindowAsItWas) {
    Sounding(30);
    auto& w = OpenProbability("3 0 1");
    w.resize(900, 600); // charts too narrow on screen for a legend beside a profile
    ProcessEvents();
    struct Look {
        std::optional<bool> option84;
        bool legendShown;
        int legendWidth;
        QRectF plot;
    };
    const auto looks = [&w] {
        std::vector<Look> all;
        for (int k = 0; k < Frm_Tumay01::kCharts; ++k)
            all.push_back({Chart(w, k).Data().ChartOption84(), Chart(w, k).Data().LegendShown(),
                           Chart(w, k).Data().LegendBox().Width(), Chart(w, k).PlotArea()});
        return all;
    };
    const std::vector<Look> before = looks();
    const QImage screen = w.grab().toImage();
    EXPECT_FALSE(before[0].legendShown);
    EXPECT_TRUE(before[3].legendShown);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    test::PrintToPdf(dir.filePath("page.pdf"), 600);
    Click(w, "Print");
    EXPECT_TRUE(messages.empty());
    // The charts on show in display order, each with its legend whole, the plots level.
    const platform::PrintedPage& page = platform::CurrentPrinter().LastPage();
    ASSERT_EQ(page.charts.size(), 3u);
    EXPECT_EQ(page.orientation, platform::kPrinterLandscape);
    const char* names[] = {"ChartFX(3)", "ChartFX(0)", "ChartFX(1)"};
    for (std::size_t k = 0; k < 3; ++k) {
        const platform::PrintedChart& c = page.charts[k];
        SCOPED_TRACE(c.chartName.toStdString());
        EXPECT_EQ(c.chartName, names[k]);
        EXPECT_TRUE(c.legendShown);
        EXPECT_TRUE(c.legendWhole);
        EXPECT_GT(c.plot.width(), 0.45 * (c.right - c.left));
        EXPECT_NEAR(c.plot.top(), page.charts[0].plot.top(), 0.005 * c.plot.height());
        EXPECT_NEAR(c.plot.bottom(), page.charts[0].plot.bottom(), 0.005 * c.plot.height());
    }

    // On screen nothing changed: no legend on the profiles, the same picture.
    const std::vector<Look> after = looks();
    for (int k = 0; k < Frm_Tumay01::kCharts; ++k) {
        SCOPED_TRACE(k);
        const auto i = static_cast<std::size_t>(k);
        EXPECT_EQ(after[i].option84, before[i].option84);
        EXPECT_EQ(after[i].legendShown, before[i].legendShown);
        EXPECT_EQ(after[i].legendWidth, before[i].legendWidth);
        // A hidden chart's plot area is laid out afresh when it is next shown.
        if (Chart(w, k).isVisible()) {
            EXPECT_EQ(after[i].plot, before[i].plot);
        }
    }
    EXPECT_TRUE(w.grab().toImage() == screen);
    EXPECT_FALSE(Chart(w, 2).isVisible()) << "a legend does not show a chart";
}

TEST_F(ProbabilityWindow, PrintedPlotsAreAsWideAsOnAResultPageOfTheSameSounding) {
    ASSERT_TRUE(test::ReadRealSoundingNamed(Decl(), "pileresponse-example-cptu.txt"));
    Decl().selection.MethodCode = 2;
    auto& result = Open<Frm_Tumay02>("0 1 2 3");
    Click(result, "Print");
    const std::vector<platform::PrintedChart> other = platform::CurrentPrinter().LastPage().charts;
    ASSERT_EQ(other.size(), 4u);
    Decl().selection.MethodCode = 1;
    auto& w = OpenProbability("0 1 2 3");
    Click(w, "Print");
    EXPECT_TRUE(messages.empty());
    const platform::PrintedPage& page = platform::CurrentPrinter().LastPage();
    ASSERT_EQ(page.charts.size(), 4u);
    for (std::size_t k = 0; k < 4; ++k) {
        const platform::PrintedChart& c = page.charts[k];
        SCOPED_TRACE(c.chartName.toStdString());
        EXPECT_EQ(c.left, other[k].left);
        EXPECT_EQ(c.right, other[k].right);
        // Each legend whole, under its plot: the plot as wide as the result page's, and all
        // four plots level.
        EXPECT_TRUE(c.legendShown);
        EXPECT_TRUE(c.legendWhole);
        EXPECT_GT(c.plot.width(), 0.95 * other[k].plot.width());
        EXPECT_GT(c.plot.width(), 0.75 * (c.right - c.left));
        EXPECT_NEAR(c.plot.top(), page.charts[0].plot.top(), 0.005 * c.plot.height());
        EXPECT_NEAR(c.plot.bottom(), page.charts[0].plot.bottom(), 0.005 * c.plot.height());
    }
}
