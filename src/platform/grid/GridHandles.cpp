// Finding a grid window's control through the windowing system.
#include "platform/grid/GridHandles.h"

#include "platform/grid/GridWindow.h"
#include "platform/ui/WindowTree.h"

namespace grid {
namespace {

// The grid found last: an evaluation reads and writes the cells of one sheet
// thousands of times in a row, each time by its handle. The entry is used only
// while the window object still holds that handle (it lets go of it before its
// window is retired), and a grid window forgets itself when it is destroyed,
// so the entry never names a window that is gone.
struct LastGrid {
    HWND handle = nullptr;
    GridWindow* window = nullptr;
};

LastGrid& lastGrid() {
    static LastGrid last;
    return last;
}

}  // namespace

GridControl* gridOf(HWND window) {
    LastGrid& last = lastGrid();
    if (window && window == last.handle && last.window->m_hWnd == window)
        return &last.window->control();
    auto* grid = dynamic_cast<GridWindow*>(ui::windowClassObject(window));
    if (!grid)
        return nullptr;
    last = LastGrid{window, grid};
    return &grid->control();
}

void forgetGridWindow(const GridWindow* window) {
    if (lastGrid().window == window)
        lastGrid() = LastGrid{};
}

}  // namespace grid
