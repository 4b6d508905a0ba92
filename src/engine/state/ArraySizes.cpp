#include "engine/state/ArraySizes.h"

namespace strelvan {

int LayersHeldByAll(int numLayers, std::initializer_list<const std::vector<float>*> arrays) {
    int n = std::max(numLayers, 0);
    for (const std::vector<float>* a : arrays)
        n = std::min<int>(n, a->empty() ? 0 : static_cast<int>(a->size()) - 1);
    return n;
}

} // namespace strelvan
