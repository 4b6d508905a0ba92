#include "engine/classification/SoilClassIndex.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/import/Units.h"
#include "engine/state/ArraySizes.h"

namespace strelvan {

std::optional<double> SoilClassIndex(double qcKgPerCm2, double ratioPercent) {
    if (!std::isfinite(qcKgPerCm2) || !std::isfinite(ratioPercent) || qcKgPerCm2 <= 0.0)
        return std::nullopt;
    const double f = ratioPercent;
    const double L = std::log(qcKgPerCm2) / std::log(10.0);
    return SoilClassIndexOfPoint(0.1539 * f + 0.887 * L - 3.35, -0.2957 * f + 0.4617 * L - 0.37);
}

std::optional<double> SoilClassIndexOfPoint(double X, double Y) {
    if (!std::isfinite(X) || !std::isfinite(Y))
        return std::nullopt;
    const double A = -0.269 * X + 0.759 * Y - 2.96;
    const double B = -0.759 * X - 0.269 * Y + 2.477;
    const double P = (15.202 - 11.345 * X + 3.795 * Y) * A;
    const double Q = (5.085 - 3.795 * X - 11.345 * Y) * B;
    const double D = A * A + B * B;
    // At the pole (A and B both 0) U has no value and no limit: every value, sandy or
    // clayey, occurs arbitrarily close to it.
    if (D == 0.0)
        return std::nullopt;
    const double U = -P / D - Q / D;
    // U is kept as a float; one that does not fit is as undefined as the pole itself.
    if (!std::isfinite(U) || std::fabs(U) > std::numeric_limits<float>::max())
        return std::nullopt;
    return U;
}

int GradeLayersByIndex(LayerGrid& grid, int resultLayers,
                       const std::function<void(int layer, std::optional<double> U)>& grade) {
    WorkToMetric(grid);
    // The same layers as the unit conversion, so that cleaning always sees metric values.
    const int cleaned =
        LayersHeldByAll(grid.NumLayers, {&grid.LayerDepth, &grid.LayerQc, &grid.LayerFs});
    const int graded =
        std::min({cleaned, resultLayers, LayersHeldByAll(grid.NumLayers, {&grid.LayerRatio})});
    int undefined = 0;
    for (int k = 1; k <= cleaned; ++k) {
        if (grid.LayerQc[k] <= 0.0f)
            grid.LayerQc[k] = 1.0f;
        if (grid.LayerFs[k] < 0.0f)
            grid.LayerFs[k] = 0.0f;
        if (k > graded)
            continue;
        const std::optional<double> U = SoilClassIndex(grid.LayerQc[k], grid.LayerRatio[k]);
        if (!U)
            ++undefined;
        grade(k, U);
    }
    WorkToEnglish(grid);
    return undefined;
}

} // namespace strelvan
