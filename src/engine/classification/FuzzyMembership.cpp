#include "engine/classification/FuzzyMembership.h"

#include <cmath>

#include "engine/classification/SoilClassIndex.h"
#include "engine/state/ArraySizes.h"

namespace strelvan {

namespace {
// The published method writes its bell curves with this decimal base, not the exact e.
constexpr double kBase = 2.71828;

// Bell-shaped membership centred on c with width w.
double Bell(double U, double c, double w) {
    const double t = (U - c) / w;
    return std::pow(kBase, -0.5 * t * t);
}
} // namespace

FuzzyMemberships MembershipsFromIndex(double U) {
    FuzzyMemberships m;
    m.HPS = U > 2.6575 ? 1.0f : static_cast<float>(Bell(U, 2.6575, 0.834586));
    m.HPM = static_cast<float>(Bell(U, 1.35, 0.724307));
    m.HPC = U < -0.1775 ? 1.0f : static_cast<float>(Bell(U, -0.1775, 0.86332));
    return m;
}

int FuzzyMembership(LayerGrid& grid, ClassResults& results) {
    const int held = LayersHeldByAll(
        grid.NumLayers, {&results.SoilIndexU, &results.MuHPS, &results.MuHPM, &results.MuHPC});
    return GradeLayersByIndex(grid, held, [&](int k, std::optional<double> U) {
        const FuzzyMemberships m = U ? MembershipsFromIndex(*U) : FuzzyMemberships{};
        results.SoilIndexU[k] = U ? static_cast<float>(*U) : 0.0f;
        results.MuHPS[k] = m.HPS;
        results.MuHPM[k] = m.HPM;
        results.MuHPC[k] = m.HPC;
    });
}

} // namespace strelvan
