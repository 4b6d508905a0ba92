#pragma once
// The charts that describe soil layers in words: a strip of one short bar per grid layer
// against depth, with a label at the top of each soil layer and a boundary line under it.
// Labels and lines are placed by position values of the strip (grid layer g at n - g, n the
// layers drawn) and stay at their depth when the chart is resized or printed.
#include <QString>

#include "engine/state/Declarations.h"

namespace strelvan {

namespace platform {
class ChartAnnotation;
class ChartAnnotationObject;
class ChartFX;
} // namespace platform

// Draws the strip of grid layers 1 to NumLayers, the deepest first, under the title, from the
// depth of layer 1 at the top to that of the last layer at the bottom. Returns the number of
// layers drawn: 0 when the grid holds none, and the chart is then emptied. The labels and
// lines of an earlier drawing are removed.
int DrawLayerStrip(platform::ChartFX& chart, const LayerGrid& grid, const QString& title);

// Adds a label to the list (attached to the chart it labels): a box of 500 by 20 at the plot's left
// edge and at the height of the position value, in blue Arial of the given size. The label is
// placed by the value itself, so it stays at its depth however the chart is laid out.
// nullptr, with nothing added, for a position that is not a whole 16-bit number when rounded.
platform::ChartAnnotationObject* AddLayerLabel(platform::ChartAnnotation& list, float position,
                                               const QString& text, int fontSize);

// Adds a blue boundary line across the plot at the height of the position value, from the
// plot's left edge and as wide as the plot; nullptr as for a label.
platform::ChartAnnotationObject* AddLayerLine(platform::ChartAnnotation& list, float position);

} // namespace strelvan
