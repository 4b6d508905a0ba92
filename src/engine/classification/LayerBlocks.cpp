#include "engine/classification/LayerBlocks.h"

namespace strelvan {

namespace {
// A rest of more grid layers than this at the bottom becomes one shorter layer.
constexpr int32_t kRestDescribed = 5;
constexpr int32_t kMaxLayers = 32767;
constexpr int16_t kLargeLabelsUpTo = 30;
} // namespace

std::optional<LayerBlocks> AutomaticLayerBlocks(int32_t plotPoints, int16_t pointsPerLayer) {
    if (pointsPerLayer <= 0 || plotPoints < 0 || plotPoints > kMaxLayers)
        return std::nullopt;
    LayerBlocks result;
    int32_t count = plotPoints / pointsPerLayer;
    if (plotPoints % pointsPerLayer > kRestDescribed)
        ++count;
    result.count = static_cast<int16_t>(count);
    int32_t top = 1;
    for (int32_t j = 1; j <= count; ++j) {
        const int32_t bottom =
            top + pointsPerLayer - 1 <= plotPoints ? top + pointsPerLayer - 1 : plotPoints;
        LayerBlock block;
        block.top = static_cast<int16_t>(top);
        block.bottom = static_cast<int16_t>(bottom);
        block.labelPosition = static_cast<float>(plotPoints - top);
        if (plotPoints - bottom > 0)
            block.linePosition = static_cast<float>(plotPoints - bottom);
        result.blocks.push_back(block);
        if (!block.linePosition)
            break;
        top = bottom + 1;
    }
    return result;
}

int LayerLabelFontSize(int16_t textLayerCount) {
    return textLayerCount <= kLargeLabelsUpTo ? 7 : 6;
}

} // namespace strelvan
