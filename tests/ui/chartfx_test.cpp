#include <gtest/gtest.h>

#include <QApplication>
#include <QChart>
#include <QImage>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <memory>

#include "engine/charts/AxisScale.h"
#include "engine/charts/ChartArgs.h"
#include "platform/ChartFX.h"

using namespace strelvan;
using namespace strelvan::platform;

namespace {

constexpr int32_t kBlue = 0xFF0000;
constexpr int32_t kRed = 0x0000FF;

void Settle() {
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// A depth profile of n readings 0.5 ft apart, the way the profile windows draw one.
void DrawProfile(ChartFX& c, int n, double firstDepth = 0.5) {
    c.BeginData(kChartValues, 1, n);
    c.BeginData(kChartXValues, 1, n);
    c.AxisList(0).AxisTitle("Depth (ft)");
    c.TitleText(2, QString::fromUtf8(" Tip Resistance (ton/ft\u00b2) "));
    c.ChartSetting7(50);
    c.TitleColor(2, kBlue);
    c.ChartSetting16(2);
    c.AxisList(0).AxisFontSize(10);
    for (int p = 0; p < n; ++p) {
        c.SeriesList(0).PointValue(p, firstDepth + 0.5 * p);
        c.SeriesList(0).PointXValue(p, 20 + 10 * std::sin(p / 8.0));
    }
    c.AxisList(0).AxisMax(firstDepth);
    c.AxisList(0).AxisMin(firstDepth + 0.5 * (n - 1));
    c.Refresh();
    c.EndData(kChartValues);
    c.EndData(kChartXValues);
}

// The strip of layer texts: n bars of 0.2 placed by index, depth on the X-value axis.
void DrawStrip(ChartFX& c, int n, double layerThick = 0.328) {
    c.TitleText(2, "Soil Types - Schmertmann'78");
    c.BeginData(kChartValues, 1, n);
    for (int i = 0; i < n; ++i)
        c.SeriesList(0).PointValue(i, 0.2);
    c.AxisList(2).AxisMax(layerThick);     // LayerDepth(1) at the top
    c.AxisList(2).AxisMin(layerThick * n); // LayerDepth(n) at the bottom
    c.AxisList(0).AxisMax(20);
    c.Refresh();
    c.EndData(kChartValues);
}

// Rows of an image where a pixel of about this colour stands in column x.
bool ColorNear(const QImage& img, int x, int y, const QColor& want, int radius = 2) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const int px = x + dx, py = y + dy;
            if (px < 0 || py < 0 || px >= img.width() || py >= img.height())
                continue;
            const QColor c = img.pixelColor(px, py);
            if (std::abs(c.red() - want.red()) < 60 && std::abs(c.green() - want.green()) < 60 &&
                std::abs(c.blue() - want.blue()) < 60)
                return true;
        }
    return false;
}

class ChartFXTest : public ::testing::Test {
protected:
    std::unique_ptr<ChartFX> Make(ChartLook look, int w = 300, int h = 500) {
        auto c = std::make_unique<ChartFX>(look);
        c->resize(w, h);
        c->show();
        Settle();
        return c;
    }
};

} // namespace

