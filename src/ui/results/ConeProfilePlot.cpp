#include "ui/results/ConeProfilePlot.h"

#include <QString>

#include "engine/state/ArraySizes.h"
#include "platform/ChartColors.h"
#include "platform/ChartFX.h"

namespace strelvan {

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

std::optional<Profile> LayerProfile(int16_t ChartKind, const LayerGrid& grid, int16_t axisMode) {
    const std::string tsf = "ton/ft";
    Profile profile;
    switch (ChartKind) {
    case 0:
        profile = {
            LayerSeries(grid, grid.LayerQc, axisMode),
            {StressTitle("Tip Resistance", tsf), platform::kChartBlue, "Tip Resistance [qc]."}};
        profile.look.namesAxis = true;
        break;
    case 1:
        profile = {LayerSeries(grid, grid.LayerFs, axisMode),
                   {StressTitle("Sleeve Resistance", tsf), platform::kChartBlack,
                    " Sleeve Resistance [fs] "}};
        break;
    case 2:
        profile = {LayerSeries(grid, grid.LayerRatio, axisMode),
                   {" Sleeve/Tip Ratio (%) ", platform::kChartRed, " [Sleeve/tip] Ratio "}};
        break;
    default:
        return std::nullopt;
    }
    profile.look.setting6 = 20;
    profile.look.axisFont = true;
    return profile;
}

void ConeProfilePlot(int16_t ChartKind, platform::ChartFX& Chart, const LayerGrid& grid,
                     int16_t axisMode) {
    if (const auto profile = LayerProfile(ChartKind, grid, axisMode)) {
        DrawProfile(Chart, *profile, axisMode);
        return;
    }
    Chart.BeginData(platform::kChartValues, 1, grid.NumLayers);
    Chart.BeginData(platform::kChartXValues, 1, grid.NumLayers);
    Chart.EndData(platform::kChartValues);
    Chart.EndData(platform::kChartXValues);
}

} // namespace strelvan
