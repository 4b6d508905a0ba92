#pragma once
// The curve charts of the probabilistic and fuzzy result windows: three curves of per-layer
// results against depth, the deepest grid layer first, with a legend box naming them.
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "engine/state/Declarations.h"

namespace strelvan {

namespace platform {
class ChartFX;
}

struct DepthCurveChart {
    QString title{};
    std::array<QString, 3> legends{};
    std::array<const std::vector<float>*, 3> curves{}; // per grid layer
    bool legendOption = false;                         // the legend box's further setting
    int16_t setting7 = 50;
    int16_t setting5 = 5;
    std::optional<int16_t> lineWidth{}; // when set: thicker lines (ChartSetting16), no option 85
    // The value axis runs from 0 to valueMax; its top and step go on axis item valueAxis.
    int valueAxis = 0;
    double valueMax = 100;
    std::optional<double> valueStep{};
};

// Shows the chart's legend box at the width that suits the screen's twips per pixel.
void ShowLegendBox(platform::ChartFX& chart, double twipsPerPixel);

// Prints through `print` with a legend box on every chart, on the page only. Each legend
// stands under its plot, so that every plot keeps the width of its column as on any other
// page; the charts on show are laid out for the page at one width (wider than on screen only
// where a legend needs it to show its texts whole), so that their plots stay level.
// Afterwards each chart is on screen exactly as it was.
void PrintWithLegendBoxes(std::span<platform::ChartFX* const> charts, double twipsPerPixel,
                          const std::function<void()>& print);

// Draws the three curves of grid layers 1 to NumLayers: point i of each series is grid layer
// NumLayers - i at its depth, whatever the depth/elevation mode of the window; layer 0 is
// never drawn. A grid whose arrays do not hold NumLayers layers leaves the chart with its
// settings and no points.
void DrawDepthCurves(platform::ChartFX& chart, const LayerGrid& grid, const DepthCurveChart& curves,
                     double twipsPerPixel);

} // namespace strelvan
