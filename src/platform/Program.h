#pragma once
// Ending the program and the mouse pointer.
#include <functional>

namespace strelvan::platform {

// Ends the program at once (the event loop stops; no window is asked).
void EndProgram();
// Tests install a hook that records the end instead; an empty hook restores the real one.
void SetEndProgramHook(std::function<void()> hook);

enum class MousePointer { Default, Hourglass };
// The pointer for the whole program; setting the same pointer twice is harmless.
void SetMousePointer(MousePointer pointer);
MousePointer CurrentMousePointer();

} // namespace strelvan::platform
