// The result windows of the Robertson et al. (1986) and Douglas and Olsen (1981) charts: their
// captions, legends and chart titles, the classification of the corrected tip resistance in
// MPa with the charts' friction-ratio limits kept in the layers, and a load with manual
// layers in force.
#include <QGroupBox>
#include <QLabel>

#include "engine/charts/SoilTypeLegend.h"
#include "engine/classification/ChartZones.h"
#include "engine/classification/LayerGrid.h"
#include "engine/classification/LayerSoilTypes.h"
#include "platform/LineControl.h"
#include "platform/Printer.h"
#include "platform/Text.h"
#include "ui/results/Frm_Olsen.h"
#include "ui/results/Frm_Robert86.h"
#include "ui/support/ResultWindowFixture.h"
#include "ui/support/Soundings.h"
#include "ui/support/TestPrinter.h"

using namespace strelvan;
using platform::ChartFX;
using strelvan::test::ResultWindowTest;

namespace {

constexpr int32_t kBlue = 0xFF0000;
constexpr float kTenMPa = 104.4277f; // ton/ft2

// What sets a window of the family apart, as the user sees it.
struct Look {
    int16_t method;
    std::vector<int16_t> ClassResults::*types;
    QString caption;
    std::span<const SoilTypeLegendEntry> legend;
    QString frame, box, line;
    int boxes;
    QString soilTitle, textTitle;
    double axisMax;
    std::optional<int16_t> axisSetting;
};

const Look kRobertson{3,
                      &ClassResults::TypeRobert86,
                      " Classification using: Robertson et al. (1986) - File: ",
                      Robertson86Legend(),
                      "Frame1",
                      "Text%1",
                      "Line%1",
                      4,
                      "Soil Types - Robertson'86",
                      "Soil Types - Robertson'86",
                      12,
                      std::nullopt};
const Look kOlsen{4,
                  &ClassResults::TypeOlsen,
                  " Classification using: Douglas and Olsen - File: ",
                  OlsenLegend(),
                  "Frame4",
                  "txtboxOlsenType(%1)",
                  "OlsenLine(%1)",
                  4,
                  "Soil Types - Douglas & Olsen",
                  "Soil Types - Douglas and Olsen",
                  4,
                  0};

class MetricResultWindows : public ResultWindowTest {
protected:
    // From this depth down the readings carry a tip resistance of 10 MPa corrected by the
    // pore pressure of a u2 column, whatever their qc.
    void CorrectedTipOfTenMPaFrom(float depth) {
        ConeData& cone = Decl().cone;
        cone.PoreType2 = 2;
        for (int i = 1; i <= cone.NumPoints; ++i)
            if (cone.Depth[static_cast<std::size_t>(i)] >= depth)
                cone.Qt[static_cast<std::size_t>(i)] = kTenMPa;
    }

    // The layer keeps its friction ratio, whatever the chart's limits, and the ratio profile
    // (point layer - 1) shows it.
    void ExpectRatioShown(ResultWindow& w, int layer, float ratio) {
        EXPECT_FLOAT_EQ(Decl().grid.LayerRatio[static_cast<std::size_t>(layer)], ratio) << layer;
        EXPECT_EQ(Chart(w, 2).Data().SeriesList(0).PointXValue(layer - 1),
                  Decl().grid.LayerRatio[static_cast<std::size_t>(layer)])
            << layer;
    }

