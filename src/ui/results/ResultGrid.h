#pragma once
// The first step of every result window that classifies on load: the sounding's readings
// laid on the layer grid.
namespace strelvan {

class Form;

// Sets the layer grid up afresh (which clears every earlier classification and property
// result, so every other window showing results on the grid closes) and averages the
// readings into it, with the hourglass pointer on; the caller puts the pointer back once it
// has drawn. A sounding the grid refuses is told to the user and the window unloads, since
// it would open with nothing to show: false.
bool LaySoundingOnGrid(Form& window);

} // namespace strelvan
