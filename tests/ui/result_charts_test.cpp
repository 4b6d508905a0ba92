// The charts of the result windows: the layer-grid profiles, the soil-type chart and the
// layer texts, asserted on what the charts hold and where their labels and lines stand.
#include <QImage>
#include <QPainter>
#include <cmath>

#include "engine/charts/SoilTypeLegend.h"
#include "engine/classification/LayerSoilTypes.h"
#include "platform/Printer.h"
#include "platform/Text.h"
#include "ui/charts/Frm_CPTData3.h"
#include "ui/results/ConeProfilePlot.h"
#include "ui/support/ResultWindowFixture.h"
#include "ui/support/Soundings.h"

using namespace strelvan;
using platform::ChartFX;
using strelvan::test::ResultWindowTest;

namespace {

constexpr int32_t kBlue = 0xFF0000;
using test::kTsf;

// A grid of n layers 0.328 ft apart with values that tell the layers apart.
LayerGrid MadeGrid(int n) {
    LayerGrid g;
    g.NumLayers = static_cast<int16_t>(n);
    for (auto* a : {&g.LayerDepth, &g.LayerQc, &g.LayerFs, &g.LayerQt, &g.LayerRatio, &g.LayerElev})
        a->assign(static_cast<std::size_t>(n) + 1, -1.0f);
    for (int k = 1; k <= n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        g.LayerDepth[i] = 0.328f * static_cast<float>(k) - 0.164f;
        g.LayerElev[i] = 20.0f - g.LayerDepth[i];
        g.LayerQc[i] = 100.0f + k;
        g.LayerFs[i] = 1.0f + k / 100.0f;
        g.LayerRatio[i] = 2.0f + k / 10.0f;
    }
    return g;
}

// Whether a blue line crosses column x within two pixels of height y.
bool BlueNear(const QImage& image, int x, double y) {
    const int row = static_cast<int>(std::lround(y));
    for (int dy = -2; dy <= 2; ++dy) {
        if (row + dy < 0 || row + dy >= image.height())
            continue;
        const QColor c = image.pixelColor(x, row + dy);
        if (c.blue() > 150 && c.red() < 100 && c.green() < 100)
            return true;
    }
    return false;
}

class ResultCharts : public ResultWindowTest {
protected:
    // The texts of the labels on a chart, in the order they were added.
    QStringList LabelTexts(const ChartFX& c) {
        QStringList texts;
        for (const auto* o : Labels(c))
            texts << o->Text();
        return texts;
    }
};

} // namespace

TEST_F(ResultCharts, ProfilesOfTheLayerGrid) {
    const LayerGrid g = MadeGrid(40);
    struct Kind {
        QString title;
        int32_t color;
        QString legend;
        const std::vector<float>* values;
    };
    const Kind kinds[] = {
        {" Tip Resistance (" + kTsf + ") ", kBlue, "Tip Resistance [qc].", &g.LayerQc},
        {" Sleeve Resistance (" + kTsf + ") ", 0, " Sleeve Resistance [fs] ", &g.LayerFs},
        {" Sleeve/Tip Ratio (%) ", 0x0000FF, " [Sleeve/tip] Ratio ", &g.LayerRatio}};
    for (int16_t mode : {1, -1}) {
        for (int16_t kind = 0; kind < 3; ++kind) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << " kind " << kind);
            ChartFX chart;
            ConeProfilePlot(kind, chart, g, mode);
            const Kind& k = kinds[kind];
            const std::vector<float>& position = mode == 1 ? g.LayerDepth : g.LayerElev;
            EXPECT_EQ(chart.Data().TitleText(2), k.title);
            EXPECT_EQ(chart.Data().TitleColor(2), k.color);
            EXPECT_EQ(chart.Data().SeriesList(0).SeriesLegend(), k.legend);
            EXPECT_EQ(chart.Data().ChartSetting7(), 50);
            EXPECT_EQ(chart.Data().ChartSetting6(), 20);
            EXPECT_EQ(chart.Data().ChartSetting16(), 2);
            EXPECT_EQ(chart.Data().AxisList(0).AxisFontSize(), 10);
            EXPECT_EQ(chart.Data().AxisList(0).AxisTitle(), kind != 0   ? ""
                                                            : mode == 1 ? "Depth (ft)"
                                                                        : "Elevation (ft)");
            ASSERT_EQ(chart.Data().PointCount(), 40);
            // Point p is layer p + 1; layer 0 is never drawn.
            for (int p = 0; p < 40; ++p) {
                ASSERT_EQ(chart.Data().SeriesList(0).PointValue(p), position[p + 1]);
                ASSERT_EQ(chart.Data().SeriesList(0).PointXValue(p), (*k.values)[p + 1]);
            }
            // The axis runs from the first layer to the last one drawn.
            EXPECT_EQ(chart.Data().AxisList(0).AxisMax(), position[1]);
            EXPECT_EQ(chart.Data().AxisList(0).AxisMin(), position[40]);
            EXPECT_EQ(chart.Data().AxisList(2).AxisStep(), std::nullopt);
            EXPECT_FALSE(chart.Data().DataOpen(platform::kChartValues));
            EXPECT_FALSE(chart.Data().DataOpen(platform::kChartXValues));
        }
    }
}

