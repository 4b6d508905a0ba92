#pragma once
// The soil layers that the user sets by hand, from the top of the sounding down, one layer at
// a time in steps of one grid layer. A layer runs from its top grid layer to its bottom grid
// layer; a new layer starts right under the one before with PointsPerLayer grid layers, and
// the bottom of the current layer moves down or up one grid layer at a time.
//
// The walk keeps the last grid layer it started with: whatever is drawn elsewhere in the
// meantime, its layers stay within grid layers 1 to that last layer, and every step that
// would leave them, or turn a layer upside down, is refused and changes nothing.
#include <cstdint>
#include <map>
#include <optional>

namespace strelvan {

struct ManualLayerWalk {
    int16_t LastLayer = 0;   // the last grid layer (the grid's NumLayers at the start)
    int16_t LayerTop = 0;    // first grid layer of the current layer
    int16_t LayerBottom = 0; // last grid layer of the current layer
    int16_t LayerNo = 0;     // number of the current layer, from 1
    // The bottom grid layer of each layer by its number: the finished layers and the current.
    std::map<int16_t, int16_t> LayerDict;
};

// Layer 1: grid layers 1 to PointsPerLayer, cut at the last grid layer when the sounding is
// shorter. nullopt when there is no grid layer or PointsPerLayer is below 1.
std::optional<ManualLayerWalk> StartManualLayers(int16_t lastLayer, int16_t pointsPerLayer);

// Whether the current layer reaches the last grid layer: no layer can follow it.
bool AtFoot(const ManualLayerWalk& walk);

// The next layer: from the grid layer under the current bottom, PointsPerLayer grid layers,
// cut at the last grid layer; it becomes the current layer with the next number. False, with
// nothing changed, at the foot or for a PointsPerLayer below 1.
bool NextManualLayer(ManualLayerWalk& walk, int16_t pointsPerLayer);

// Moves the bottom of the current layer one grid layer down (step +1) or up (step -1). False,
// with nothing changed, below the last grid layer, above the layer's own top, or for another
// step.
bool MoveManualBottom(ManualLayerWalk& walk, int step);

// Back to the layer before, with the bounds it was left with; the current layer is dropped.
// False, with nothing changed, on layer 1.
bool PreviousManualLayer(ManualLayerWalk& walk);

// Whether the current layer is thinner than PointsPerLayer grid layers: it is at (or under)
// its start size, and its bottom is not moved further up.
bool BelowStartSize(const ManualLayerWalk& walk, int16_t pointsPerLayer);

// The point size of the current layer's label: 7, or 6 once the sounding's last grid layer is
// more than 30 times the layer's span (bottom less top) of grid layers. A layer of one grid
// layer has no span and is labelled at 7.
int ManualLabelFontSize(const ManualLayerWalk& walk);

} // namespace strelvan