TEST_F(ChartFXTest, KeepsWhatItWasGiven) {
    auto c = Make(ChartLook::SoilBars);
    c->ChartOption84(false);
    c->ChartOption28(true);
    c->ChartSetting5(10);
    c->AxisList(0).AxisMin(0);
    c->AxisList(0).AxisMax(16);
    c->AxisList(1).AxisMax(16);
    c->BeginData(kChartValues, 1, 3);
    c->BeginData(kChartXValues, 1, 3);
    c->BeginData(kChartColors, 3, 0);
    EXPECT_TRUE(c->Data().DataOpen(kChartColors));
    for (int i = 0; i < 3; ++i) {
        c->SeriesList(0).PointXValue(i, 0.328 * (3 - i));
        c->SeriesList(0).PointValue(i, i * 5);
    }
    c->PointColor(1, kRed);
    c->SeriesList(0).PointValue(3, 99); // beyond the opened points: ignored
    c->SeriesList(1).PointValue(0, 99); // beyond the opened series
    c->PointColor(7, kRed);
    c->Refresh();
    c->EndData(kChartColors);
    c->EndData(kChartXValues);
    c->EndData(kChartValues);
    EXPECT_FALSE(c->Data().DataOpen(kChartValues));

    EXPECT_EQ(c->Data().SeriesCount(), 1);
    EXPECT_EQ(c->Data().PointCount(), 3);
    EXPECT_EQ(c->Data().SeriesList(0).PointValue(2), 10.0);
    EXPECT_FLOAT_EQ(*c->Data().SeriesList(0).PointXValue(0), 0.984f);
    EXPECT_EQ(c->Data().SeriesList(0).PointValue(3), std::nullopt);
    EXPECT_EQ(c->Data().SeriesList(1).PointValue(0), std::nullopt);
    EXPECT_EQ(c->Data().PointColor(1), kRed);
    EXPECT_EQ(c->Data().PointColor(0), std::nullopt);
    EXPECT_EQ(c->Data().ChartOption84(), false);
    EXPECT_EQ(c->Data().ChartOption28(), true);
    EXPECT_EQ(c->Data().ChartOption86(), std::nullopt);
    EXPECT_EQ(c->Data().ChartSetting5(), 10);
    EXPECT_EQ(c->Data().AxisList(0).AxisMax(), 16.0);
    EXPECT_EQ(c->Data().AxisList(1).AxisMax(), 16.0);
    EXPECT_EQ(c->Data().AxisList(2).AxisStep(), std::nullopt);

    // The next drawing drops the points, X values and colours of the last one.
    c->BeginData(kChartValues, 1, 2);
    c->EndData(kChartValues);
    EXPECT_EQ(c->Data().PointCount(), 2);
    EXPECT_FALSE(c->Data().HasXValues());
    EXPECT_EQ(c->Data().SeriesList(0).PointValue(0), std::nullopt);
    EXPECT_EQ(c->Data().PointColor(1), std::nullopt);

    // Counts no chart needs open what the chart can hold; negative ones open nothing.
    c->BeginData(kChartValues, 100000, 2000000000);
    c->EndData(kChartValues);
    EXPECT_EQ(c->Data().SeriesCount(), kMaxChartSeries);
    EXPECT_EQ(c->Data().PointCount(), kMaxChartPoints);
    c->BeginData(kChartValues, -1, -5);
    c->EndData(kChartValues);
    EXPECT_EQ(c->Data().SeriesCount(), 0);
    EXPECT_EQ(c->Data().PointCount(), 0);

    // A drawing that opens X values first has no values yet: no series, no points, nothing
    // drawn from the values of the drawing before.
    c->BeginData(kChartValues, 2, 3);
    c->EndData(kChartValues);
    c->BeginData(kChartXValues, 2, 3);
    c->SeriesList(1).PointXValue(2, 1.5);
    c->EndData(kChartXValues);
    EXPECT_EQ(c->Data().SeriesCount(), 0);
    EXPECT_EQ(c->Data().PointCount(), 0);
    EXPECT_EQ(c->Data().SeriesList(1).PointXValue(2), 1.5);
    EXPECT_EQ(c->Data().SeriesList(1).PointValue(2), std::nullopt);
}