TEST_F(ResultCharts, AnotherChartKindOpensAndClosesTheDataOnly) {
    const LayerGrid g = MadeGrid(12);
    ChartFX chart;
    ConeProfilePlot(0, chart, g, 1);
    ConeProfilePlot(3, chart, g, 1);
    EXPECT_FALSE(chart.Data().DataOpen(platform::kChartValues));
    EXPECT_FALSE(chart.Data().DataOpen(platform::kChartXValues));
    EXPECT_EQ(chart.Data().PointCount(), 12);
    EXPECT_EQ(chart.Data().SeriesList(0).PointValue(0), std::nullopt);
}

TEST_F(ResultCharts, AGridWithoutLayersEmptiesTheProfile) {
    ChartFX chart;
    LayerGrid g = MadeGrid(12);
    ConeProfilePlot(1, chart, g, 1);
    ASSERT_EQ(chart.Data().PointCount(), 12);
    for (int16_t layers : {0, 13}) { // none, or more than the arrays hold
        g.NumLayers = layers;
        ConeProfilePlot(1, chart, g, 1);
        EXPECT_EQ(chart.Data().PointCount(), 0);
    }
}

TEST_F(ResultCharts, SoilTypesFromTheDeepestLayerUpInTheirColours) {
    Sounding(30);
    auto& w = Open("3");
    const LayerGrid& g = Decl().grid;
    const int n = g.NumLayers;
    ChartFX& soil = Chart(w, 3);
    EXPECT_EQ(soil.Data().TitleText(2), "Soil Types - Schmertmann'78");
    EXPECT_EQ(soil.Data().TitleColor(2), kBlue);
    EXPECT_EQ(soil.Data().AxisList(0).AxisMin(), 0.0);
    EXPECT_EQ(soil.Data().AxisList(0).AxisMax(), 16.0);
    EXPECT_EQ(soil.Data().AxisList(1).AxisMax(), 16.0);
    EXPECT_EQ(soil.Data().AxisList(0).AxisSetting(), 0);
    EXPECT_EQ(soil.Data().AxisList(2).AxisMax(), g.LayerDepth[1]);
    EXPECT_EQ(soil.Data().AxisList(2).AxisMin(), g.LayerDepth[static_cast<std::size_t>(n)]);
    ASSERT_EQ(soil.Data().PointCount(), n);
    const auto& types = Decl().results.TypeTumay02;
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(n - i);
        ASSERT_EQ(soil.Data().SeriesList(0).PointXValue(i), g.LayerDepth[k]) << i;
        ASSERT_EQ(soil.Data().SeriesList(0).PointValue(i), types[k]) << i;
        ASSERT_EQ(soil.Data().PointColor(i), TypeColor(SchmertmannLegend(), types[k])) << i;
    }

    // A layer with no type (0) or a number beyond the chart keeps the chart's own colour.
    Decl().results.TypeTumay02[static_cast<std::size_t>(n)] = 0;
    Decl().results.TypeTumay02[static_cast<std::size_t>(n - 1)] = 17;
    Decl().results.TypeTumay02[static_cast<std::size_t>(n - 2)] = 16;
    w.SoilPlot(soil);
    EXPECT_EQ(soil.Data().SeriesList(0).PointValue(0), 0.0);
    EXPECT_EQ(soil.Data().PointColor(0), std::nullopt);
    EXPECT_EQ(soil.Data().PointColor(1), std::nullopt);
    EXPECT_EQ(soil.Data().PointColor(2), 0x0000FF);
}

