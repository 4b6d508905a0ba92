#pragma once
// The scales of the curve charts of the probabilistic and fuzzy result windows: the width of
// their legend box and the top of the membership axis.
#include <cstdint>

#include "engine/state/Declarations.h"

namespace strelvan {

// The width of a curve chart's legend box from the screen's vertical twips per pixel: 2.3
// times it, rounded to the nearest whole number with halves to the even one (34 at 15 twips
// a pixel, 28 at 12). 0 for a value that is not a positive number, and never more than a
// 16-bit width holds.
int16_t LegendBoxWidth(double twipsPerPixel);

// The top of the membership axis of the fuzzy chart: the largest sum HPS + HPM + HPC, summed
// in single precision, over layers 1 to NumLayers (never past the membership arrays); 0
// when there is no layer.
float MembershipAxisMax(const ClassResults& results, int numLayers);

} // namespace strelvan
