#pragma once
// What a result window does to the averaged layer grid before it draws: the clean-up of the
// layer values, and the classification of every layer by the window's chart method.
//
// Both work on layers 1 to NumLayers (layer 0 is left alone) and stop at the end of the
// shortest array they touch, so a grid whose arrays do not match its layer count is never
// read or written beyond them.
#include "engine/state/Declarations.h"

namespace strelvan {

// For each layer: a qc at or below 0 becomes 1; a negative fs becomes 0; the friction ratio
// becomes fs / qc x 100, formed in double and stored once, a value above 20 becoming 20
// (20 itself stays); and when a ground elevation was entered, the layer's elevation becomes the
// ground elevation less its depth.
void CleanGridLayers(LayerGrid& grid, float groundElev);

// The second half of the clean-up, for the windows whose classifier has already raised qc
// and cleared fs: the friction ratio of each layer from its qc and fs, capped at 20, and its
// elevation when a ground elevation was entered.
void UpdateRatioAndElevation(LayerGrid& grid, float groundElev);

// Schmertmann (1978) types of layers NumLayers down to 1 into TypeTumay02, from qc in
// ton/ft2 and the friction ratio. The classifier limits both values to its chart and the
// limits stay in LayerQc and LayerRatio (a ratio above 6 is kept as 5.99), so the profiles
// drawn afterwards show the values that were classified. A layer on no zone of the chart
// gets type 0, as layer 0 keeps.
void ClassifySchmertmann(LayerGrid& grid, ClassResults& results);

// Robertson et al. (1986) zones of layers NumLayers down to 1 into TypeRobert86, and Douglas
// and Olsen (1981) types into TypeOlsen. Both charts read qc in MPa: the layer's corrected
// tip resistance LayerQt / 10.44277, taken as a copy, so LayerQt itself and the cleaned
// LayerQc are not changed. The friction ratio is the layer's own, and the chart's limits stay
// in LayerRatio: Robertson keeps a ratio above 8 as 7.9 (and a negative one as 0); Douglas and
// Olsen keeps a ratio of 6 or more as 5.95 and one of 0.1 or less as 0.11.
void ClassifyRobert86(LayerGrid& grid, ClassResults& results);
void ClassifyOlsen(LayerGrid& grid, ClassResults& results);

} // namespace strelvan
