#include "engine/charts/ProfileSeries.h"

#include <algorithm>

#include "engine/state/ArraySizes.h"

namespace strelvan {

int32_t HeldPoints(const ProfileSeries& series) {
    if (series.values.empty())
        return 0;
    const std::size_t size =
        std::min({series.depth.size(), series.position.size(), series.values.size()});
    return size == 0 ? 0 : std::clamp<int32_t>(series.held, 0, static_cast<int32_t>(size - 1));
}

int32_t PlottedPoints(const ProfileSeries& series) {
    return std::clamp<int32_t>(series.count, 0, HeldPoints(series));
}

ProfileSeries ReadingSeries(const ConeData& cone, const ConeData::Column* values, int32_t plotCount,
                            int16_t axisMode) {
    ProfileSeries series;
    series.depth = cone.Depth;
    series.position = axisMode == 1 ? std::span<const float>(cone.Depth) : cone.Elev;
    if (values != nullptr)
        series.values = *values;
    series.held = ReadingsHeld(cone);
    series.count = std::clamp<int32_t>(plotCount, 0, series.held);
    return series;
}

ProfileSeries LayerSeriesAt(const LayerGrid& grid, const std::vector<float>& values,
                            const std::vector<float>& position) {
    const int n = grid.NumLayers;
    const bool whole = n >= 1 && LayersHeldByAll(n, {&grid.LayerDepth, &position, &values}) == n;
    const int layers = whole ? n : 0;
    return {grid.LayerDepth, position, values, layers, layers};
}

ProfileSeries LayerSeries(const LayerGrid& grid, const std::vector<float>& values,
                          int16_t axisMode) {
    return LayerSeriesAt(grid, values, axisMode == 1 ? grid.LayerDepth : grid.LayerElev);
}

} // namespace strelvan
