#include "engine/charts/CurveChartScale.h"

#include <algorithm>
#include <cmath>

#include "engine/state/ArraySizes.h"

namespace strelvan {

int16_t LegendBoxWidth(double twipsPerPixel) {
    if (!(twipsPerPixel > 0.0))
        return 0;
    // nearbyint rounds to the nearest, halves to the even neighbour.
    const double width = std::nearbyint(std::min(twipsPerPixel * 2.3, 32767.0));
    return static_cast<int16_t>(width);
}

float MembershipAxisMax(const ClassResults& results, int numLayers) {
    const int n = LayersHeldByAll(numLayers, {&results.MuHPS, &results.MuHPM, &results.MuHPC});
    float m = 0.0f;
    for (int k = 1; k <= n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const float s = results.MuHPC[i] + results.MuHPS[i] + results.MuHPM[i];
        if (m < s)
            m = s;
    }
    return m;
}

} // namespace strelvan
