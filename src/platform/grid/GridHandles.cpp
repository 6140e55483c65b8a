// Finding a grid window's control through the windowing system.
#include "platform/grid/GridHandles.h"

#include "platform/grid/GridWindow.h"
#include "platform/ui/WindowTree.h"

namespace grid {

GridControl* gridOf(HWND window) {
    auto* grid = dynamic_cast<GridWindow*>(ui::windowClassObject(window));
    return grid ? &grid->control() : nullptr;
}

}  // namespace grid
