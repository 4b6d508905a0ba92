#include "ui/results/LayerTextChart.h"

#include <optional>

#include "engine/state/Numbers.h"
#include "platform/ChartAnnotation.h"
#include "platform/ChartColors.h"
#include "platform/ChartFX.h"
#include "ui/results/ConeProfilePlot.h"

namespace strelvan {

namespace {
constexpr int kLabelWidth = 500;
constexpr int kLabelHeight = 20;

// The height of the position value, rounded to a whole 16-bit number as the strip's points
// are counted.
std::optional<platform::ChartPlace> HeightOf(float position) {
    const auto v = CInt(position);
    if (!v)
        return std::nullopt;
    return platform::ChartPlace::AtValue(*v);
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

platform::ChartAnnotationObject* AddLayerLabel(platform::ChartAnnotation& list, float position,
                                               const QString& text, int fontSize) {
    const auto top = HeightOf(position);
    if (!top)
        return nullptr;
    platform::ChartAnnotationObject& label =
        list.Add(static_cast<int>(platform::AnnotationKind::Text));
    label.Left(platform::ChartPlace::AtPlotEdge());
    label.Top(*top);
    label.Width(kLabelWidth);
    label.Height(kLabelHeight);
    label.FontName(QStringLiteral("Arial"));
    label.FontSize(fontSize);
    label.Text(text);
    label.Color(platform::kChartBlue);
    return &label;
}

platform::ChartAnnotationObject* AddLayerLine(platform::ChartAnnotation& list, float position) {
    const auto top = HeightOf(position);
    if (!top)
        return nullptr;
    platform::ChartAnnotationObject& line =
        list.Add(static_cast<int>(platform::AnnotationKind::Line));
    line.Left(platform::ChartPlace::AtPlotEdge());
    line.Top(*top);
    line.WidthShare(1.0); // the plot's width, as the chart's coordinate service reports it
    line.Color(platform::kChartBlue);
    return &line;
}

} // namespace strelvan