TEST_F(ChartFXTest, TitlesAxesAndLegends) {
    auto c = Make(ChartLook::DepthCurves);
    DrawProfile(*c, 10);
    EXPECT_EQ(c->Data().TitleText(2), QString::fromUtf8(" Tip Resistance (ton/ft\u00b2) "));
    EXPECT_EQ(c->chart()->title(), c->Data().TitleText(2));
    EXPECT_EQ(c->Data().TitleColor(2), kBlue);
    EXPECT_EQ(c->chart()->titleBrush().color(), QColor(0, 0, 255));
    EXPECT_EQ(ChartColor(kRed), QColor(255, 0, 0));
    EXPECT_EQ(ChartColor(0x00FF00), QColor(0, 255, 0));
    EXPECT_EQ(c->Data().AxisList(0).AxisTitle(), "Depth (ft)");
    EXPECT_EQ(c->Data().AxisList(0).AxisFontSize(), 10);
    EXPECT_EQ(c->Data().ChartSetting16(), 2);

    // Curves: the legend box names the series.
    c->BeginData(kChartValues, 3, 4);
    c->BeginData(kChartXValues, 3, 4);
    const char* names[] = {"HPS", "HPM", "HPC"};
    for (int s = 0; s < 3; ++s) {
        c->SeriesList(s).SeriesLegend(names[s]);
        for (int i = 0; i < 4; ++i) {
            c->SeriesList(s).PointXValue(i, 0.328 * (4 - i));
            c->SeriesList(s).PointValue(i, 0.3 * s);
        }
    }
    c->EndData(kChartValues);
    c->EndData(kChartXValues);
    EXPECT_TRUE(c->Data().LegendShown());
    EXPECT_TRUE(c->chart()->legend()->isVisible());
    QStringList shown;
    for (QLegendMarker* m : c->chart()->legend()->markers())
        if (m->isVisible())
            shown << m->label();
    EXPECT_EQ(shown, QStringList({"HPS", "HPM", "HPC"}));
    c->ChartOption84(false);
    EXPECT_FALSE(c->chart()->legend()->isVisible());
}

TEST_F(ChartFXTest, DepthGrowsDownwardAndElevationUpward) {
    auto c = Make(ChartLook::Profile);
    DrawProfile(*c, 80); // depths 0.5 .. 40
    const double top = c->VerticalPixel(0.5);
    const double bottom = c->VerticalPixel(40);
    const QRectF plot = c->PlotArea();
    EXPECT_NEAR(top, plot.top(), 0.5);
    EXPECT_NEAR(bottom, plot.bottom(), 0.5);
    // Qt's own mapping of a drawn point agrees with the chart's.
    auto* line = qobject_cast<QLineSeries*>(c->chart()->series().at(0));
    ASSERT_NE(line, nullptr);
    ASSERT_EQ(line->count(), 80);
    const QPointF p = line->at(40);
    const QPointF q = c->chart()->mapToPosition(p, line);
    EXPECT_NEAR(q.y(), c->VerticalPixel(p.y()), 1.0);
    EXPECT_NEAR(q.x(), c->HorizontalPixel(p.x()), 1.0);
    double low = 0, high = 0;
    c->Data().AxisList(0).AxisZoomRange(low, high);
    EXPECT_DOUBLE_EQ(low, 0.5);
    EXPECT_DOUBLE_EQ(high, 40);

    // Elevation: AxisMax (the highest) stays at the top.
    c->AxisList(0).AxisMax(100);
    c->AxisList(0).AxisMin(60);
    EXPECT_LT(c->VerticalPixel(100), c->VerticalPixel(60));

    // The first reading is drawn at the top of the picture, the last at the bottom.
    DrawProfile(*c, 80);
    Settle();
    const QImage shot = c->grab().toImage();
    const QColor blue(0, 0, 255);
    EXPECT_TRUE(ColorNear(shot, static_cast<int>(c->HorizontalPixel(20)),
                          static_cast<int>(c->VerticalPixel(0.5)), blue));
    const double lastX = 20 + 10 * std::sin(79 / 8.0);
    EXPECT_TRUE(ColorNear(shot, static_cast<int>(c->HorizontalPixel(lastX)),
                          static_cast<int>(c->VerticalPixel(40)), blue));
}

