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
    ProfileLook look{.setting6 = 20, .axisFont = true};
    const std::vector<float>* values = nullptr;
    switch (ChartKind) {
    case 0:
        look.title = StressTitle("Tip Resistance", tsf);
        look.titleColor = platform::kChartBlue;
        look.legend = "Tip Resistance [qc].";
        look.namesAxis = true;
        values = &grid.LayerQc;
        break;
    case 1:
        look.title = StressTitle("Sleeve Resistance", tsf);
        look.titleColor = platform::kChartBlack;
        look.legend = " Sleeve Resistance [fs] ";
        values = &grid.LayerFs;
        break;
    case 2:
        look.title = " Sleeve/Tip Ratio (%) ";
        look.titleColor = platform::kChartRed;
        look.legend = " [Sleeve/tip] Ratio ";
        values = &grid.LayerRatio;
        break;
    default:
        return std::nullopt;
    }
    return Profile{LayerSeries(grid, *values, axisMode), look};
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
