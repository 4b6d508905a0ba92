#pragma once
// What one profile chart plots: a quantity against depth or elevation, point by point. The
// profile windows plot readings of the sounding, the result windows layers of the grid, the
// property plot a soil property of each layer; every one is drawn, zoomed and printed from
// this one description.
#include <cstdint>
#include <span>
#include <vector>

#include "engine/state/Declarations.h"

namespace strelvan {

// Points 1 to count of the points 1 to held that exist (index 0 is never a point); point i is
// the value values[i] at the depth depth[i], drawn at position[i] on the vertical axis (its
// depth, or its elevation in elevation mode). Empty values: the chart plots no points.
struct ProfileSeries {
    std::span<const float> depth;
    std::span<const float> position;
    std::span<const float> values;
    int32_t count = 0;
    int32_t held = 0;
};

// The points of the series that exist: within its held count and every array it reads
// (0 without values).
int32_t HeldPoints(const ProfileSeries& series);
// The points the series plots: its count within the points that exist.
int32_t PlottedPoints(const ProfileSeries& series);

// Readings 1 to plotCount (within NumPoints) of a column (nullptr: no values), against depth
// (axisMode 1) or elevation.
ProfileSeries ReadingSeries(const ConeData& cone, const ConeData::Column* values, int32_t plotCount,
                            int16_t axisMode);

// Grid layers 1 to NumLayers of a layer array, against depth (axisMode 1) or elevation; no
// layer when an array does not hold them all (a grid refused or not matching its arrays).
ProfileSeries LayerSeries(const LayerGrid& grid, const std::vector<float>& values,
                          int16_t axisMode);

// Grid layers 1 to NumLayers of a layer array drawn at the positions given (one per layer,
// index 0 unused); no layer when an array does not hold them all.
ProfileSeries LayerSeriesAt(const LayerGrid& grid, const std::vector<float>& values,
                            const std::vector<float>& position);

} // namespace strelvan
