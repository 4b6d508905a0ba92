#pragma once
// The toolbars of the chart windows: their icons, drawn in code, and their keyed buttons.
#include <QIcon>
#include <initializer_list>
#include <optional>

class QMainWindow;

namespace strelvan {

namespace platform {
class Toolbar;
}

enum class ToolIcon { Back, DepthElevation, Zoom, Print, Export, Exit, Next };

QIcon ToolbarIcon(ToolIcon which);

struct ToolButton {
    const char* key; // empty: a button that reports nothing
    const char* caption;
    const char* toolTip;
    std::optional<ToolIcon> icon; // nullopt: a button with its caption alone
    int gapWidth = 0;             // width of the placeholder before it (0: the narrow default)
};

// The window's toolbar "Toolbar1" at its top, holding the buttons in order, each after an
// empty placeholder (so the buttons stand at the even positions 2, 4, ...).
platform::Toolbar* AddWindowToolbar(QMainWindow* window, std::initializer_list<ToolButton> buttons);

} // namespace strelvan