TEST_F(ChartFXTest, OneDepthOnlyStillDrawsAnAxis) {
    auto c = Make(ChartLook::Profile);
    DrawProfile(*c, 1);
    double low = 0, high = 0;
    c->Data().AxisList(0).AxisZoomRange(low, high);
    EXPECT_LT(low, 0.5);
    EXPECT_GT(high, 0.5);
    EXPECT_TRUE(std::isfinite(c->VerticalPixel(0.5)));
}

TEST_F(ChartFXTest, ValueAxisFollowsTheGivenStep) {
    auto c = Make(ChartLook::Profile);
    DrawProfile(*c, 40); // values 10 .. 30
    c->AxisList(2).AxisStep(5);
    double low = 0, high = 0;
    c->Data().AxisList(2).AxisZoomRange(low, high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 30); // the next multiple of the step at or above the largest value
    EXPECT_EQ(c->Data().AxisList(2).AxisStep(), 5.0);
}

TEST_F(ChartFXTest, ZoomedValueAxisKeepsThreeLabelledTicks) {
    auto c = Make(ChartLook::Profile);
    DrawProfile(*c, 40);
    c->AxisList(2).AxisStep(60); // the step of a sounding whose qc reaches 360
    c->AxisList(2).AxisZoom(0, 180);
    EXPECT_EQ(c->LabelStep(2), 60); // 0, 60, 120, 180: the given step stays
    // Cut short of the step, where it would label 0 alone: a division of it labels three.
    c->AxisList(2).AxisZoom(0, 18);
    const double step = c->LabelStep(2);
    EXPECT_GE(MultiplesWithin(step, 0, 18), 3);
    EXPECT_DOUBLE_EQ(std::fmod(60, step), 0);
    // A step that is not a round number gives way to a round one: labels 0, 5, 10, 15.
    c->AxisList(2).AxisStep(61);
    c->AxisList(2).AxisZoom(0, 18);
    EXPECT_EQ(c->LabelStep(2), 5);
}

TEST_F(ChartFXTest, EveryGridlineOfTheDepthAxisCarriesItsLabel) {
    // A sounding that ends just short of 150 ft: the step of 50 leaves two gridlines, so the
    // axis takes a finer one, whose labels a short chart cannot all show.
    auto c = Make(ChartLook::Profile, 300, 170);
    DrawProfile(*c, 299); // 0.5 .. 149.5 ft
    for (const int height : {170, 200, 600}) {
        SCOPED_TRACE(height);
        c->resize(300, height);
        Settle();
        const ChartAxisLabels depth = c->AxisLabels(0);
        EXPECT_GE(depth.gridlines.size(), 2u);
        EXPECT_EQ(depth.labelled, depth.gridlines);
        const ChartAxisLabels values = c->AxisLabels(2);
        EXPECT_EQ(values.labelled, values.gridlines);
    }
    EXPECT_EQ(c->LabelStep(0), 20) << "as many as fit";
}

