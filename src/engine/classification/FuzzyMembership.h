#pragma once
// Fuzzy classification of Zhang and Tumay (1999): the memberships of a grid layer in the
// sandy (HPS), middle (HPM) and clayey (HPC) class, from its soil classification index U.
#include "engine/state/Declarations.h"

namespace strelvan {

struct FuzzyMemberships {
    float HPS = 0.0f; // each 0 to 1
    float HPM = 0.0f;
    float HPC = 0.0f;
};

// The three memberships for one index U.
FuzzyMemberships MembershipsFromIndex(double U);

// Fills SoilIndexU, MuHPS, MuHPM and MuHPC of layers 1 to NumLayers (never past the arrays)
// and leaves qc at or below 0 raised to 1 kg/cm2 and negative fs cleared in the grid. A
// layer whose index is not defined belongs to no class: its index and its three
// memberships are 0. Returns the number of such layers.
int FuzzyMembership(LayerGrid& grid, ClassResults& results);

} // namespace strelvan
