#pragma once
// The toolbars of the result windows, built from their stored buttons.
#include <array>
#include <span>

class QMainWindow;

namespace strelvan {

namespace platform {
class Toolbar;
} // namespace platform

struct ResultToolbarButton {
    const char* key; // nullptr: a separator
    const char* caption;
    const char* toolTip;
    int separatorWidth = 10; // of a separator, in pixels (0: the narrowest gap)
};

// The toolbar, as stored, of a result window without manual layers: Back, Depth/Elevation,
// Zoom, Print, Export and Exit at items 2, 5, 7, 9, 11 and 13 with separators between them
// (the one before Export of no width). The captions of Print, Export and Exit are the window's.
constexpr std::array<ResultToolbarButton, 14>
ReducedToolbar(const char* print, const char* exportCaption, const char* exit) {
    return {{{nullptr, nullptr, nullptr},
             {"Back", "Back      ", "Back to previous form"},
             {nullptr, nullptr, nullptr},
             {nullptr, nullptr, nullptr},
             {"YAxis", "Depth/Elevation", "Toggle between Depth/Elevation in Y Axis"},
             {nullptr, nullptr, nullptr},
             {"Zoom", "Zoom All     ", "Zoom all graphs"},
             {nullptr, nullptr, nullptr},
             {"Print", print, ""},
             {nullptr, nullptr, nullptr, 0},
             {"Export", exportCaption, ""},
             {nullptr, nullptr, nullptr},
             {"Exit", exit, "Exit the program"},
             {nullptr, nullptr, nullptr}}};
}

// The window's toolbar "Toolbar1" at its top, holding the buttons and separators in order;
// each keyed button has its caption, tool tip and icon, and a click reports its key.
platform::Toolbar* AddResultToolbar(QMainWindow* window,
                                    std::span<const ResultToolbarButton> buttons);

// Gives every keyed button back its caption as stored.
void RestoreCaptions(platform::Toolbar& toolbar, std::span<const ResultToolbarButton> buttons);

} // namespace strelvan
