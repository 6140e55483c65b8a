// The drags of rectangle trackers, performed by the scripted user.
#include <algorithm>

#include "platform/ui/CWnd.h"
#include "platform/ui/UserAgent.h"
#include "platform/ui/WinApi.h"
#include "platform/ui/WinConstants.h"
#include "platform/ui/tracker/CRectTracker.h"

namespace {

// Moves the sides a handle holds by the drag, keeping the minimum size (and,
// without inversion, the sides from crossing).
CRect resized(CRect rect, int hit, CSize delta, CSize minimum, bool allowInvert) {
    const bool movesLeft = hit == CRectTracker::hitTopLeft || hit == CRectTracker::hitBottomLeft ||
                           hit == CRectTracker::hitLeft;
    const bool movesRight = hit == CRectTracker::hitTopRight ||
                            hit == CRectTracker::hitBottomRight || hit == CRectTracker::hitRight;
    const bool movesTop = hit == CRectTracker::hitTopLeft || hit == CRectTracker::hitTopRight ||
                          hit == CRectTracker::hitTop;
    const bool movesBottom = hit == CRectTracker::hitBottomLeft ||
                             hit == CRectTracker::hitBottomRight || hit == CRectTracker::hitBottom;
    auto follow = [&](int& moving, int fixed, int amount, int smallest, bool growsPositive) {
        moving += amount;
        const int size = growsPositive ? moving - fixed : fixed - moving;
        if (size >= smallest)
            return;
        if (allowInvert && size <= -smallest)
            return;
        moving = growsPositive ? fixed + smallest : fixed - smallest;
    };
    if (movesLeft)
        follow(rect.left, rect.right, delta.cx, minimum.cx, false);
    if (movesRight)
        follow(rect.right, rect.left, delta.cx, minimum.cx, true);
    if (movesTop)
        follow(rect.top, rect.bottom, delta.cy, minimum.cy, false);
    if (movesBottom)
        follow(rect.bottom, rect.top, delta.cy, minimum.cy, true);
    return rect;
}

// The user let go of the mouse at a client point of wnd: the pointer stays
// there.
void pointerLetGoAt(CWnd* wnd, CPoint point) {
    wnd->ClientToScreen(&point);
    SetCursorPos(point.x, point.y);
}

}  // namespace

BOOL CRectTracker::Track(CWnd* wnd, CPoint point, BOOL allowInvert, CWnd* clipTo) {
    const int hit = HitTest(point);
    if (!wnd || hit == hitNothing)
        return FALSE;
    ui::DragPrompt prompt;
    prompt.window = wnd->GetSafeHwnd();
    prompt.start = point;
    prompt.rect = m_rect;
    const auto to = ui::currentUserAgent().answerDrag(prompt);
    if (!to)
        return FALSE;
    pointerLetGoAt(wnd, *to);
    const CSize delta = *to - point;
    if (hit == hitMiddle) {
        CRect moved = m_rect;
        moved.OffsetRect(delta.cx, delta.cy);
        if (clipTo) {
            CRect area;
            clipTo->GetClientRect(&area);
            moved.OffsetRect(std::max(0, area.left - moved.left),
                             std::max(0, area.top - moved.top));
            moved.OffsetRect(std::min(0, area.right - moved.right),
                             std::min(0, area.bottom - moved.bottom));
        }
        m_rect = moved;
        return TRUE;
    }
    m_rect = resized(m_rect, hit, delta, m_sizeMin, allowInvert != FALSE);
    return TRUE;
}

BOOL CRectTracker::TrackRubberBand(CWnd* wnd, CPoint point, BOOL allowInvert) {
    if (!wnd)
        return FALSE;
    ui::DragPrompt prompt;
    prompt.window = wnd->GetSafeHwnd();
    prompt.start = point;
    prompt.rubberBand = true;
    const auto to = ui::currentUserAgent().answerDrag(prompt);
    if (!to)
        return FALSE;
    pointerLetGoAt(wnd, *to);
    m_rect = CRect(point.x, point.y, to->x, to->y);
    if (!allowInvert)
        m_rect.NormalizeRect();
    return TRUE;
}

BOOL CRectTracker::SetCursor(CWnd* wnd, UINT hitTestCode) const {
    if (!wnd || !wnd->GetSafeHwnd() || hitTestCode != HTCLIENT)
        return FALSE;
    CPoint mouse;
    if (!GetCursorPos(&mouse))
        return FALSE;
    wnd->ScreenToClient(&mouse);
    return HitTest(mouse) != hitNothing;
}
