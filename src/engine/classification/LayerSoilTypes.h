#pragma once
// The description of a run of grid layers by its dominant soil types.
#include <cstdint>
#include <string>

#include "engine/state/Declarations.h"

namespace strelvan {

// Describes grid layers first to last (both included) under the chart method of
// selection.MethodCode (a method that describes layers, Methods.h) from the method's type
// array in results.
//
// Each type's percentage is its count of layers x 100 / selection.PointsPerLayer, whatever
// the length of the run: a short last block sums to less than 100, a long manual layer may
// pass 100. Layers without a type count for nothing. The first type has the highest
// percentage and the second type the next; ties go to the higher type number. The text is
// that of the method's layer text.
//
// The result is empty for the other methods, for a PointsPerLayer of 0 or less, for a run
// that reaches outside the type array or holds a type number outside the method's range,
// and for a run in which no layer has a type.
std::string LayerSoilTypes(int16_t first, int16_t last, const ClassResults& results,
                           const ChartSelection& selection);

} // namespace strelvan
