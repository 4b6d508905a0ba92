#include "ui/results/ResultGrid.h"

#include "engine/classification/LayerGrid.h"
#include "platform/AppContext.h"
#include "platform/Form.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"

namespace strelvan {

bool LaySoundingOnGrid(Form& window) {
    Declarations& decl = window.Decl();
    // The windows showing results on the grid about to be replaced close with it.
    window.App().windows.ReleaseWindowsHolding(WindowRegistry::Holds::LayerGrid, &window);
    platform::SetMousePointer(platform::MousePointer::Hourglass);
    GridResult grid = InitIntervalArrays(decl.cone, decl.grid, decl.results, decl.props);
    if (grid.ok)
        grid = AverageLayers(decl.cone, decl.grid);
    if (grid.ok)
        return true;
    platform::SetMousePointer(platform::MousePointer::Default);
    platform::ShowMessage(grid.message, &window);
    window.Unload();
    return false;
}

} // namespace strelvan
