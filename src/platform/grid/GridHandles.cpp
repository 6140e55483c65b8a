// The table of grid windows and their controls.
#include "platform/grid/GridHandles.h"

#include <unordered_map>

namespace grid {
namespace {

std::unordered_map<HWND, GridControl*>& table() {
    static std::unordered_map<HWND, GridControl*> grids;
    return grids;
}

}  // namespace

bool registerGrid(HWND window, GridControl& control) {
    return window != nullptr && table().emplace(window, &control).second;
}

void unregisterGrid(HWND window) {
    table().erase(window);
}

GridControl* gridOf(HWND window) {
    const auto found = table().find(window);
    return found == table().end() ? nullptr : found->second;
}

}  // namespace grid