TEST_F(ResultCharts, NinetyFiveLayersLeaveTheRestUndescribed) {
    SoundingOfLayers(95);
    auto& w = Open("0 4");
    ASSERT_EQ(Decl().grid.NumLayers, 95);
    ChartFX& text = Chart(w, 4);
    EXPECT_EQ(text.Data().TitleText(2), "Soil Types - Schmertmann'78");
    EXPECT_EQ(text.Data().PointCount(), 95);
    EXPECT_EQ(text.Data().SeriesList(0).PointValue(94), 0.2);
    EXPECT_EQ(text.Data().AxisList(2).AxisMin(), Decl().grid.LayerDepth[95]);
    EXPECT_EQ(text.Data().AxisList(0).AxisMax(), 20.0);
    EXPECT_EQ(text.Data().AxisList(0).AxisSetting(), 0);
    EXPECT_EQ(text.Data().AxisList(2).AxisSetting(), 0);
    EXPECT_EQ(w.TextLayerCount, 9);
    EXPECT_EQ(Positions(Labels(text)), (std::vector<double>{94, 84, 74, 64, 54, 44, 34, 24, 14}));
    EXPECT_EQ(Positions(Lines(text)), (std::vector<double>{85, 75, 65, 55, 45, 35, 25, 15, 5}));
    // Each label describes its block of grid layers.
    ChartSelection selection = Decl().selection;
    const auto labels = Labels(text);
    for (int j = 0; j < 9; ++j) {
        const std::string want =
            LayerSoilTypes(static_cast<int16_t>(10 * j + 1), static_cast<int16_t>(10 * j + 10),
                           Decl().results, selection);
        ASSERT_FALSE(want.empty());
        EXPECT_EQ(labels[static_cast<std::size_t>(j)]->Text(), Q(want)) << j;
    }
    const auto* label = labels[0];
    EXPECT_EQ(label->FontName(), "Arial");
    EXPECT_EQ(label->FontSize(), 7);
    EXPECT_EQ(label->Width(), 500);
    EXPECT_EQ(label->Height(), 20);
    EXPECT_EQ(label->Color(), kBlue);
    EXPECT_EQ(label->HorizontalPlace().mode, platform::ChartPlace::Mode::PlotEdge);
    const auto* line = Lines(text)[0];
    EXPECT_EQ(line->Color(), kBlue);
    EXPECT_EQ(line->WidthShare(), 1.0) << "as wide as the plot";
}

TEST_F(ResultCharts, NinetySixLayersEndWithAShortLayerAndNoLine) {
    SoundingOfLayers(96);
    auto& w = Open("4");
    ASSERT_EQ(Decl().grid.NumLayers, 96);
    EXPECT_EQ(w.TextLayerCount, 10);
    const auto labels = Positions(Labels(Chart(w, 4)));
    ASSERT_EQ(labels.size(), 10u);
    EXPECT_EQ(labels.back(), 5);
    EXPECT_EQ(Lines(Chart(w, 4)).size(), 9u);
}