    template <class F> void ExpectLook(const Look& look) {
        Sounding(40);
        auto& w = Open<F>("3 4");
        EXPECT_EQ(w.windowTitle(), look.caption + "C:/soundings/levee-7.txt");

        // The legend: the names in their boxes, a colour line beside each.
        ASSERT_NE(w.template findChild<QGroupBox*>(look.frame), nullptr);
        const int perBox = static_cast<int>(look.legend.size()) / look.boxes;
        for (int b = 0; b < look.boxes; ++b) {
            auto* box = w.template findChild<QLabel*>(look.box.arg(b + 1));
            ASSERT_NE(box, nullptr) << b;
            const QStringList lines = box->text().split('\n');
            ASSERT_EQ(lines.size(), perBox);
            for (int i = 0; i < perBox; ++i)
                EXPECT_EQ(S(lines[i]), look.legend[static_cast<std::size_t>(perBox * b + i)].text);
        }
        const int types = static_cast<int>(look.legend.size());
        for (int k = 1; k <= types; ++k) {
            auto* line = w.template findChild<platform::LineControl*>(look.line.arg(k));
            ASSERT_NE(line, nullptr) << k;
            EXPECT_EQ(line->BorderColor(), TypeColor(look.legend, k)) << k;
        }
        EXPECT_EQ(w.template findChild<platform::LineControl*>(look.line.arg(types + 1)), nullptr);

        // The soil-type chart: the window's own types, the deepest layer first.
        const LayerGrid& g = Decl().grid;
        const int n = g.NumLayers;
        const std::vector<int16_t>& type = Decl().results.*look.types;
        EXPECT_EQ(Decl().results.TypeTumay02, std::vector<int16_t>(type.size(), 0));
        ChartFX& soil = Chart(w, 3);
        EXPECT_EQ(soil.Data().TitleText(2), look.soilTitle);
        EXPECT_EQ(soil.Data().TitleColor(2), kBlue);
        EXPECT_EQ(soil.Data().AxisList(0).AxisMin(), 0.0);
        EXPECT_EQ(soil.Data().AxisList(0).AxisMax(), look.axisMax);
        EXPECT_EQ(soil.Data().AxisList(1).AxisMax(), look.axisMax);
        EXPECT_EQ(soil.Data().AxisList(0).AxisSetting(), look.axisSetting);
        ASSERT_EQ(soil.Data().PointCount(), n);
        EXPECT_EQ(soil.Data().SeriesList(0).PointXValue(0),
                  g.LayerDepth[static_cast<std::size_t>(n)]);
        for (int i = 0; i < n; ++i) {
            const auto k = static_cast<std::size_t>(n - i);
            ASSERT_GE(type[k], 1) << k;
            ASSERT_EQ(soil.Data().SeriesList(0).PointValue(i), type[k]) << i;
            ASSERT_EQ(soil.Data().PointColor(i), TypeColor(look.legend, type[k])) << i;
        }

        // The layer texts, automatic and manual, described by the window's own method.
        ChartFX& text = Chart(w, 4);
        EXPECT_EQ(text.Data().TitleText(2), look.textTitle);
        ChartSelection selection = Decl().selection;
        ASSERT_NE(selection.MethodCode, look.method);
        selection.MethodCode = look.method;
        const auto labels = Labels(text);
        ASSERT_EQ(labels.size(), 12u);
        for (int j = 0; j < 12; ++j)
            EXPECT_EQ(S(labels[static_cast<std::size_t>(j)]->Text()),
                      LayerSoilTypes(static_cast<int16_t>(10 * j + 1),
                                     static_cast<int16_t>(10 * j + 10), Decl().results, selection));
        w.ManualArray(1, 100, "Fill", 90);
        w.ManualText(Chart(w, 5));
        EXPECT_EQ(Chart(w, 5).Data().TitleText(2), look.textTitle);
    }

