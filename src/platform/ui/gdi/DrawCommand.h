// One drawing operation as a device context records it, so that a picture of
// a window can be rebuilt from what the window drew (the SVG renderer) and a
// test can see what was painted.
#pragma once

#include <vector>

#include "platform/core/Tvx_String.h"
#include "platform/ui/gdi/FontMetric.h"

struct DrawCommand {
    enum class Kind {
        FillRect,    // rect filled with fill
        FrameRect,   // rect outlined with stroke
        Rectangle,   // outline (when hasStroke) and inside (when hasFill)
        Ellipse,     // the ellipse inside rect, outline and inside as a rectangle's
        Line,        // from rect's top-left to its bottom-right corner
        Text,        // text, its top-left corner at rect's top-left, in font
        Picture,     // a block transfer or icon into rect (its pixels are on the surface)
        FocusRect,   // the dotted focus frame
        InvertRect,  // the colours inside rect inverted
    };
    Kind kind = Kind::FillRect;
    CRect rect;
    COLORREF fill = 0;
    COLORREF stroke = 0;
    bool hasFill = false;
    bool hasStroke = false;
    int strokeWidth = 1;
    Tvx_String text;
    TextFont font;
    COLORREF textColour = 0;
    // Text drawn over an opaque background (background mode OPAQUE) has one.
    bool hasTextBackground = false;
    COLORREF textBackground = 0;
};

using DrawCommandList = std::vector<DrawCommand>;
