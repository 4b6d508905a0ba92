#pragma once
// The profiles of the averaged layer grid that the result windows show beside their soil
// charts: tip resistance, sleeve friction and friction ratio of layers 1 to NumLayers against
// depth or elevation.
#include <cstdint>
#include <optional>

#include "engine/state/Declarations.h"
#include "ui/charts/ProfilePlot.h"

namespace strelvan {

namespace platform {
class ChartFX;
}

// The depth (or elevation) axis of a chart of layers 1 to n: the first layer at the top and
// the last one at the bottom, so that every layer drawn lies on the chart.
void LayerDepthAxis(platform::ChartFX& chart, int axisItem, const std::vector<float>& position,
                    int n);

// The number of layers a chart can draw from the grid: NumLayers when every array named
// holds it, else 0 (a grid that was refused or does not match its arrays draws nothing).
int DrawableLayers(const LayerGrid& grid, std::initializer_list<const std::vector<float>*> arrays);

// Empties a chart that has nothing to draw: no points and no labels or lines, so that it
// never shows what an earlier drawing left.
void ClearChart(platform::ChartFX& chart);

// The profile of chart digit ChartKind (0 qc, 1 fs, 2 friction ratio) of the layer grid,
// against depth when axisMode is 1 and elevation otherwise: layers 1 to NumLayers, none when
// the grid's arrays do not hold them all. nullopt for another digit.
std::optional<Profile> LayerProfile(int16_t ChartKind, const LayerGrid& grid, int16_t axisMode);

// Draws profile ChartKind of the layer grid on the chart. Another ChartKind opens and closes
// the chart's data for NumLayers points and writes nothing.
void ConeProfilePlot(int16_t ChartKind, platform::ChartFX& Chart, const LayerGrid& grid,
                     int16_t axisMode);

} // namespace strelvan