TEST_F(ResultCharts, NineLayersABlockOverAHundred) {
    SoundingOfLayers(100);
    Decl().selection.PointsPerLayer = 9;
    auto& w = Open("4");
    ASSERT_EQ(Decl().grid.NumLayers, 100);
    EXPECT_EQ(w.TextLayerCount, 11);
    const auto lines = Positions(Lines(Chart(w, 4)));
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines.back(), 1);
    EXPECT_EQ(Positions(Labels(Chart(w, 4))).back(), 9);
}

TEST_F(ResultCharts, FewerLayersThanABlock) {
    SoundingOfLayers(8);
    auto& w = Open("4");
    ASSERT_EQ(Decl().grid.NumLayers, 8);
    EXPECT_EQ(Positions(Labels(Chart(w, 4))), std::vector<double>{7});
    EXPECT_TRUE(Lines(Chart(w, 4)).empty());

    SoundingOfLayers(5);
    w.Unload();
    w.Show();
    ASSERT_EQ(Decl().grid.NumLayers, 5);
    EXPECT_EQ(w.TextLayerCount, 0);
    EXPECT_TRUE(Chart(w, 4).Data().Annotations().empty());
    EXPECT_EQ(Chart(w, 4).Data().PointCount(), 5);
}

TEST_F(ResultCharts, MoreThanThirtyLayersAreLabelledSmaller) {
    Decl().selection.PointsPerLayer = 6;
    for (const auto& [layers, count, size] : {std::tuple{182, 30, 7}, std::tuple{187, 31, 6}}) {
        SCOPED_TRACE(layers);
        SoundingOfLayers(layers);
        auto& w = Window<Frm_Tumay02>();
        w.Unload();
        Open("4");
        ASSERT_EQ(Decl().grid.NumLayers, layers);
        EXPECT_EQ(w.TextLayerCount, count);
        const auto labels = Labels(Chart(w, 4));
        ASSERT_EQ(labels.size(), static_cast<std::size_t>(count));
        for (const auto* label : labels)
            ASSERT_EQ(label->FontSize(), size);
        // Manual labels take the size of the last automatic text.
        w.ManualArray(1, 100, "Fill", 90);
        w.ManualText(Chart(w, 5));
        ASSERT_EQ(Labels(Chart(w, 5)).size(), 1u);
        EXPECT_EQ(Labels(Chart(w, 5))[0]->FontSize(), size);
    }
}

TEST_F(ResultCharts, AThicknessOfNoLayersDrawsTheStripOnly) {
    SoundingOfLayers(40);
    auto& w = Open("4");
    ASSERT_EQ(w.TextLayerCount, 4);
    Decl().selection.PointsPerLayer = 0;
    w.SoilText(Chart(w, 4));
    EXPECT_EQ(Chart(w, 4).Data().PointCount(), 40);
    EXPECT_TRUE(Chart(w, 4).Data().Annotations().empty());
    EXPECT_EQ(w.TextLayerCount, 4) << "unchanged";
}

TEST_F(ResultCharts, ManualLayersAsHandedOver) {
    SoundingOfLayers(40);
    auto& w = Open("0 1");
    EXPECT_EQ(w.ManCount, 0);
    w.ManualArray(1, 39, "Soft Clay", 30);
    w.ManualArray(2, 29, "Sand", 20);
    w.ManualArray(3, 19, "Silt", 10);
    w.ManualArray(2, 29, "Sand and Silt", 0); // the editor stepped back
    EXPECT_EQ(w.ManCount, 2);
    EXPECT_EQ(w.ManName[3], "Silt") << "kept, but not drawn";
    w.ManualArray(-1, 5, "Before", 1);
    EXPECT_EQ(w.ManCount, 2);

    ChartFX& manual = Chart(w, 5);
    w.ManualText(manual);
    EXPECT_EQ(manual.Data().PointCount(), 40);
    EXPECT_EQ(manual.Data().TitleText(2), "Soil Types - Schmertmann'78");
    EXPECT_EQ(LabelTexts(manual), QStringList({"Soft Clay", "Sand and Silt"}));
    EXPECT_EQ(Positions(Labels(manual)), (std::vector<double>{39, 29}));
    // Every manual layer has its line, the last one at the foot too.
    EXPECT_EQ(Positions(Lines(manual)), (std::vector<double>{30, 0}));
}

