#pragma once
// Probabilistic region estimation of Zhang and Tumay (1999): the probability, in percent,
// that a grid layer is sand, silt or clay, from its soil classification index U.
#include "engine/state/Declarations.h"

namespace strelvan {

struct SoilProbabilities {
    float Sand = 0.0f; // percent
    float Silt = 0.0f;
    float Clay = 0.0f;
};

// The three probabilities for one index U; they add up to 100.
SoilProbabilities ProbabilitiesFromIndex(double U);

// Fills ProbSand, ProbSilt and ProbClay of layers 1 to NumLayers (never past the arrays)
// and leaves qc at or below 0 raised to 1 kg/cm2 and negative fs cleared in the grid. A
// layer whose index is not defined gets 0 for all three: no estimate rather than an
// invented one. Returns the number of such layers.
int SoilProbability(LayerGrid& grid, ClassResults& results);

} // namespace strelvan
