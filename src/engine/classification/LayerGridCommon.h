#pragma once
// What the set-up of the layer grid and the averaging share: the checks of the readings,
// the refusals, and the re-creation of the grid arrays.
#include <cstddef>
#include <cstdint>

#include "engine/classification/LayerGrid.h"

namespace strelvan {

// Refuses a reading count outside 0 to 4000, a lastPoint outside 0 to NumPoints, and a
// sounding without readings; otherwise n is the last reading to use (NumPoints for 0).
GridResult CheckLastReading(const ConeData& cone, int16_t lastPoint, int& n,
                            GridUse use = GridUse::Classify);
// A pre-drilled sounding: its first reading lies deeper than one grid step, so its windows
// start at that reading rather than at the first step.
inline bool IsPreDrilled(const ConeData& cone, float thick) {
    return !(cone.Depth[1] <= thick);
}
GridResult NotSetUpRefusal();
GridResult TooLargeRefusal();
// Tip resistances so near 0 that the friction ratio does not fit a float.
GridResult TooSmallRefusal();

// The nine grid arrays re-created zero-filled with the given number of elements.
void RecreateGridArrays(LayerGrid& grid, std::size_t size);

} // namespace strelvan
