#pragma once
// The soil layers of the automatic layer-text chart: the grid layers taken in blocks of
// PointsPerLayer from the top, each block described by one label and closed by a boundary
// line, placed by position values of the chart.
//
// The chart holds one point per grid layer, the deepest first: grid layer g stands at
// position value PlotPoints - g. A block's label stands at the position of its top layer and
// its line at the position of its bottom layer.
#include <cstdint>
#include <optional>
#include <vector>

namespace strelvan {

struct LayerBlock {
    int16_t top = 0;    // first grid layer of the block
    int16_t bottom = 0; // last grid layer
    float labelPosition = 0;
    std::optional<float> linePosition; // none for the block that reaches the last layer
};

struct LayerBlocks {
    // The number of described layers, B = Int(PlotPoints / PointsPerLayer), one more when the
    // rest of grid layers at the bottom is 6 or more: a rest of 5 or fewer is not described.
    int16_t count = 0;
    std::vector<LayerBlock> blocks;
};

// The blocks of grid layers 1 to plotPoints. nullopt, with nothing to describe, when
// PointsPerLayer is 0 or less or plotPoints lies outside 0 to 32767. The last block is cut
// at plotPoints, and the description stops after the block that reaches it.
std::optional<LayerBlocks> AutomaticLayerBlocks(int32_t plotPoints, int16_t pointsPerLayer);

// The point size of the layer labels: 7, or 6 when more than 30 layers are described.
int LayerLabelFontSize(int16_t textLayerCount);

} // namespace strelvan