TEST_F(ChartFXTest, StripPlacesPointsByIndexAndMetricFollowsResize) {
    auto c = Make(ChartLook::LayerStrip, 260, 520);
    const int n = 60;
    DrawStrip(*c, n);
    EXPECT_FALSE(c->Data().HasXValues());
    // Point 0 (the deepest layer) at the bottom, point n-1 (layer 1) at the top.
    const QRectF plot = c->PlotArea();
    EXPECT_NEAR(c->VerticalPixel(0), plot.bottom(), 0.5);
    EXPECT_NEAR(c->VerticalPixel(n - 1), plot.top(), 0.5);

    // Grid layer g stands at position n - g, at the depth of layer g.
    auto pixelOfLayer = [&](int g) {
        const int32_t P = c->ChartMetric(ChartMakeLong(-1, n - g), 3);
        return std::make_pair(ChartLoWord(P), ChartHiWord(P));
    };
    auto [x10, y10] = pixelOfLayer(10);
    EXPECT_EQ(x10, static_cast<int>(std::lround(plot.left())));
    EXPECT_NEAR(y10, c->VerticalPixel(n - 10), 0.6);
    const double span = plot.height() / (0.328 * n - 0.328);
    EXPECT_NEAR(y10, plot.top() + (0.328 * 10 - 0.328) * span, 1.0);
    const int32_t W = c->ChartMetric(0, 7);
    EXPECT_EQ(ChartLoWord(W), static_cast<int>(std::lround(plot.width())));
    EXPECT_EQ(ChartHiWord(W), static_cast<int>(std::lround(plot.bottom())));

    // A line placed there before a resize stays at the layer's depth after it.
    auto lines = std::make_shared<ChartAnnotation>();
    c->AttachAnnotation(lines);
    auto& line = lines->Add(3);
    line.Left(x10);
    line.Top(y10);
    line.Width(ChartLoWord(W));
    line.Color(kRed);
    // A label placed at pixels the chart did not report keeps its depth and its distance
    // from the plot's left edge.
    auto& label = lines->Add(6);
    label.Left(x10 + 5);
    label.Top(y10 + 7);
    EXPECT_EQ(label.HorizontalPlace().mode, ChartPlace::Mode::PlotEdge);
    ASSERT_EQ(label.VerticalPlace().mode, ChartPlace::Mode::Value);
    EXPECT_NEAR(c->VerticalPixel(label.VerticalPlace().value), y10 + 7, 0.5);
    const double labelDepth = 0.328 * (n - label.VerticalPlace().value); // layer g at n - g
    c->resize(300, 700);
    Settle();
    auto [x10b, y10b] = pixelOfLayer(10);
    EXPECT_GT(y10b, y10 + 15); // about 15 % of the 180 pixels more height
    const QRectF plotA = c->PlotArea();
    const double spanA = plotA.height() / (0.328 * n - 0.328);
    EXPECT_NEAR(c->VerticalPixel(label.VerticalPlace().value),
                plotA.top() + (labelDepth - 0.328) * spanA, 1.0);
    EXPECT_DOUBLE_EQ(label.HorizontalPlace().value, x10 + 5 - plot.left());
    const QImage shot = c->grab().toImage();
    const QRectF plotB = c->PlotArea();
    EXPECT_TRUE(ColorNear(shot, static_cast<int>(plotB.center().x()), y10b, QColor(255, 0, 0), 1));
    EXPECT_TRUE(ColorNear(shot, static_cast<int>(plotB.right()) - 3, y10b, QColor(255, 0, 0), 1));
    EXPECT_FALSE(ColorNear(shot, static_cast<int>(plotB.center().x()), y10, QColor(255, 0, 0), 1));
}

TEST_F(ChartFXTest, LinesPlacedByValueStandAtTheirDepthInEveryLayout) {
    // Placed while the chart is not yet on show, as a window does while it loads: the place
    // owes nothing to the layout of that moment.
    ChartFX c(ChartLook::LayerStrip);
    const int n = 50;
    DrawStrip(c, n);
    auto lines = std::make_shared<ChartAnnotation>();
    c.AttachAnnotation(lines);
    auto& line = lines->Add(3);
    line.Left(ChartPlace::AtPlotEdge());
    line.Top(ChartPlace::AtValue(n - 30)); // grid layer 30
    line.WidthShare(1.0);
    line.Color(kRed);
    EXPECT_TRUE(line.Placed());
    EXPECT_FALSE(line.InPixels());
    const QColor red(255, 0, 0);
    for (const QSize size : {QSize(220, 420), QSize(320, 760)}) {
        c.resize(size);
        c.show();
        Settle();
        const QRectF plot = c.PlotArea();
        const int y = static_cast<int>(std::lround(c.VerticalPixel(n - 30)));
        EXPECT_NEAR(c.VerticalPixel(n - 30), plot.top() + (plot.height() * 29) / (n - 1), 0.5);
        const QImage shot = c.grab().toImage();
        EXPECT_TRUE(ColorNear(shot, static_cast<int>(plot.left()) + 3, y, red, 1)) << size.height();
        EXPECT_TRUE(ColorNear(shot, static_cast<int>(plot.right()) - 3, y, red, 1));
        EXPECT_FALSE(ColorNear(shot, static_cast<int>(plot.center().x()), y - 6, red, 1));
    }
    // On a page twice the size, the line is at twice its height on screen.
    QImage page(2 * c.width(), 2 * c.height(), QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        c.PrintChartTo(painter, 0, 0, page.width(), page.height());
    }
    EXPECT_TRUE(ColorNear(page, 2 * static_cast<int>(c.PlotArea().center().x()),
                          2 * static_cast<int>(std::lround(c.VerticalPixel(n - 30))), red, 2));
}

