// CRectTracker: a rectangle the user moves and resizes with the mouse, with
// eight handles, a hit test, drawing, and the drag itself, which the user
// agent performs (UserAgent.h: answerDrag).
//
// Handles and hit codes: 0 top-left, 1 top-right, 2 bottom-right, 3
// bottom-left (corners), 4 top, 5 right, 6 bottom, 7 left (middles of the
// sides), 8 the inside (move), -1 nothing. Handles are squares of
// m_nHandleSize pixels, outside the rectangle with resizeOutside and inside it
// otherwise; they are hit only with a resize style. GetHandleMask says which
// handles exist: by default the corners always, the side handles only when the
// side is at least three handles long.
#pragma once

#include "platform/ui/Geometry.h"
#include "platform/ui/WinTypes.h"

class CWnd;

class CRectTracker {
  public:
    enum StyleFlags {
        solidLine = 1,
        dottedLine = 2,
        hatchedBorder = 4,
        resizeInside = 8,
        resizeOutside = 16,
        hatchInside = 32,
    };
    enum TrackerHit {
        hitNothing = -1,
        hitTopLeft = 0,
        hitTopRight = 1,
        hitBottomRight = 2,
        hitBottomLeft = 3,
        hitTop = 4,
        hitRight = 5,
        hitBottom = 6,
        hitLeft = 7,
        hitMiddle = 8,
    };

    CRectTracker() = default;
    CRectTracker(LPCRECT rect, UINT style);
    virtual ~CRectTracker() = default;

    CRect m_rect;
    UINT m_nStyle = 0;
    int m_nHandleSize = 7;
    // The smallest size a resize may leave (a move keeps the size as it is).
    CSize m_sizeMin = CSize(4, 4);

    // Bit i set: handle i exists.
    virtual UINT GetHandleMask() const;
    // The rectangle of a handle (its square); FALSE (rect untouched) for a
    // handle that does not exist or a code outside 0..7.
    BOOL GetHandleRect(int handle, CRect* rect) const;
    // The rectangle with its outside handles: what a drawing of the tracker covers.
    void GetTrueRect(LPRECT rect) const;
    // The hit code of a point (see above).
    int HitTest(CPoint point) const;
    // The code as it acts on an inverted rectangle (left and right swapped ...).
    int NormalizeHit(int hit) const;

    // Lets the user drag from point, which must hit the tracker: the inside
    // moves the rectangle, a handle moves its sides. The user agent says where
    // the mouse is let go (in wnd's client coordinates); TRUE when it did
    // (m_rect is then the result), FALSE when it cancelled or the point hits
    // nothing, and m_rect stays. Without allowInvert the sides never cross; with it they
    // may, and m_rect is left inverted. A resize never goes below m_sizeMin.
    // clipTo, when given, keeps a moved rectangle inside its client area.
    BOOL Track(CWnd* wnd, CPoint point, BOOL allowInvert = FALSE, CWnd* clipTo = nullptr);
    // Lets the user draw a new rectangle from point to where the agent lets
    // go; m_rect becomes it (normalised unless allowInvert). TRUE when the
    // agent did not cancel.
    BOOL TrackRubberBand(CWnd* wnd, CPoint point, BOOL allowInvert = TRUE);

    // The frame and, with a resize style, the handles, on dc.
    void Draw(CDC* dc) const;

    // Called from a window's WM_SETCURSOR: TRUE when the mouse pointer
    // (GetCursorPos) is over the tracker in wnd's client area (the caller
    // then keeps the tracker's cursor); FALSE when it is elsewhere, when the
    // hit-test code is not HTCLIENT, or for a window that does not exist.
    BOOL SetCursor(CWnd* wnd, UINT hitTestCode) const;

  private:
    CRect handleBase() const;
};
