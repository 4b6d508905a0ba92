#pragma once
// How far the shared arrays may be walked: a count that a caller or an earlier step left
// outside what the arrays hold never carries a loop past their end.
#include <algorithm>
#include <initializer_list>
#include <vector>

#include "engine/state/Declarations.h"

namespace strelvan {

// A count of readings within what the reading arrays hold: 0 to 4000.
inline int ReadingsHeld(int count) {
    return std::clamp(count, 0, ConeData::kMaxPoints);
}
inline int ReadingsHeld(const ConeData& cone) {
    return ReadingsHeld(cone.NumPoints);
}

// The highest layer that every array holds, never above NumLayers.
int LayersHeldByAll(int numLayers, std::initializer_list<const std::vector<float>*> arrays);

} // namespace strelvan