TEST_F(ResultCharts, RedrawingReplacesTheLabelsAndLines) {
    SoundingOfLayers(95);
    auto& w = Open("3 4");
    ASSERT_EQ(Labels(Chart(w, 4)).size(), 9u);
    w.SelectChart();
    w.SelectChart();
    EXPECT_EQ(Labels(Chart(w, 4)).size(), 9u);
    EXPECT_EQ(Lines(Chart(w, 4)).size(), 9u);
    // The label and line lists each window keeps are the last ones drawn.
    ASSERT_TRUE(w.AnnotX && w.AnnotY);
    EXPECT_EQ(w.AnnotX->Chart(), &Chart(w, 4).Data());
    EXPECT_EQ(w.AnnotX->Item(0).VerticalPlace().value, 14);
    EXPECT_EQ(w.AnnotY->Item(0).VerticalPlace().value, 5);

    w.ManualArray(1, 94, "Clay", 50);
    w.ManualText(Chart(w, 5));
    w.ManualText(Chart(w, 5));
    EXPECT_EQ(Labels(Chart(w, 5)).size(), 1u);
    EXPECT_EQ(Lines(Chart(w, 5)).size(), 1u);
}

TEST_F(ResultCharts, LabelsStandAtTheDepthOfTheirLayerOnScreenAndOnPaper) {
    SoundingOfLayers(95);
    auto& w = Open("0 3 4");
    ProcessEvents();
    ChartFX& soil = Chart(w, 3);
    ChartFX& text = Chart(w, 4);
    const LayerGrid& g = Decl().grid;
    // Grid layer g stands at position 95 - g of the strip, beside its depth on the soil chart.
    for (int layer : {1, 31, 60, 95}) {
        SCOPED_TRACE(layer);
        EXPECT_NEAR(text.VerticalPixel(95 - layer), soil.VerticalPixel(g.LayerDepth[layer]), 1.0);
    }
    const auto* line = Lines(text)[4]; // under layer 50
    ASSERT_EQ(line->VerticalPlace().value, 45);
    const int x = static_cast<int>(text.PlotArea().center().x());
    EXPECT_TRUE(BlueNear(text.grab().toImage(), x, text.VerticalPixel(45)));

    // A bigger window: the line moves with the depth of its layer.
    const double before = text.VerticalPixel(45);
    w.resize(w.width() + 200, w.height() + 300);
    ProcessEvents();
    const double after = text.VerticalPixel(45);
    EXPECT_GT(after, before + 100);
    EXPECT_NEAR(after, soil.VerticalPixel(g.LayerDepth[50]), 1.0);
    const QImage screen = text.grab().toImage();
    EXPECT_TRUE(BlueNear(screen, x, after));
    EXPECT_FALSE(BlueNear(screen, x, before));

    // On paper, at twice the size, the blue line is at twice its height on screen.
    QImage page(2 * text.width(), 2 * text.height(), QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        text.PrintChartTo(painter, 0, 0, page.width(), page.height());
    }
    EXPECT_TRUE(BlueNear(page, 2 * x, 2 * after));
    EXPECT_FALSE(BlueNear(page, 2 * x, 2 * after - 20));
}

