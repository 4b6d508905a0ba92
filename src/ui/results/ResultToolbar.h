#pragma once
// The toolbars of the result windows, built from their stored buttons, and their Zoom key.
#include <array>
#include <span>

#include "engine/state/Declarations.h"

class QAction;
class QMainWindow;
class QWidget;

namespace strelvan {

namespace platform {
class ChartFX;
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

// The Zoom key over the qc, fs and friction-ratio profiles. With none of them zoomed by the
// user: the message that asks for one, and the button's caption "Zoom All    ". Otherwise the
// button's caption tells what this press does: while it holds "All", every profile follows
// the zoomed one and the caption becomes "Zoom Out    "; after that all go back to their
// whole range and the caption becomes "Zoom All    " again.
void ZoomProfiles(QWidget* owner, const Declarations& decl, QAction& zoomButton,
                  platform::ChartFX* qc, platform::ChartFX* fs, platform::ChartFX* ratio);

} // namespace strelvan