    // Back with manual layers: shown on the grid they were set on, without classifying; after
    // another window has set up the layer grid, the window classifies it afresh instead.
    template <class F> void ExpectManualLoad(const Look& look) {
        Sounding(30);
        auto& w = Open<F>("0 4");
        w.ManualArray(1, 90, "Soft Clay", 60);
        w.ManualArray(2, 59, "Sand", 0);
        std::vector<int16_t>& types = Decl().results.*look.types;
        Decl().selection.ManualFlag = true;
        Decl().selection.ChartOrder = "0 3 4";
        types[5] = 0; // a classification would set it again
        w.Unload();
        w.Show();
        ProcessEvents();
        EXPECT_EQ(Decl().selection.ChartOrder, "0 3 5");
        EXPECT_EQ(types[5], 0) << "no classification ran";
        const auto labels = Labels(Chart(w, 5));
        ASSERT_EQ(labels.size(), 2u);
        EXPECT_EQ(labels[1]->Text(), "Sand");
        EXPECT_EQ(Chart(w, 5).Data().TitleText(2), look.textTitle);

        // Another window sets the grid up anew.
        Declarations& d = Decl();
        ASSERT_TRUE(InitIntervalArrays(d.cone, d.grid, d.results, d.props).ok);
        ASSERT_TRUE(AverageLayers(d.cone, d.grid).ok);
        ASSERT_EQ(types, std::vector<int16_t>(types.size(), 0));
        Decl().selection.ChartOrder = "0 3 4";
        w.Unload();
        w.Show();
        ProcessEvents();
        EXPECT_EQ(Decl().selection.ChartOrder, "0 3 4");
        EXPECT_GE(types[5], 1) << "classified afresh";
        ChartFX& soil = Chart(w, 3);
        ASSERT_EQ(soil.Data().PointCount(), Decl().grid.NumLayers);
        EXPECT_EQ(soil.Data().SeriesList(0).PointValue(0),
                  types[static_cast<std::size_t>(Decl().grid.NumLayers)]);
        EXPECT_FALSE(Chart(w, 5).isVisible());
        EXPECT_TRUE(Chart(w, 4).isVisible());
        EXPECT_FALSE(Labels(Chart(w, 4)).empty());
    }
};

} // namespace

TEST_F(MetricResultWindows, RobertsonCaptionLegendAndCharts) {
    ExpectLook<Frm_Robert86>(kRobertson);
    auto* box = Window<Frm_Robert86>().findChild<QLabel*>("Text1");
    EXPECT_EQ(box->text(), "1.  Sensetive Fines Grained\n2.  Organic Material\n3.  Clay");
    EXPECT_EQ(box->font().family(), "Arial");
}

TEST_F(MetricResultWindows, OlsenCaptionLegendAndCharts) {
    ExpectLook<Frm_Olsen>(kOlsen);
}

TEST_F(MetricResultWindows, RobertsonClassifiesTheCorrectedTipAndShowsTheLayerRatios) {
    Sounding(40, [](float d) -> std::pair<float, float> {
        if (d < 10.0f)
            return {10.0f, 0.9f}; // ratio 9
        if (d < 20.0f)
            return {25.0f, 2.0f}; // ratio 8
        if (d < 30.0f)
            return {kTenMPa, kTenMPa / 100.0f}; // 10 MPa at ratio 1: sand to silty sand
        return {10.0f, 0.1f};
    });
    CorrectedTipOfTenMPaFrom(30.0f);
    auto& w = Open<Frm_Robert86>("2 3");
    const LayerGrid& g = Decl().grid;
    const auto& zones = Decl().results.TypeRobert86;
    const int n = g.NumLayers;
    ASSERT_EQ(n, 121);
    ExpectRatioShown(w, 10, 9.0f); // not the chart's 7.9
    ExpectRatioShown(w, 50, 8.0f);
    const float at = 10.0f / 10.44277f;
    EXPECT_EQ(zones[10], Robert86Zone(at, 7.9f)) << "classified as 7.9";

    // Zone 8 in the colour of its legend line.
    const int32_t red = 255 | 40 << 8 | 4 << 16;
    ASSERT_EQ(zones[80], 8);
    EXPECT_EQ(Chart(w, 3).Data().PointColor(n - 80), red);
    EXPECT_EQ(w.findChild<platform::LineControl*>("Line8")->BorderColor(), red);

    // The corrected tip resistance is classified, and left as the averaging gave it.
    ASSERT_FLOAT_EQ(g.LayerQt[100], kTenMPa);
    EXPECT_EQ(g.LayerQc[100], 10.0f);
    EXPECT_EQ(zones[100], 8);
    float qc = 10.0f / 10.44277f, rf = g.LayerRatio[100];
    EXPECT_NE(Robert86Zone(qc, rf), 8) << "the layer's qc lies in another zone";
}

