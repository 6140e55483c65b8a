// Points, sizes and rectangles in pixels: the plain structures and the
// CPoint / CSize / CRect classes that the dialogs compute layouts with.
//
// A rectangle holds left, top, right and bottom; right and bottom are outside
// it (a rectangle from 0 to 10 is 10 pixels wide). Nothing here fails: an
// inverted rectangle simply has a negative width until NormalizeRect.
#pragma once

using LONG = int;

struct POINT {
    LONG x = 0;
    LONG y = 0;
};
struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
};
struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};
using LPPOINT = POINT*;
using LPRECT = RECT*;
using LPCRECT = const RECT*;

class CSize : public SIZE {
  public:
    CSize() = default;
    CSize(int width, int height) : SIZE{width, height} {}
    CSize(const SIZE& s) : SIZE(s) {}
    CSize operator+(const CSize& o) const { return {cx + o.cx, cy + o.cy}; }
    CSize operator-(const CSize& o) const { return {cx - o.cx, cy - o.cy}; }
    friend bool operator==(const CSize& a, const CSize& b) { return a.cx == b.cx && a.cy == b.cy; }
};

class CPoint : public POINT {
  public:
    CPoint() = default;
    CPoint(int px, int py) : POINT{px, py} {}
    CPoint(const POINT& p) : POINT(p) {}
    void Offset(int dx, int dy) {
        x += dx;
        y += dy;
    }
    CPoint operator+(const CSize& s) const { return {x + s.cx, y + s.cy}; }
    CPoint operator-(const CSize& s) const { return {x - s.cx, y - s.cy}; }
    CSize operator-(const CPoint& p) const { return {x - p.x, y - p.y}; }
    CPoint& operator+=(const CSize& s) {
        Offset(s.cx, s.cy);
        return *this;
    }
    CPoint& operator-=(const CSize& s) {
        Offset(-s.cx, -s.cy);
        return *this;
    }
    friend bool operator==(const CPoint& a, const CPoint& b) { return a.x == b.x && a.y == b.y; }
};

class CRect : public RECT {
  public:
    CRect() = default;
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& r) : RECT(r) {}
    CRect(const POINT& topLeft, const SIZE& size)
        : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return {Width(), Height()}; }
    CPoint TopLeft() const { return {left, top}; }
    CPoint BottomRight() const { return {right, bottom}; }
    CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }
    // Empty: no area (width or height 0 or less). Null: all four values 0.
    bool IsRectEmpty() const { return Width() <= 0 || Height() <= 0; }
    bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    // Inside means left <= x < right and top <= y < bottom.
    bool PtInRect(const POINT& p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }

    void SetRect(int l, int t, int r, int b) { *this = CRect(l, t, r, b); }
    void SetRectEmpty() { *this = CRect(); }
    void OffsetRect(int dx, int dy);
    void OffsetRect(const POINT& p) { OffsetRect(p.x, p.y); }
    void OffsetRect(const SIZE& s) { OffsetRect(s.cx, s.cy); }
    void MoveToXY(int x, int y) { OffsetRect(x - left, y - top); }
    void MoveToX(int x) { OffsetRect(x - left, 0); }
    void MoveToY(int y) { OffsetRect(0, y - top); }
    void InflateRect(int dx, int dy);
    void InflateRect(int l, int t, int r, int b);
    void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
    // Swaps left/right and top/bottom where they are inverted.
    void NormalizeRect();
    // The overlap of a and b; false (and an empty rectangle) when they do not overlap.
    bool IntersectRect(const RECT& a, const RECT& b);
    // The smallest rectangle holding both; an empty one of them is ignored.
    bool UnionRect(const RECT& a, const RECT& b);

    CRect& operator+=(const POINT& p) {
        OffsetRect(p);
        return *this;
    }
    CRect& operator-=(const POINT& p) {
        OffsetRect(-p.x, -p.y);
        return *this;
    }
    friend bool operator==(const CRect& a, const CRect& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
};
