// The border, scroll bar and client area measures of a grid window.
#include "platform/grid/GridLayout.h"

#include <algorithm>

namespace grid {

int borderWidth(int appearance) {
    switch (appearance) {
        case kAppearanceFlat:
            return 1;
        case kAppearanceThreeD:
            return 2;
        default:
            return 0;
    }
}

ScrollBarSizes scrollBarSizes(const GridSettings& settings) {
    ScrollBarSizes sizes;
    if (settings.option(kOptionVerticalScrollBar))
        sizes.verticalWidth = kScrollBarSize;
    if (settings.option(kOptionHorizontalScrollBar))
        sizes.horizontalHeight = kScrollBarSize;
    return sizes;
}

ClientArea clientArea(const GridControl& grid) {
    const int border = borderWidth(grid.settings().appearance);
    return {std::max(grid.windowWidth() - 2 * border, 0),
            std::max(grid.windowHeight() - 2 * border, 0)};
}

}  // namespace grid
