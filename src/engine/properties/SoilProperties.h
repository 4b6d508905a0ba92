#pragma once
// The soil properties estimated per grid layer from the layer-averaged corrected tip
// resistance qt and the total vertical stress: the constrained modulus, the undrained shear
// strength and the overconsolidation ratio.
//
// Each formula works on layers 1 to NumLayers, the count read once; index 0 and every index
// beyond NumLayers stay as they are. A layer whose formula divides by zero (a zero Nk, a
// layer without effective vertical stress) has no value: it holds kNoPropertyValue and the
// chart leaves it out. A layer whose value cannot be computed otherwise (an overflow, an
// operation that gives no number) fails the whole formula: the array is left as it was and
// the caller draws no property chart. With NumLayers below 1 nothing is computed and the
// formula succeeds.
#include <cstdint>
#include <limits>
#include <vector>

#include "engine/state/Declarations.h"

namespace strelvan {

// What a layer without value holds (quiet NaN, never a number a formula gives).
inline constexpr float kNoPropertyValue = std::numeric_limits<float>::quiet_NaN();

enum class PropertyStatus {
    Ready,            // every layer computed
    Overflow,         // a value beyond the range of a single-precision number
    InvalidOperation, // a value that is no number
    GridMismatch,     // an array holds fewer layers than NumLayers
};

struct PropertyResult {
    bool ok = true;
    PropertyStatus status = PropertyStatus::Ready;
    int layer = 0;            // the layer that failed
    int32_t withoutValue = 0; // layers left without value by a zero denominator
};

// ConsModulus = 4 x (LayerQt - SigmaV), ton/ft2. The net resistance is not clamped: a layer
// whose vertical stress exceeds its cone resistance gets a negative modulus.
PropertyResult ConstrainedModulus(const LayerGrid& grid, SoilPropArrays& props);

// ShearStrength = (LayerQt - SigmaV) / Nk, ton/ft2.
PropertyResult UndrainedShearStrength(const LayerGrid& grid, SoilPropArrays& props);

// OCR = 0.33 x (LayerQt - SigmaV) / effective vertical stress. The effective stress is SigmaV
// less the hydrostatic pore pressure, 0.0312 ton/ft3 (the unit weight of water) times the
// layer's depth below the ground-water table (GWTDepth of the project, ft; 0, an empty box,
// puts it at the ground surface); above the table it is SigmaV itself. A layer whose effective
// stress is not above 0 has no value: the ratio has no meaning there.
PropertyResult OverconsolidationRatio(const LayerGrid& grid, SoilPropArrays& props,
                                      const ProjectInfo& project);

} // namespace strelvan
