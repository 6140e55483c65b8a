// The grid library's option and window setting functions.
#include "platform/grid/SSOptions.h"

#include "platform/grid/GridHandles.h"
#include "platform/grid/GridLayout.h"

using grid::GridControl;

namespace {

constexpr int kLargestVirtualKey = 255;

// Changes a setting when `valid` holds; repaints after it.
template <typename Change>
BOOL changeSettings(HWND window, bool valid, Change change) {
    GridControl* grid = grid::gridOf(window);
    if (!grid || !valid)
        return 0;
    change(grid->settings());
    grid->invalidate();
    return 1;
}

}  // namespace

BOOL SSSetBool(HWND window, int index, BOOL value) {
    GridControl* grid = grid::gridOf(window);
    if (!grid || !grid->setOption(index, value != 0))
        return 0;
    grid->invalidate();
    return 1;
}

BOOL SSGetBool(HWND window, int index) {
    const GridControl* grid = grid::gridOf(window);
    return grid && grid->option(index) ? 1 : 0;
}

BOOL SSSetAppearance(HWND window, int appearance) {
    return changeSettings(window, grid::isValidAppearance(appearance),
                          [&](grid::GridSettings& s) { s.appearance = appearance; });
}

int SSGetAppearance(HWND window) {
    const GridControl* grid = grid::gridOf(window);
    return grid ? grid->settings().appearance : -1;
}

BOOL SSSetSelColor(HWND window, COLORREF background, COLORREF foreground) {
    return changeSettings(window, true, [&](grid::GridSettings& s) {
        if (background != SS_COLOR_UNCHANGED)
            s.selectionBackground = background & 0xFFFFFF;
        if (foreground != SS_COLOR_UNCHANGED)
            s.selectionForeground = foreground & 0xFFFFFF;
    });
}

BOOL SSGetSelColor(HWND window, COLORREF& background, COLORREF& foreground) {
    const GridControl* grid = grid::gridOf(window);
    if (!grid)
        return 0;
    background = grid->settings().selectionBackground;
    foreground = grid->settings().selectionForeground;
    return 1;
}

BOOL SSSetBackColorStyle(HWND window, int style) {
    return changeSettings(window, grid::isValidBackColorStyle(style),
                          [&](grid::GridSettings& s) { s.backColorStyle = style; });
}

int SSGetBackColorStyle(HWND window) {
    const GridControl* grid = grid::gridOf(window);
    return grid ? grid->settings().backColorStyle : -1;
}

BOOL SSSetGridType(HWND window, int type) {
    return changeSettings(window, grid::isValidGridType(type),
                          [&](grid::GridSettings& s) { s.gridType = type; });
}

int SSGetGridType(HWND window) {
    const GridControl* grid = grid::gridOf(window);
    return grid ? grid->settings().gridType : -1;
}

BOOL SSSetGridColor(HWND window, COLORREF color) {
    return changeSettings(window, true,
                          [&](grid::GridSettings& s) { s.gridColor = color & 0xFFFFFF; });
}

BOOL SSGetGridColor(HWND window, COLORREF& color) {
    const GridControl* grid = grid::gridOf(window);
    if (!grid)
        return 0;
    color = grid->settings().gridColor;
    return 1;
}

BOOL SSSetActionKey(HWND window, int action, BOOL shift, BOOL control, int virtualKey) {
    const bool valid = action >= 0 && action < grid::kActionCount && virtualKey >= 0 &&
                       virtualKey <= kLargestVirtualKey;
    return changeSettings(window, valid, [&](grid::GridSettings& s) {
        s.actionKeys[static_cast<size_t>(action)] = grid::ActionKey{
            virtualKey, virtualKey != 0 && shift != 0, virtualKey != 0 && control != 0};
    });
}

BOOL SSGetActionKey(HWND window, int action, BOOL& shift, BOOL& control, int& virtualKey) {
    const GridControl* grid = grid::gridOf(window);
    if (!grid || action < 0 || action >= grid::kActionCount)
        return 0;
    const grid::ActionKey& key = grid->settings().actionKeys[static_cast<size_t>(action)];
    shift = key.shift ? 1 : 0;
    control = key.control ? 1 : 0;
    virtualKey = key.virtualKey;
    return 1;
}

BOOL SSReset(HWND window) {
    GridControl* grid = grid::gridOf(window);
    if (!grid)
        return 0;
    grid->reset();
    return 1;
}

BOOL SSGetTextTip(HWND window, SS_TEXTTIP& tip) {
    const GridControl* grid = grid::gridOf(window);
    if (!grid)
        return 0;
    tip = grid->settings().textTip;
    return 1;
}

BOOL SSSetTextTip(HWND window, const SS_TEXTTIP& tip) {
    return changeSettings(window, grid::isValidTextTip(tip),
                          [&](grid::GridSettings& s) { s.textTip = tip; });
}

BOOL SSGetScrollBarSize(HWND window, int& verticalWidth, int& horizontalHeight) {
    const GridControl* grid = grid::gridOf(window);
    if (!grid)
        return 0;
    const grid::ScrollBarSizes sizes = grid::scrollBarSizes(grid->settings());
    verticalWidth = sizes.verticalWidth;
    horizontalHeight = sizes.horizontalHeight;
    return 1;
}

BOOL SSGetClientArea(HWND window, int& width, int& height) {
    const GridControl* grid = grid::gridOf(window);
    if (!grid)
        return 0;
    const grid::ClientArea area = grid::clientArea(*grid);
    width = area.width;
    height = area.height;
    return 1;
}
