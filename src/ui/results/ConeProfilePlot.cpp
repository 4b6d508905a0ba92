#include "ui/results/ConeProfilePlot.h"

#include <QString>

#include "engine/state/ArraySizes.h"
#include "platform/ChartFX.h"
#include "ui/charts/ReadingProfile.h"

namespace strelvan {

namespace {
constexpr int32_t kBlue = 0xFF0000;
constexpr int32_t kRed = 0x0000FF;
constexpr int32_t kBlack = 0;

struct LayerProfile {
    QString title;
    int32_t titleColor = 0;
    QString legend;
    const std::vector<float>* values = nullptr; // none: a kind that draws nothing
};
} // namespace

void LayerDepthAxis(platform::ChartFX& chart, int axisItem, const std::vector<float>& position,
                    int n) {
    if (n < 1 || static_cast<std::size_t>(n) >= position.size())
        return;
    chart.AxisList(axisItem).AxisMax(position[1]);
    chart.AxisList(axisItem).AxisMin(position[static_cast<std::size_t>(n)]);
}

int DrawableLayers(const LayerGrid& grid, std::initializer_list<const std::vector<float>*> arrays) {
    const int n = grid.NumLayers;
    return n >= 1 && LayersHeldByAll(n, arrays) == n ? n : 0;
}

void ClearChart(platform::ChartFX& chart) {
    chart.BeginData(platform::kChartValues, 0, 0);
    chart.EndData(platform::kChartValues);
    chart.DetachAnnotations();
}

void ConeProfilePlot(int16_t ChartKind, platform::ChartFX& Chart, const LayerGrid& grid,
                     int16_t axisMode, PlotState& plot, int16_t /*reserved*/) {
    const bool depth = axisMode == 1;
    const std::vector<float>& position = depth ? grid.LayerDepth : grid.LayerElev;
    LayerProfile profile;
    switch (ChartKind) {
    case 0:
        profile = {StressTitle("Tip Resistance", "ton/ft"), kBlue, "Tip Resistance [qc].",
                   &grid.LayerQc};
        break;
    case 1:
        profile = {StressTitle("Sleeve Resistance", "ton/ft"), kBlack, " Sleeve Resistance [fs] ",
                   &grid.LayerFs};
        break;
    case 2:
        profile = {" Sleeve/Tip Ratio (%) ", kRed, " [Sleeve/tip] Ratio ", &grid.LayerRatio};
        break;
    default:
        break;
    }
    const int n = profile.values == nullptr ? grid.NumLayers
                                            : DrawableLayers(grid, {&position, profile.values});
    if (n < 1 && profile.values != nullptr) {
        ClearChart(Chart);
        return;
    }

    plot.PlotSeries = 1;
    Chart.BeginData(platform::kChartValues, 1, n);
    Chart.BeginData(platform::kChartXValues, plot.PlotSeries, n);
    Chart.ChartSetting7(50);
    Chart.ChartSetting6(20);
    Chart.ChartSetting16(2);
    Chart.AxisList(0).AxisFontSize(10);
    if (profile.values != nullptr) {
        Chart.TitleText(2, profile.title);
        Chart.TitleColor(2, profile.titleColor);
        Chart.SeriesList(0).SeriesLegend(profile.legend);
        if (ChartKind == 0)
            Chart.AxisList(0).AxisTitle(depth ? QStringLiteral("Depth (ft)")
                                              : QStringLiteral("Elevation (ft)"));
        platform::ChartSeries series = Chart.SeriesList(0);
        for (int p = 0; p < n; ++p) {
            const auto k = static_cast<std::size_t>(p) + 1;
            series.PointValue(p, position[k]);
            series.PointXValue(p, (*profile.values)[k]);
        }
        LayerDepthAxis(Chart, 0, position, n);
        Chart.Refresh();
    }
    Chart.EndData(platform::kChartValues);
    Chart.EndData(platform::kChartXValues);
}

} // namespace strelvan