TEST_F(ChartFXTest, PrintDrawsTheSamePictureAsTheScreen) {
    auto c = Make(ChartLook::LayerStrip, 240, 480);
    const int n = 40;
    DrawStrip(*c, n);
    auto labels = std::make_shared<ChartAnnotation>();
    c->AttachAnnotation(labels);
    const int32_t P = c->ChartMetric(ChartMakeLong(-1, n - 20), 3);
    auto& line = labels->Add(3);
    line.Left(ChartLoWord(P));
    line.Top(ChartHiWord(P));
    line.Width(ChartLoWord(c->ChartMetric(0, 7)));
    line.Color(kRed);
    auto& text = labels->Add(6);
    text.Left(ChartLoWord(P));
    text.Top(ChartHiWord(P));
    text.Width(500);
    text.Height(20);
    text.FontSize(7);
    text.Text("Clayey Silt");
    text.Color(kBlue);
    Settle();
    const QImage screen = c->grab().toImage().convertToFormat(QImage::Format_RGB32);

    QImage same(screen.size(), QImage::Format_RGB32);
    same.fill(Qt::white);
    {
        QPainter painter(&same);
        c->PrintChartTo(painter, 0, 0, same.width(), same.height(), 1, 0);
    }
    int differing = 0;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            if (screen.pixel(x, y) != same.pixel(x, y))
                ++differing;
    EXPECT_LT(differing, screen.width() * screen.height() / 100);

    // Twice the size, placed in a page: the line is at twice its height on screen.
    QImage page(2 * screen.width() + 100, 2 * screen.height() + 100, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        c->PrintChartTo(painter, 50, 50, 50 + 2 * screen.width(), 50 + 2 * screen.height());
    }
    const int yOnPage = 50 + 2 * ChartHiWord(P);
    const int xMid = 50 + 2 * static_cast<int>(c->PlotArea().center().x());
    EXPECT_TRUE(ColorNear(page, xMid, yOnPage, QColor(255, 0, 0), 2));
    EXPECT_FALSE(ColorNear(page, xMid, yOnPage - 40, QColor(255, 0, 0), 2));
    // The blue label below the line.
    bool label = false;
    for (int x = 50; x < 50 + 2 * screen.width() && !label; ++x)
        label = ColorNear(page, x, yOnPage + 12, QColor(0, 0, 255), 4);
    EXPECT_TRUE(label);
    // The screen keeps its own layout after printing.
    EXPECT_EQ(ChartHiWord(c->ChartMetric(ChartMakeLong(-1, n - 20), 3)), ChartHiWord(P));
}

