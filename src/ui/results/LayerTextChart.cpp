#include "ui/results/LayerTextChart.h"

#include <optional>

#include "engine/charts/ChartArgs.h"
#include "engine/state/Numbers.h"
#include "platform/ChartColors.h"
#include "platform/ChartFX.h"
#include "ui/results/ConeProfilePlot.h"

namespace strelvan {

namespace {
constexpr int kPlotAreaCoordinates = 3; // ChartMetric: the pixel of a position
constexpr int kPlotWidth = 7;           // ChartMetric: the plot's width and lower edge
constexpr int kLabelWidth = 500;
constexpr int kLabelHeight = 20;

// The packed pixel of the plot's left edge at the height of the position value.
std::optional<int32_t> PixelOf(platform::ChartFX& chart, float position) {
    const auto v = CInt(position);
    // -1 in the low half borrows from the high half, which must stay above its lowest value.
    if (!v || *v == INT16_MIN)
        return std::nullopt;
    return chart.ChartMetric(ChartMakeLong(-1, *v), kPlotAreaCoordinates);
}
} // namespace

int DrawLayerStrip(platform::ChartFX& chart, const LayerGrid& grid, const QString& title) {
    const int n = DrawableLayers(grid, {&grid.LayerDepth});
    // A new drawing replaces the labels and lines of the last one.
    chart.DetachAnnotations();
    if (n < 1) {
        ClearChart(chart);
        return 0;
    }
    chart.AxisList(0).AxisSetting(0);
    chart.AxisList(2).AxisSetting(0);
    chart.ChartOption84(false);
    chart.ChartSetting7(50);
    chart.ChartSetting5(10);
    chart.ChartSetting6(0);
    chart.TitleText(2, title);
    chart.TitleColor(2, platform::kChartBlue);
    chart.BeginData(platform::kChartValues, 1, n);
    platform::ChartSeries series = chart.SeriesList(0);
    for (int i = 0; i < n; ++i)
        series.PointValue(i, 0.2);
    LayerDepthAxis(chart, 2, grid.LayerDepth, n);
    chart.AxisList(0).AxisMax(20);
    chart.Refresh();
    chart.EndData(platform::kChartValues);
    return n;
}

platform::ChartAnnotationObject* AddLayerLabel(platform::ChartFX& chart,
                                               platform::ChartAnnotation& list, float position,
                                               const QString& text, int fontSize) {
    const auto P = PixelOf(chart, position);
    if (!P)
        return nullptr;
    platform::ChartAnnotationObject& label =
        list.Add(static_cast<int>(platform::AnnotationKind::Text));
    label.Left(ChartLoWord(*P));
    label.Top(ChartHiWord(*P));
    label.Width(kLabelWidth);
    label.Height(kLabelHeight);
    label.FontName(QStringLiteral("Arial"));
    label.FontSize(fontSize);
    label.Text(text);
    label.Color(platform::kChartBlue);
    return &label;
}

platform::ChartAnnotationObject* AddLayerLine(platform::ChartFX& chart,
                                              platform::ChartAnnotation& list, float position) {
    const auto P = PixelOf(chart, position);
    if (!P)
        return nullptr;
    const int width = ChartLoWord(chart.ChartMetric(0, kPlotWidth));
    platform::ChartAnnotationObject& line =
        list.Add(static_cast<int>(platform::AnnotationKind::Line));
    line.Left(ChartLoWord(*P));
    line.Top(ChartHiWord(*P));
    line.Width(width);
    line.Color(platform::kChartBlue);
    return &line;
}

} // namespace strelvan
