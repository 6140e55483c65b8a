// Window positions and sizes, coordinate conversion, Z order and painting.
#include <algorithm>

#include "platform/ui/CWnd.h"
#include "platform/ui/WinApi.h"
#include "platform/ui/WindowTree.h"
#include "platform/ui/gdi/CPaintDC.h"

namespace {

// The screen position of a window's client origin (there is no frame).
CPoint screenOrigin(const ui::WindowRecord& r) {
    CPoint origin = r.rect.TopLeft();
    for (const ui::WindowRecord* p = ui::findWindow(r.parent); p; p = ui::findWindow(p->parent)) {
        origin.Offset(p->rect.left, p->rect.top);
    }
    return origin;
}

void reorder(ui::WindowRecord& r, HWND insertAfter) {
    ui::WindowRecord* parent = ui::findWindow(r.parent);
    if (!parent)
        return;
    auto& siblings = parent->children;
    if (insertAfter == r.handle)
        return;
    if (insertAfter != HWND_TOP && insertAfter != HWND_BOTTOM && insertAfter != HWND_TOPMOST &&
        insertAfter != HWND_NOTOPMOST &&
        std::find(siblings.begin(), siblings.end(), insertAfter) == siblings.end()) {
        return;  // not a sibling: the order stays
    }
    std::erase(siblings, r.handle);
    if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
        siblings.insert(siblings.begin(), r.handle);
    } else if (insertAfter == HWND_BOTTOM) {
        siblings.push_back(r.handle);
    } else {
        auto it = std::find(siblings.begin(), siblings.end(), insertAfter);
        siblings.insert(it + 1, r.handle);
    }
}

// Group boxes and statics without SS_NOTIFY let mouse clicks through to what
// lies beneath them, as on the platform.
bool isTransparentToMouse(const ui::WindowRecord& r) {
    if (r.className.equal(L"BUTTON", false))
        return (r.style & BS_TYPEMASK) == BS_GROUPBOX;
    if (r.className.equal(L"STATIC", false))
        return !(r.style & SS_NOTIFY);
    return false;
}

}  // namespace

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (!repaint)
        flags |= SWP_NOREDRAW;
    return SetWindowPos(hwnd, nullptr, x, y, width, height, flags);
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    ui::WindowRecord* r = ui::findWindow(hwnd);
    if (!r)
        return FALSE;
    const CRect old = r->rect;
    CRect next = old;
    if (!(flags & SWP_NOMOVE))
        next.MoveToXY(x, y);
    if (!(flags & SWP_NOSIZE)) {
        next.right = next.left + std::max(cx, 0);
        next.bottom = next.top + std::max(cy, 0);
    }
    if (!(flags & SWP_NOZORDER))
        reorder(*r, insertAfter);
    r->rect = next;
    if (flags & SWP_SHOWWINDOW)
        ShowWindow(hwnd, SW_SHOWNA);
    if (flags & SWP_HIDEWINDOW)
        ShowWindow(hwnd, SW_HIDE);
    const bool moved = !(next.TopLeft() == old.TopLeft());
    const bool sized = !(next.Size() == old.Size());
    if (moved)
        SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(next.left, next.top));
    if (sized && ui::findWindow(hwnd)) {
        SendMessage(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(next.Width(), next.Height()));
    }
    if ((moved || sized || (flags & SWP_FRAMECHANGED)) && !(flags & SWP_NOREDRAW)) {
        InvalidateRect(hwnd, nullptr, TRUE);
        if (ui::WindowRecord* p = ui::findWindow(GetParent(hwnd)); p && r->parent) {
            InvalidateRect(p->handle, nullptr, TRUE);
        }
    }
    return TRUE;
}

BOOL GetWindowRect(HWND hwnd, LPRECT rect) {
    const ui::WindowRecord* r = ui::findWindow(hwnd);
    if (!r || !rect)
        return FALSE;
    *rect = CRect(screenOrigin(*r), r->rect.Size());
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect) {
    const ui::WindowRecord* r = ui::findWindow(hwnd);
    if (!r || !rect)
        return FALSE;
    *rect = CRect(0, 0, r->rect.Width(), r->rect.Height());
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT point) {
    const ui::WindowRecord* r = ui::findWindow(hwnd);
    if (!r || !point)
        return FALSE;
    const CPoint origin = screenOrigin(*r);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT point) {
    const ui::WindowRecord* r = ui::findWindow(hwnd);
    if (!r || !point)
        return FALSE;
    const CPoint origin = screenOrigin(*r);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

HWND ChildWindowFromPoint(HWND hwnd, POINT point) {
    const ui::WindowRecord* r = ui::findWindow(hwnd);
    if (!r)
        return nullptr;
    if (!CRect(0, 0, r->rect.Width(), r->rect.Height()).PtInRect(point))
        return nullptr;
    for (HWND child : r->children) {
        const ui::WindowRecord* c = ui::findWindow(child);
        if (c && (c->style & WS_VISIBLE) && !isTransparentToMouse(*c) && c->rect.PtInRect(point)) {
            return child;
        }
    }
    return hwnd;
}

BOOL InvalidateRect(HWND hwnd, LPCRECT, BOOL erase) {
    ui::WindowRecord* r = ui::findWindow(hwnd);
    if (!r)
        return FALSE;
    if (r->redraw) {
        r->needsPaint = true;
        r->needsErase = r->needsErase || erase;
    }
    return TRUE;
}

BOOL UpdateWindow(HWND hwnd) {
    ui::WindowRecord* r = ui::findWindow(hwnd);
    if (!r)
        return FALSE;
    if (r->needsPaint && r->redraw && IsWindowVisible(hwnd)) {
        r->needsPaint = false;
        ++r->paintCount;
        if (r->needsErase) {
            // As the paint cycle begins, the background goes first: the window
            // gets a context of its client area to erase it with.
            r->needsErase = false;
            CClientDC dc(CWnd::FromHandle(hwnd));
            SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(&dc));
            if (!ui::findWindow(hwnd))
                return TRUE;
        }
        SendMessage(hwnd, WM_PAINT);
    }
    return TRUE;
}

BOOL RedrawWindow(HWND hwnd, LPCRECT rect, void*, UINT flags) {
    ui::WindowRecord* r = ui::findWindow(hwnd);
    if (!r)
        return FALSE;
    std::vector<HWND> windows{hwnd};
    if (flags & RDW_ALLCHILDREN) {
        for (size_t i = 0; i < windows.size(); ++i) {
            if (const ui::WindowRecord* w = ui::findWindow(windows[i])) {
                windows.insert(windows.end(), w->children.begin(), w->children.end());
            }
        }
    }
    for (HWND h : windows) {
        if (flags & RDW_INVALIDATE)
            InvalidateRect(h, rect, (flags & RDW_ERASE) ? TRUE : FALSE);
        if (flags & RDW_VALIDATE) {
            if (ui::WindowRecord* w = ui::findWindow(h)) {
                w->needsPaint = false;
                w->needsErase = false;
            }
        }
    }
    if (flags & RDW_UPDATENOW) {
        for (HWND h : windows)
            UpdateWindow(h);
    }
    return TRUE;
}
