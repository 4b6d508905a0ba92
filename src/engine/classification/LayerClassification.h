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
// ton/ft2 and the friction ratio. The chart's limits apply to the look-up only: the grid
// keeps the layer values (a ratio of 8 stays 8 though it is classified as 5.99), so every
// window's profiles show the sounding's values. A layer on no zone of the chart gets type 0,
// as layer 0 keeps.
void ClassifySchmertmann(const LayerGrid& grid, ClassResults& results);

// Robertson et al. (1986) zones of layers NumLayers down to 1 into TypeRobert86, and Douglas
// and Olsen (1981) types into TypeOlsen. Both charts read qc in MPa: the layer's corrected
// tip resistance LayerQt / 10.44277. The friction ratio is the layer's own; as for the
// Schmertmann chart, the limits of each chart (Robertson: 0 to 7.9 above 8; Douglas and
// Olsen: 0.11 to 5.95) apply to the look-up only and the grid keeps its values.
void ClassifyRobert86(const LayerGrid& grid, ClassResults& results);
void ClassifyOlsen(const LayerGrid& grid, ClassResults& results);

} // namespace strelvan