TEST_F(ResultCharts, LabelsAtTheFootStandWholeOnScreenAndOnThePage) {
    // Blocks of 6 over 498 grid layers: the last label 5 grid layers above the foot, less than
    // a line of text; and a manual layer one grid layer thick at the foot.
    SoundingOfLayers(498);
    Decl().selection.PointsPerLayer = 6;
    auto& w = Open("0 4 5");
    ASSERT_EQ(Positions(Labels(Chart(w, 4))).back(), 5);
    w.ManualArray(1, 497, "Clay", 1);
    w.ManualArray(2, 1, "16. Shell Sand/Lime Rock", 0);
    w.ManualText(Chart(w, 5));
    ProcessEvents();
    const auto inside = [](const QRectF& plot, const QRectF& label) {
        return label.top() >= plot.top() - 0.5 && label.bottom() <= plot.bottom() + 0.5 &&
               label.height() > 5;
    };
    for (int k : {4, 5}) {
        SCOPED_TRACE(k);
        ChartFX& text = Chart(w, k);
        const QRectF plot = text.PlotArea();
        const auto labels = Labels(text);
        for (const auto* label : labels)
            EXPECT_TRUE(inside(plot, text.LabelRect(*label))) << label->Text().toStdString();
        // The last one stands on the foot, no higher than it must.
        const QRectF last = text.LabelRect(*labels.back());
        EXPECT_NEAR(last.bottom(), plot.bottom(), 1.0);
        EXPECT_GT(last.top(), text.VerticalPixel(labels.back()->VerticalPlace().value) - 12);
        // The text is there to read: blue along the foot under the label's first letters.
        const QImage shot = text.grab().toImage();
        bool blue = false;
        for (int x = static_cast<int>(last.left()); x < last.left() + 30 && !blue; ++x)
            blue = BlueNear(shot, x, last.center().y());
        EXPECT_TRUE(blue);
    }

    Click(w, "Print");
    const platform::PrintedPage& page = platform::CurrentPrinter().LastPage();
    ASSERT_EQ(page.charts.size(), 3u);
    for (std::size_t k : {1u, 2u}) {
        const platform::PrintedChart& c = page.charts[k];
        SCOPED_TRACE(c.chartName.toStdString());
        ASSERT_EQ(c.labels.size(), Labels(Chart(w, k == 1 ? 4 : 5)).size());
        for (const QRectF& label : c.labels)
            EXPECT_TRUE(inside(c.plot, label));
        EXPECT_NEAR(c.labels.back().bottom(), c.plot.bottom(), 1.0);
    }
}

TEST_F(ResultCharts, EveryDepthGridlineIsLabelledOnTheDeepRealSoundings) {
    for (const char* file : {"liquepy-standard1-cptu.txt", "pileresponse-example-cptu.txt"}) {
        SCOPED_TRACE(file);
        ASSERT_TRUE(test::ReadRealSoundingNamed(Decl(), file));
        app->windows.Show("Frm_CPTData3");
        Form* windows[] = {app->windows.Find("Frm_CPTData3"), &Open("0 1 2 3")};
        // The windows as large as a laptop's and a desktop's screen.
        for (const QSize size : {QSize(1366, 738), QSize(1920, 1050)}) {
            SCOPED_TRACE(size.width());
            for (Form* w : windows) {
                ASSERT_NE(w, nullptr);
                w->resize(size);
                ProcessEvents();
                int charts = 0;
                for (ChartFX* chart : w->findChildren<ChartFX*>()) {
                    if (!chart->isVisible())
                        continue;
                    ++charts;
                    SCOPED_TRACE(chart->objectName().toStdString());
                    const auto depth = chart->AxisLabels(chart->Data().VerticalItem());
                    EXPECT_GE(depth.gridlines.size(), 2u);
                    EXPECT_EQ(depth.labelled, depth.gridlines);
                }
                EXPECT_GE(charts, 3) << w->objectName().toStdString();
            }
        }
        app->windows.UnloadAndRelease("Frm_Tumay02");
        app->windows.UnloadAndRelease("Frm_CPTData3");
        ProcessEvents();
    }
}
