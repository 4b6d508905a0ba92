#include "engine/classification/SoilProbability.h"

#include <algorithm>

#include "engine/classification/SoilClassIndex.h"
#include "engine/state/ArraySizes.h"

namespace strelvan {

namespace {
// Inside this range of U the probabilities follow the fitted polynomials.
constexpr double kLowestFittedU = -0.14;
constexpr double kHighestFittedU = 2.91;

float Stored(double v) {
    return static_cast<float>(v);
}
} // namespace

SoilProbabilities ProbabilitiesFromIndex(double U) {
    SoilProbabilities p;
    if (U < kLowestFittedU) {
        p = {0.0035f, 0.0184f, 0.9781f};
    } else if (U > kHighestFittedU) {
        p = {0.9771f, 0.0229f, 0.0f};
    } else {
        const double U2 = U * U;
        const double U3 = U2 * U;
        p.Sand = Stored(0.00132408 + 0.0741935 * U + 0.0900763 * U2);
        p.Silt = Stored(0.147853 + 0.896769 * U - 0.499014 * U2 + 0.0611049 * U3);
        p.Clay = Stored(0.848617 - 0.841851 * U + 0.275413 * U2 - 0.0296526 * U3);
        p.Sand = std::max(p.Sand, 0.0035f);
        p.Silt = std::max(p.Silt, 0.0184f);
        p.Clay = std::max(p.Clay, 0.0f);
    }
    // The lower limits keep the sum at 0.0219 or more.
    const double S = static_cast<double>(p.Silt) + p.Sand + p.Clay;
    p.Sand = Stored(p.Sand * 100.0 / S);
    p.Silt = Stored(p.Silt * 100.0 / S);
    p.Clay = Stored(p.Clay * 100.0 / S);
    return p;
}

int SoilProbability(LayerGrid& grid, ClassResults& results) {
    const int held =
        LayersHeldByAll(grid.NumLayers, {&results.ProbSand, &results.ProbSilt, &results.ProbClay});
    return GradeLayersByIndex(grid, held, [&](int k, std::optional<double> U) {
        const SoilProbabilities p = U ? ProbabilitiesFromIndex(*U) : SoilProbabilities{};
        results.ProbSand[k] = p.Sand;
        results.ProbSilt[k] = p.Silt;
        results.ProbClay[k] = p.Clay;
    });
}

} // namespace strelvan
