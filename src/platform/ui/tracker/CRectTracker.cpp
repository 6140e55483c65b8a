// The geometry and drawing of rectangle trackers.
#include "platform/ui/tracker/CRectTracker.h"

#include <algorithm>

#include "platform/ui/gdi/CDC.h"

CRectTracker::CRectTracker(LPCRECT rect, UINT style) : m_nStyle(style) {
    if (rect)
        m_rect = *rect;
}

UINT CRectTracker::GetHandleMask() const {
    UINT mask = 0x0F;
    CRect rect = m_rect;
    rect.NormalizeRect();
    if (rect.Width() >= 3 * m_nHandleSize)
        mask |= (1u << hitTop) | (1u << hitBottom);
    if (rect.Height() >= 3 * m_nHandleSize)
        mask |= (1u << hitLeft) | (1u << hitRight);
    return mask;
}

// The rectangle the handles sit on: outside handles sit around it.
CRect CRectTracker::handleBase() const {
    CRect rect = m_rect;
    rect.NormalizeRect();
    if (m_nStyle & resizeOutside)
        rect.InflateRect(m_nHandleSize, m_nHandleSize);
    return rect;
}

BOOL CRectTracker::GetHandleRect(int handle, CRect* rect) const {
    if (!rect || handle < 0 || handle > 7 || !(GetHandleMask() & (1u << handle)))
        return FALSE;
    const CRect base = handleBase();
    const int size = m_nHandleSize;
    const int left = base.left;
    const int right = base.right - size;
    const int top = base.top;
    const int bottom = base.bottom - size;
    const int middleX = base.left + (base.Width() - size) / 2;
    const int middleY = base.top + (base.Height() - size) / 2;
    const CPoint corners[8] = {{left, top},       {right, top},   {right, bottom},
                               {left, bottom},    {middleX, top}, {right, middleY},
                               {middleX, bottom}, {left, middleY}};
    *rect = CRect(corners[handle], CSize(size, size));
    return TRUE;
}

void CRectTracker::GetTrueRect(LPRECT rect) const {
    if (!rect)
        return;
    *rect = (m_nStyle & (resizeOutside | resizeInside)) ? handleBase() : [&] {
        CRect r = m_rect;
        r.NormalizeRect();
        return r;
    }();
}

int CRectTracker::HitTest(CPoint point) const {
    if (m_nStyle & (resizeInside | resizeOutside)) {
        for (int handle = 0; handle < 8; ++handle) {
            CRect square;
            if (GetHandleRect(handle, &square) && square.PtInRect(point))
                return NormalizeHit(handle);
        }
    }
    CRect inside = m_rect;
    inside.NormalizeRect();
    return inside.PtInRect(point) ? hitMiddle : hitNothing;
}

int CRectTracker::NormalizeHit(int hit) const {
    if (hit < 0 || hit > 7)
        return hit;
    // Handles are found on the normalised rectangle; on an inverted one the
    // same square belongs to the opposite side.
    const bool flipX = m_rect.right < m_rect.left;
    const bool flipY = m_rect.bottom < m_rect.top;
    static constexpr int kFlipX[8] = {1, 0, 3, 2, 4, 7, 6, 5};
    static constexpr int kFlipY[8] = {3, 2, 1, 0, 6, 5, 4, 7};
    if (flipX)
        hit = kFlipX[hit];
    if (flipY)
        hit = kFlipY[hit];
    return hit;
}

void CRectTracker::Draw(CDC* dc) const {
    if (!dc)
        return;
    CRect frame = m_rect;
    frame.NormalizeRect();
    if (m_nStyle & dottedLine) {
        dc->DrawFocusRect(&frame);
    } else if (m_nStyle & (solidLine | hatchedBorder)) {
        CBrush black(RGB(0, 0, 0));
        dc->FrameRect(&frame, &black);
    }
    if (m_nStyle & (resizeInside | resizeOutside)) {
        for (int handle = 0; handle < 8; ++handle) {
            CRect square;
            if (GetHandleRect(handle, &square))
                dc->FillSolidRect(&square, RGB(0, 0, 0));
        }
    }
}
