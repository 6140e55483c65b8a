// Where the mouse pointer is on the screen.
#include "platform/ui/WinApi.h"

namespace {

POINT& pointer() {
    static POINT place{0, 0};
    return place;
}

}  // namespace

BOOL GetCursorPos(LPPOINT point) {
    if (!point)
        return FALSE;
    *point = pointer();
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    pointer() = POINT{x, y};
    return TRUE;
}