TEST_F(ChartFXTest, BarsTakeTheirPointColours) {
    auto c = Make(ChartLook::SoilBars, 300, 500);
    const int n = 10;
    c->AxisList(0).AxisMin(0);
    c->AxisList(0).AxisMax(16);
    c->BeginData(kChartValues, 1, n);
    c->BeginData(kChartXValues, 1, n);
    c->BeginData(kChartColors, n, 0);
    for (int i = 0; i < n; ++i) {
        const int k = n - i; // deepest layer first
        c->SeriesList(0).PointXValue(i, 2.0 * k);
        c->SeriesList(0).PointValue(i, 12);
        if (k == 3)
            c->PointColor(i, kRed);
        else if (k != 7)
            c->PointColor(i, 0x00C000);
    }
    c->AxisList(2).AxisMax(2.0);
    c->AxisList(2).AxisMin(2.0 * n);
    c->Refresh();
    c->EndData(kChartColors);
    c->EndData(kChartXValues);
    c->EndData(kChartValues);
    Settle();
    const QImage shot = c->grab().toImage();
    const int x = static_cast<int>(c->HorizontalPixel(6));
    EXPECT_TRUE(ColorNear(shot, x, static_cast<int>(c->VerticalPixel(6)), QColor(255, 0, 0), 0));
    EXPECT_TRUE(ColorNear(shot, x, static_cast<int>(c->VerticalPixel(10)), QColor(0, 192, 0), 0));
    // Layer 7 has no colour: the chart's own colour, not green or red.
    const QColor own = shot.pixelColor(x, static_cast<int>(c->VerticalPixel(14)));
    EXPECT_FALSE(ColorNear(shot, x, static_cast<int>(c->VerticalPixel(14)), QColor(0, 192, 0), 0));
    EXPECT_GT(own.blue(), own.red());
    // Beyond the bar length the plot is empty.
    EXPECT_FALSE(ColorNear(shot, static_cast<int>(c->HorizontalPixel(14)),
                           static_cast<int>(c->VerticalPixel(6)), QColor(255, 0, 0), 0));
}

TEST_F(ChartFXTest, UserZoomShowsTheDraggedRangeUntilReset) {
    auto c = Make(ChartLook::Profile, 300, 600);
    DrawProfile(*c, 80); // 0.5 .. 40 ft
    EXPECT_FALSE(c->Data().ZoomActive());
    const QRectF plot = c->PlotArea();
    const int x = static_cast<int>(plot.center().x());
    const int y0 = static_cast<int>(c->VerticalPixel(10));
    const int y1 = static_cast<int>(c->VerticalPixel(20));
    QTest::mousePress(c->viewport(), Qt::LeftButton, {}, QPoint(x, y0));
    QTest::mouseMove(c->viewport(), QPoint(x, (y0 + y1) / 2));
    QTest::mouseMove(c->viewport(), QPoint(x, y1));
    QTest::mouseRelease(c->viewport(), Qt::LeftButton, {}, QPoint(x, y1));
    EXPECT_TRUE(c->Data().ZoomActive());
    double low = 0, high = 0;
    c->Data().AxisList(0).AxisZoomRange(low, high);
    EXPECT_NEAR(low, 10, 0.2);
    EXPECT_NEAR(high, 20, 0.2);
    // Depth still grows downward inside the zoom, over the whole plot.
    EXPECT_NEAR(c->VerticalPixel(low), c->PlotArea().top(), 0.5);
    EXPECT_NEAR(c->VerticalPixel(high), c->PlotArea().bottom(), 0.5);

    // A click is not a zoom.
    auto other = Make(ChartLook::Profile);
    DrawProfile(*other, 80);
    QTest::mouseClick(other->viewport(), Qt::LeftButton, {}, QPoint(x, y0));
    EXPECT_FALSE(other->Data().ZoomActive());
    // Another chart follows with AxisZoom; its own zoom state stays off.
    other->AxisList(0).AxisZoom(high, low);
    other->AxisList(2).AxisZoom(0, 15);
    double oLow = 0, oHigh = 0;
    other->Data().AxisList(0).AxisZoomRange(oLow, oHigh);
    EXPECT_DOUBLE_EQ(oLow, low);
    EXPECT_DOUBLE_EQ(oHigh, high);
    other->Data().AxisList(2).AxisZoomRange(oLow, oHigh);
    EXPECT_EQ(oHigh, 15);
    EXPECT_FALSE(other->Data().ZoomActive());

    c->ZoomActive(false);
    c->ZoomResetFlag(false);
    c->Refresh();
    EXPECT_FALSE(c->Data().ZoomActive());
    EXPECT_FALSE(c->Data().ZoomResetFlag());
    c->Data().AxisList(0).AxisZoomRange(low, high);
    EXPECT_DOUBLE_EQ(low, 0.5);
    EXPECT_DOUBLE_EQ(high, 40);
    other->ZoomActive(false);
    other->Data().AxisList(2).AxisZoomRange(oLow, oHigh);
    EXPECT_EQ(oHigh, 30); // its whole range again
}

