// Readable failure messages for texts, points and rectangles in the window-system tests.
#pragma once

#include <ostream>

#include "platform/core/Tvx_String.h"
#include "platform/ui/Geometry.h"

inline void PrintTo(const Tvx_String& text, std::ostream* out) {
    *out << '"' << text.toUtf8() << '"';
}

inline void PrintTo(const CRect& r, std::ostream* out) {
    *out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

inline void PrintTo(const CPoint& p, std::ostream* out) {
    *out << "(" << p.x << ", " << p.y << ")";
}
