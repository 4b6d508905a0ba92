#include "ui/charts/GridSetUp.h"

#include <algorithm>

#include "platform/AppContext.h"
#include "platform/Form.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"

namespace strelvan {

namespace {
const Message kHandSetLayersLost{" The layers set with 'Manual Layers' will be lost.. Continue ? ",
                                 " Data Plot Message", MsgIcon::Question, MsgButtons::OkCancel};

// Whether the windows that a new grid closes may close: a window on show with layers set by
// hand is closed only when the user agrees.
bool MayCloseWindowsOnTheGrid(Form& window) {
    const std::vector<Form*> closing =
        window.App().windows.WindowsHolding(WindowRegistry::Holds::LayerGrid, &window);
    if (std::none_of(closing.begin(), closing.end(),
                     [](const Form* f) { return f->HoldsHandSetLayers(); }))
        return true;
    return platform::ShowMessage(kHandSetLayersLost, &window) == platform::MsgAnswer::Ok;
}
} // namespace

GridResult LaySoundingOnGrid(Form& window, GridUse use) {
    Declarations& decl = window.Decl();
    if (!MayCloseWindowsOnTheGrid(window)) {
        // Everything stays as it was: the grid, the windows on it, and nothing opens.
        window.Unload();
        return {false, GridStatus::NotSetUp, {}};
    }
    // The windows showing results on the grid about to be replaced close with it.
    window.App().windows.ReleaseWindowsHolding(WindowRegistry::Holds::LayerGrid, &window);
    platform::SetMousePointer(platform::MousePointer::Hourglass);
    GridResult grid = InitIntervalArrays(decl.cone, decl.grid, decl.results, decl.props, 0, use);
    if (grid.ok)
        grid = AverageLayers(decl.cone, decl.grid);
    if (grid.ok)
        return grid;
    platform::SetMousePointer(platform::MousePointer::Default);
    platform::ShowMessage(grid.message, &window);
    window.Unload();
    return grid;
}

} // namespace strelvan
