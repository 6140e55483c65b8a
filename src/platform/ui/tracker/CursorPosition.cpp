// The last recorded mouse position.
#include "platform/ui/tracker/CursorPosition.h"

namespace tracker {
namespace {

struct MousePlace {
    HWND hwnd = nullptr;
    CPoint point;
};

MousePlace& mouse() {
    static MousePlace place;
    return place;
}

}  // namespace

void setMousePosition(HWND hwnd, CPoint point) {
    mouse() = MousePlace{hwnd, point};
}

std::optional<CPoint> mousePosition(HWND hwnd) {
    if (!hwnd || mouse().hwnd != hwnd)
        return std::nullopt;
    return mouse().point;
}

}  // namespace tracker
