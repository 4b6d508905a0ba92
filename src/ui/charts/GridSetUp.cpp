#include "ui/charts/GridSetUp.h"

#include "platform/AppContext.h"
#include "platform/Form.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"

namespace strelvan {

GridResult LaySoundingOnGrid(Form& window, GridUse use) {
    Declarations& decl = window.Decl();
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