TEST_F(MetricResultWindows, OlsenClassifiesTheCorrectedTipAndShowsTheLayerRatios) {
    Sounding(30, [](float d) -> std::pair<float, float> {
        if (d < 10.0f)
            return {10.0f, 0.7f}; // ratio 7
        if (d < 20.0f)
            return {30.0f, 0.0f}; // ratio 0
        return {10.0f, 0.1f};
    });
    CorrectedTipOfTenMPaFrom(20.0f);
    auto& w = Open<Frm_Olsen>("2 3");
    ExpectRatioShown(w, 10, 7.0f);
    ExpectRatioShown(w, 50, 0.0f);
    EXPECT_EQ(Decl().results.TypeOlsen[10], OlsenZone(10.0f / 10.44277f, 5.95f));
    EXPECT_EQ(Decl().results.TypeOlsen[50], OlsenZone(30.0f / 10.44277f, 0.11f));
    // Sand at 10 MPa, where the layer's qc of 10 ton/ft2 would be clay.
    EXPECT_EQ(Decl().results.TypeOlsen[80], 4);
    EXPECT_EQ(Chart(w, 3).Data().PointColor(Decl().grid.NumLayers - 80), 255 | 255 << 8);
}

TEST_F(MetricResultWindows, ManualLayersLoadOnlyOnTheGridTheyWereSetOn) {
    {
        SCOPED_TRACE("Robertson");
        ExpectManualLoad<Frm_Robert86>(kRobertson);
    }
    app->windows.UnloadAndRelease("Frm_Tumay02");
    Decl().selection.ManualFlag = false;
    {
        SCOPED_TRACE("Douglas and Olsen");
        ExpectManualLoad<Frm_Olsen>(kOlsen);
    }
}

TEST_F(MetricResultWindows, PrintKeyPrintsTheChartsOnShowInDisplayOrder) {
    Sounding(40);
    test::LeveeProject(Decl());
    auto& w = Open<Frm_Robert86>("3 0 4");
    printed = test::PrintToImages(100);
    Click(w, "Print");
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(printed->pages.size(), 1u);
    const QImage& sheet = printed->pages[0];
    const platform::PrintedPage& page = platform::CurrentPrinter().LastPage();
    EXPECT_EQ(page.orientation, platform::kPrinterLandscape);
    ASSERT_FALSE(page.texts.empty());
    EXPECT_EQ(page.texts[1].text, "LA-1024");
    const auto names = [](const platform::PrintedPage& p) {
        QStringList charts;
        for (const platform::PrintedChart& c : p.charts)
            charts << c.chartName;
        return charts;
    };
    EXPECT_EQ(names(page), QStringList({"ChartFX(3)", "ChartFX(0)", "ChartFX(4)"}));
    // The clay at the top of the sounding is drawn in its zone's colour on the leftmost chart.
    const int16_t top = Decl().results.TypeRobert86[1];
    const QColor zone = platform::ChartColor(TypeColor(Robertson86Legend(), top));
    int coloured = 0;
    const platform::PrintedChart& soil = page.charts[0];
    for (int y = soil.top; y < soil.bottom; ++y)
        for (int x = soil.left; x < soil.right; ++x)
            coloured += sheet.pixelColor(printed->origin + QPoint(x, y)) == zone ? 1 : 0;
    EXPECT_GT(coloured, 500) << "zone " << top;

    // Two charts on show: a portrait page with those two only, though slot 2 still names the
    // text chart of the earlier layout.
    Decl().selection.ChartOrder = "2 3";
    w.SelectChart();
    ASSERT_EQ(w.ChartSlot[2], 4);
    Click(w, "Print");
    ASSERT_EQ(printed->pages.size(), 2u);
    const platform::PrintedPage& second = platform::CurrentPrinter().LastPage();
    EXPECT_EQ(second.orientation, platform::kPrinterPortrait);
    EXPECT_EQ(names(second), QStringList({"ChartFX(2)", "ChartFX(3)"}));
    EXPECT_TRUE(messages.empty());
}
