#include "engine/classification/LayerSoilTypes.h"

#include <array>

#include "engine/classification/Methods.h"

namespace strelvan {

std::string LayerSoilTypes(int16_t first, int16_t last, const ClassResults& results,
                           const ChartSelection& selection) {
    const MethodRow* method = MethodOfCode(selection.MethodCode);
    const int16_t divisor = selection.PointsPerLayer;
    if (method == nullptr || !method->DescribesLayers() || divisor <= 0)
        return {};
    const std::vector<int16_t>& types = results.*(method->types);
    const int n = method->typeCount;

    // Counter 0 takes the layers without a type and plays no further part.
    std::array<float, 17> share{};
    for (int i = first; i <= last; ++i) {
        if (i < 0 || static_cast<std::size_t>(i) >= types.size())
            return {};
        const int16_t type = types[static_cast<std::size_t>(i)];
        if (type < 0 || type > n)
            return {};
        share[static_cast<std::size_t>(type)] += 1.0f;
    }
    bool anyType = false;
    for (int j = 1; j <= n; ++j) {
        anyType = anyType || share[j] > 0.0f;
        share[j] = share[j] * 100.0f / static_cast<float>(divisor);
    }
    // Naming a soil for a run in which the chart found none would put a soil type on the
    // page that no reading supports.
    if (!anyType)
        return {};

    int16_t type1 = 1;
    for (int j = 2; j <= n; ++j)
        if (share[j] >= share[type1])
            type1 = static_cast<int16_t>(j);
    int16_t type2 = 0;
    float p2 = 0.0f;
    for (int j = 1; j <= n; ++j)
        if (j != type1 && share[j] >= p2) {
            type2 = static_cast<int16_t>(j);
            p2 = share[j];
        }
    return method->layerText(type1, share[type1], type2, p2);
}

} // namespace strelvan
