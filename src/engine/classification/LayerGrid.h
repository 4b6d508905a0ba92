#pragma once
// The fixed grid of thin layers (0.328 ft, about 0.1 m) along a sounding, and the averaging
// of the readings into it. Every classification, layer description and soil property works
// on this grid, not on the raw readings.
//
// How a window uses it (each result window that classifies, and the soil-factor window):
//
//     GridResult r = InitIntervalArrays(d.cone, d.grid, d.results, d.props);
//     if (r.ok)
//         r = AverageLayers(d.cone, d.grid);
//     if (!r.ok) {
//         show r.message;   // and classify, draw or describe no layer
//         ...
//     }
//
// A sounding is refused when it has no readings, when it gives fewer than 2 grid layers
// (layer 1 takes its values from layer 2), when it gives more layers than the 16-bit layer
// count holds (a last depth beyond 32767 x 0.328 ft), when the last reading asked for lies
// outside the readings, or when a layer value does not fit a single-precision number (the
// readings are too large, or the tip resistance too near 0 for the friction ratio). The
// refusals are worded for what the user is doing: classifying, or estimating soil
// properties. A refusal always leaves the empty grid: NumLayers 0 and every array the call
// re-creates holding one element (index 0, zero). A window that loops over layers 1 to
// NumLayers then reads nothing, and no index beyond the arrays is ever in reach. The grid
// itself never shows anything: the window shows the message it is handed.
#include <cstdint>
#include <string>

#include "engine/state/Declarations.h"
#include "engine/state/Message.h"

namespace strelvan {

enum class GridStatus {
    Ready,           // the grid is set up (or filled)
    NoReadings,      // the sounding holds no reading
    TooShort,        // the last depth gives fewer than 2 layers
    TooDeep,         // the last depth gives more layers than a 16-bit count holds
    OutsideReadings, // lastPoint (or NumPoints) lies outside the readings
    NotSetUp,        // AverageLayers on a grid that InitIntervalArrays did not set up
    TooLarge,        // a sum, average or friction ratio does not fit a float
    TooSmall,        // a tip resistance so near 0 that the friction ratio does not fit a float
};

// What the grid is laid for; it decides only the wording of a refusal.
enum class GridUse { Classify, SoilProperties };

struct GridResult {
    bool ok = true;
    GridStatus status = GridStatus::Ready;
    Message message; // what the window shows when ok is false
};

// Sets LayerThick to 0.328 ft and NumLayers so that the grid ends with the sounding: d being
// the depth of reading lastPoint (NumPoints when lastPoint is 0), NumLayers is Int(d /
// LayerThick) for a sounding from the surface (first reading at 0.328 ft or less), and
// Int((d - first depth) / LayerThick) + 1 for a pre-drilled sounding, whose windows start at
// its first reading. Either way the last window ends at or above the last reading. Then
// re-creates zero-filled every per-layer array of the grid, of the classification results and
// of the soil properties, indexed 0 to NumLayers. This clears every earlier grid,
// classification result and soil property, and starts a new generation of the grid, also when
// the sounding is refused.
GridResult InitIntervalArrays(const ConeData& cone, LayerGrid& grid, ClassResults& results,
                              SoilPropArrays& props, int16_t lastPoint = 0,
                              GridUse use = GridUse::Classify);

// A new sounding was read: the grid, and what was made on it, belong to the one before
// (a new generation, until the grid is set up again).
void SoundingReplaced(LayerGrid& grid);

// Fills grid layers 1 to NumLayers (LayerDepth, LayerQc, LayerQt, LayerFs, LayerU1 to
// LayerU3 and LayerRatio; LayerElev is left alone) with the averages of readings 1 to
// lastPoint (NumPoints when 0). Window k >= 2 is (top, top + LayerThick], the tops stepping
// down by LayerThick from LayerThick, or from the first reading's depth when that is deeper;
// an empty window repeats the layer above it, and layer 1 repeats layer 2.
// LayerQt is a copy of LayerQc unless a pore-pressure column holds u2.
GridResult AverageLayers(const ConeData& cone, LayerGrid& grid, int16_t lastPoint = 0);

// A grid layer's depth as the program shows it: to the thousandth of a foot, the precision of
// the grid's step of 0.328 ft, without trailing zeros; the single-precision sums that step down
// the grid carry noise beyond it (5.7400007 -> "5.74", 8.036001 -> "8.036", 3.28 -> "3.28").
std::string LayerDepthText(float depth);

} // namespace strelvan
