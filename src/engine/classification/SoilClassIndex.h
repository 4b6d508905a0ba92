#pragma once
// The soil classification index U of Zhang and Tumay (1999): a conformal transformation of
// log qc and the friction ratio to one number, high for sandy and low for clayey soil. The
// probabilistic and the fuzzy classifier both grade a layer by this index.
#include <functional>
#include <optional>

#include "engine/state/Declarations.h"

namespace strelvan {

// U for qc in kg/cm2 (above 0) and the friction ratio in percent, in double precision.
// Empty where U is not a number: at the pole of the transformation, or for a qc or ratio
// that is not finite. The pole needs a qc near 5e6 kg/cm2 with a friction ratio near -6 %,
// so no real reading comes close to it.
std::optional<double> SoilClassIndex(double qcKgPerCm2, double ratioPercent);
// The transformation itself, for the chart point X = 0.1539 f + 0.887 L - 3.35,
// Y = -0.2957 f + 0.4617 L - 0.37 (L = log10 qc); empty at the pole and where U would not
// fit a float.
std::optional<double> SoilClassIndexOfPoint(double X, double Y);

// Runs one metric classification pass over grid layers 1 to NumLayers: converts the layer
// arrays to m and kg/cm2, raises qc at or below 0 to 1 and clears negative fs (both kept in
// the grid), hands each layer's index to `grade` (empty where U is not defined), and
// converts back. `resultLayers` is the highest layer the caller's result arrays hold;
// layers above it are cleaned but not graded. Returns the number of layers graded without
// an index.
int GradeLayersByIndex(LayerGrid& grid, int resultLayers,
                       const std::function<void(int layer, std::optional<double> U)>& grade);

} // namespace strelvan