TEST_F(ChartFXTest, AnnotationsAreCountedRemovedAndReplaced) {
    auto c = Make(ChartLook::LayerStrip);
    DrawStrip(*c, 30);
    auto first = std::make_shared<ChartAnnotation>();
    c->AttachAnnotation(first);
    first->Add(6).Text("a");
    first->Add(3);
    first->Add(6).Text("b");
    EXPECT_EQ(first->Count(), 3);
    EXPECT_FALSE(first->Item(1).Placed()); // a line with no place is not drawn
    first->Remove(first->Count() - 1);
    EXPECT_EQ(first->Count(), 2);
    EXPECT_EQ(first->Item(0).Text(), "a");
    EXPECT_THROW(first->Add(5), std::invalid_argument);
    EXPECT_THROW(first->Item(9), std::out_of_range);
    EXPECT_EQ(first->Chart(), &c->Data());

    // A new drawing of the chart may replace its annotations.
    c->DetachAnnotations();
    EXPECT_EQ(first->Chart(), nullptr);
    auto second = std::make_shared<ChartAnnotation>();
    c->AttachAnnotation(second);
    ASSERT_EQ(c->Data().Annotations().size(), 1u);
    EXPECT_EQ(c->Data().Annotations().front(), second);

    // Attached to another chart, a list moves there.
    auto d = Make(ChartLook::LayerStrip);
    d->AttachAnnotation(second);
    EXPECT_TRUE(c->Data().Annotations().empty());
    EXPECT_EQ(second->Chart(), &d->Data());
}

TEST_F(ChartFXTest, WidthVisibleAndMove) {
    QWidget window;
    window.resize(800, 600);
    auto* c = new ChartFX(ChartLook::Profile, &window);
    c->setGeometry(10, 20, 250, 400);
    window.show();
    Settle();
    EXPECT_EQ(c->Width(), 250);
    c->Move(300);
    EXPECT_EQ(c->pos(), QPoint(300, 20));
    c->Visible(false);
    EXPECT_FALSE(c->Visible());
    c->Visible(true);
    EXPECT_TRUE(c->Visible());
}

TEST_F(ChartFXTest, ALongTitleIsSetSmallerAndThePlotStaysLevel) {
    auto shortTitle = Make(ChartLook::Profile, 200, 500);
    auto longTitle = Make(ChartLook::Profile, 200, 500);
    DrawProfile(*shortTitle, 20);
    DrawProfile(*longTitle, 20);
    shortTitle->TitleText(2, "Qc (tsf)");
    longTitle->TitleText(2, "Corrected Tip Resistance and Friction Ratio");
    Settle();
    const int full = shortTitle->chart()->titleFont().pixelSize();
    const int small = longTitle->chart()->titleFont().pixelSize();
    EXPECT_LT(small, full);
    EXPECT_GE(small, 8);                                                    // never below 6 points
    EXPECT_EQ(longTitle->chart()->title(), longTitle->Data().TitleText(2)); // whole, not cut short
    // The depths of the two charts stand level, as charts side by side must.
    EXPECT_NEAR(longTitle->PlotArea().top(), shortTitle->PlotArea().top(), 1.0);
    EXPECT_NEAR(longTitle->VerticalPixel(5), shortTitle->VerticalPixel(5), 1.0);
    // Widened until the title fits, the chart sets it in the full type again.
    longTitle->resize(700, 500);
    Settle();
    EXPECT_EQ(longTitle->chart()->titleFont().pixelSize(), full);
}
