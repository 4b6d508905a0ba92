#include "engine/properties/SoilProperties.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <optional>

#include "engine/state/Numbers.h"

namespace strelvan {

namespace {

constexpr double kWaterUnitWeight = 0.0312; // ton/ft3

// One layer's value before it is stored; a layer whose formula divides by zero has none.
struct LayerValue {
    double value = 0.0;
    bool none = false;
};

PropertyResult Failed(PropertyStatus status, int layer) {
    return {false, status, layer};
}

// The loop every formula shares: for layers 1 to NumLayers (read once) the net cone
// resistance LayerQt - SigmaV as a single, the formula's value from it, stored as a single
// (NaN for a layer without value). The values go into `out` only when every layer succeeded.
template <class Formula>
PropertyResult FillLayers(const LayerGrid& grid, const SoilPropArrays& props,
                          std::initializer_list<const std::vector<float>*> inputs,
                          std::vector<float>& out, Formula formula) {
    const int n = grid.NumLayers;
    if (n < 1)
        return {};
    const auto need = static_cast<std::size_t>(n) + 1;
    if (grid.LayerQt.size() < need || props.SigmaV.size() < need || out.size() < need ||
        std::any_of(inputs.begin(), inputs.end(),
                    [need](const std::vector<float>* a) { return a->size() < need; }))
        return Failed(PropertyStatus::GridMismatch, 0);

    std::vector<float> values(static_cast<std::size_t>(n));
    int32_t withoutValue = 0;
    for (int i = 1; i <= n; ++i) {
        const float net = grid.LayerQt[i] - props.SigmaV[i];
        if (std::isnan(net))
            return Failed(PropertyStatus::InvalidOperation, i);
        if (std::isinf(net))
            return Failed(PropertyStatus::Overflow, i);
        const LayerValue v = formula(i, net);
        if (v.none) {
            values[static_cast<std::size_t>(i) - 1] = kNoPropertyValue;
            ++withoutValue;
            continue;
        }
        if (std::isnan(v.value))
            return Failed(PropertyStatus::InvalidOperation, i);
        const std::optional<float> stored = SingleOf(v.value);
        if (!stored)
            return Failed(PropertyStatus::Overflow, i);
        values[static_cast<std::size_t>(i) - 1] = *stored;
    }
    std::copy(values.begin(), values.end(), out.begin() + 1);
    PropertyResult done;
    done.withoutValue = withoutValue;
    return done;
}

LayerValue Quotient(double numerator, double denominator) {
    if (denominator == 0.0)
        return {0.0, true};
    return {numerator / denominator};
}

// The hydrostatic pore pressure at a depth, with the water table at tableDepth (ft).
double PorePressure(double depth, double tableDepth) {
    return kWaterUnitWeight * std::max(0.0, depth - tableDepth);
}

} // namespace

PropertyResult ConstrainedModulus(const LayerGrid& grid, SoilPropArrays& props) {
    return FillLayers(grid, props, {}, props.ConsModulus,
                      [](int, float net) { return LayerValue{4.0 * net}; });
}

PropertyResult UndrainedShearStrength(const LayerGrid& grid, SoilPropArrays& props) {
    return FillLayers(grid, props, {&props.Nk}, props.ShearStrength, [&props](int i, float net) {
        return Quotient(net, props.Nk[static_cast<std::size_t>(i)]);
    });
}

PropertyResult OverconsolidationRatio(const LayerGrid& grid, SoilPropArrays& props,
                                      const ProjectInfo& project) {
    const double table = project.GWTDepth;
    return FillLayers(
        grid, props, {&grid.LayerDepth}, props.OCR, [&grid, &props, table](int i, float net) {
            const auto k = static_cast<std::size_t>(i);
            const double effective = props.SigmaV[k] - PorePressure(grid.LayerDepth[k], table);
            if (!(effective > 0.0))
                return LayerValue{0.0, true};
            return LayerValue{0.33 * net / effective};
        });
}

} // namespace strelvan
