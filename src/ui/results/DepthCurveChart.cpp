#include "ui/results/DepthCurveChart.h"

#include <algorithm>
#include <utility>

#include "engine/charts/CurveChartScale.h"
#include "platform/ChartColors.h"
#include "platform/ChartFX.h"
#include "ui/results/ConeProfilePlot.h"

namespace strelvan {

namespace {
constexpr int kLegendBoxSetting = 256;
constexpr int kCurves = 3;
} // namespace

void ShowLegendBox(platform::ChartFX& chart, double twipsPerPixel) {
    chart.ChartOption84(true);
    chart.LegendBox().Setting(kLegendBoxSetting);
    chart.LegendBox().Width(LegendBoxWidth(twipsPerPixel));
}

void PrintWithLegendBoxes(std::span<platform::ChartFX* const> charts, double twipsPerPixel,
                          const std::function<void()>& print) {
    // Puts every chart back as it was, also when the printing stops half way.
    struct Restore {
        std::vector<std::pair<platform::ChartFX*, platform::ChartLegendState>> kept;
        ~Restore() {
            for (auto& [chart, state] : kept) {
                chart->PrintWidth(0);
                chart->PrintLegendBelow(false);
                chart->LegendState(state);
            }
        }
    } restore;
    int width = 0;
    for (platform::ChartFX* chart : charts) {
        if (chart == nullptr)
            continue;
        restore.kept.emplace_back(chart, chart->LegendState());
        ShowLegendBox(*chart, twipsPerPixel);
        chart->PrintLegendBelow(true);
        if (!chart->isHidden())
            width = std::max(width, chart->WholeLegendWidth());
    }
    for (auto& [chart, state] : restore.kept)
        chart->PrintWidth(width);
    print();
}

void DrawDepthCurves(platform::ChartFX& chart, const LayerGrid& grid, const DepthCurveChart& curves,
                     double twipsPerPixel) {
    ShowLegendBox(chart, twipsPerPixel);
    chart.LegendBox().Option(curves.legendOption);
    for (int s = 0; s < kCurves; ++s)
        chart.SeriesList(s).SeriesLegend(curves.legends[static_cast<std::size_t>(s)]);
    chart.ChartOption28(false);
    chart.ChartSetting7(curves.setting7);
    chart.ChartSetting5(curves.setting5);
    chart.TitleText(2, curves.title);
    chart.TitleColor(2, platform::kChartBlue);
    if (curves.lineWidth) {
        chart.ChartOption85(false);
        chart.ChartSetting16(*curves.lineWidth);
    }
    // Depths labelled as on the profiles beside, so that the plots keep one height.
    chart.AxisList(2).AxisFontSize(10);
    chart.AxisList(0).AxisMin(0);
    chart.AxisList(curves.valueAxis).AxisMax(curves.valueMax);
    if (curves.valueStep)
        chart.AxisList(curves.valueAxis).AxisStep(*curves.valueStep);

    const auto& [c0, c1, c2] = curves.curves;
    const int n = c0 && c1 && c2 ? DrawableLayers(grid, {&grid.LayerDepth, c0, c1, c2}) : 0;
    chart.BeginData(platform::kChartValues, kCurves, n);
    chart.BeginData(platform::kChartXValues, kCurves, n);
    // The deepest layer first: grid layer k is point n - k of every curve.
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(n - i);
        for (int s = 0; s < kCurves; ++s) {
            platform::ChartSeries series = chart.SeriesList(s);
            series.PointXValue(i, grid.LayerDepth[k]);
            series.PointValue(i, (*curves.curves[static_cast<std::size_t>(s)])[k]);
        }
    }
    LayerDepthAxis(chart, 2, grid.LayerDepth, n);
    chart.Refresh();
    chart.EndData(platform::kChartValues);
    chart.EndData(platform::kChartXValues);
}

} // namespace strelvan
