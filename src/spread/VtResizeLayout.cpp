// VtResizeLayout: controls that follow a resized dialog.
#include "spread/VtResizeLayout.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/WinApi.h"
#include "platform/ui/WinConstants.h"

namespace {

constexpr const wchar_t* kToolbarClass = L"ToolbarWindow32";

Tvx_String classNameOf(HWND window) {
    wchar_t buffer[256] = {};
    const int length = GetClassName(window, buffer, 256);
    return Tvx_String(std::wstring(buffer, static_cast<size_t>(std::max(length, 0))));
}

int scaled(int position, int recordedExtent, int newExtent) {
    if (recordedExtent == 0)
        return position;
    return static_cast<int>(
        std::lround(static_cast<double>(position) * newExtent / recordedExtent));
}

}  // namespace

VtResizeLayout::Span VtResizeLayout::place(Span recorded, int flags, int recordedExtent,
                                           int newExtent) {
    const int growth = newExtent - recordedExtent;
    Span result{};
    if ((flags & kKeepNearEdge) != 0) {
        result.nearEdge = recorded.nearEdge;
    } else if ((flags & kKeepSize) != 0 && (flags & kFollowFarEdge) != 0) {
        result.nearEdge = recorded.nearEdge + growth;
    } else {
        result.nearEdge = scaled(recorded.nearEdge, recordedExtent, newExtent);
    }
    if ((flags & kFollowFarEdge) != 0) {
        result.farEdge = recorded.farEdge + growth;
    } else if ((flags & kKeepSize) != 0) {
        result.farEdge = result.nearEdge + (recorded.farEdge - recorded.nearEdge);
    } else {
        result.farEdge = scaled(recorded.farEdge, recordedExtent, newExtent);
    }
    return result;
}

bool VtResizeLayout::record(HWND dialog) {
    RECT rect{};
    if (!IsWindow(dialog) || !GetWindowRect(dialog, &rect))
        return false;
    dialog_ = dialog;
    dialogRect_ = rect;
    children_.clear();
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
        addChild(child);
    return true;
}

bool VtResizeLayout::addControl(HWND window) {
    if (dialog_ == nullptr || !IsWindow(window))
        return false;
    const bool known = std::any_of(children_.begin(), children_.end(),
                                   [&](const Child& c) { return c.window == window; });
    return !known && addChild(window);
}

bool VtResizeLayout::addChild(HWND window) {
    if (classNameOf(window).equal(kToolbarClass, false))
        return false;
    RECT rect{};
    if (!GetWindowRect(window, &rect))
        return false;
    POINT topLeft{rect.left, rect.top};
    POINT bottomRight{rect.right, rect.bottom};
    ScreenToClient(dialog_, &topLeft);
    ScreenToClient(dialog_, &bottomRight);
    children_.push_back(Child{window, CRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y)});
    return true;
}

bool VtResizeLayout::setFlags(int controlId, int horizontal, int vertical) {
    bool found = false;
    for (Child& child : children_) {
        if (GetDlgCtrlID(child.window) == controlId) {
            child.horizontal = horizontal;
            child.vertical = vertical;
            found = true;
        }
    }
    return found;
}

void VtResizeLayout::setFlagsForAll(int horizontal, int vertical) {
    for (Child& child : children_) {
        child.horizontal = horizontal;
        child.vertical = vertical;
    }
}

int VtResizeLayout::setFlagsForClass(const Tvx_String& className, int horizontal, int vertical) {
    int matched = 0;
    for (Child& child : children_) {
        if (classNameOf(child.window).equal(className, false)) {
            child.horizontal = horizontal;
            child.vertical = vertical;
            ++matched;
        }
    }
    return matched;
}

void VtResizeLayout::apply() const {
    RECT now{};
    if (dialog_ == nullptr || !GetWindowRect(dialog_, &now))
        return;
    const CRect current(now);
    // Every position is computed from the recorded ones before any control
    // moves, so the order of the moves does not matter.
    struct Move {
        HWND window;
        CRect rect;
    };
    std::vector<Move> moves;
    for (const Child& child : children_) {
        if (!IsWindow(child.window))
            continue;
        const Span x = place({child.rect.left, child.rect.right}, child.horizontal,
                             dialogRect_.Width(), current.Width());
        const Span y = place({child.rect.top, child.rect.bottom}, child.vertical,
                             dialogRect_.Height(), current.Height());
        moves.push_back({child.window, CRect(x.nearEdge, y.nearEdge, x.farEdge, y.farEdge)});
    }
    for (const Move& move : moves)
        SetWindowPos(move.window, nullptr, move.rect.left, move.rect.top, move.rect.Width(),
                     move.rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}
