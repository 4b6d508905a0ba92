#pragma once
// The first step of every window that works on the layer grid (the result windows that
// classify on load, and the soil factors): the sounding's readings laid on a grid set up
// afresh.
#include "engine/classification/LayerGrid.h"

namespace strelvan {

class Form;

// Sets the layer grid up afresh (which clears every earlier classification and property
// result, so every other window showing results on the grid closes) and averages the
// readings into it, with the hourglass pointer on; the caller puts the pointer back once it
// has drawn. A sounding the grid refuses is told to the user in the words of the use and the
// window unloads, since it would open with nothing to show.
//
// When a window that would close shows layers set by hand, the user is asked first; on Cancel
// nothing changes (the grid and its windows stay, no message follows) and this window
// unloads: the result is not ok and its message is empty.
GridResult LaySoundingOnGrid(Form& window, GridUse use = GridUse::Classify);

} // namespace strelvan
