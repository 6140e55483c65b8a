// The drawing objects behind handles: bitmaps, brushes, pens and icons (fonts
// live with the windowing layer, CFont.h), the stock objects, the system
// colours, and the functions that create and delete them by handle.
//
// Handles are opaque and never given out twice; a deleted or unknown handle
// makes every function return its failure value. Stock objects and system
// colour brushes exist for the whole run and cannot be deleted.
#pragma once

#include "platform/ui/WinTypes.h"
#include "platform/ui/gdi/PixelImage.h"

using HGDIOBJ = void*;
struct HPEN__;
using HPEN = HPEN__*;

// Stock objects.
inline constexpr int WHITE_BRUSH = 0;
inline constexpr int LTGRAY_BRUSH = 1;
inline constexpr int GRAY_BRUSH = 2;
inline constexpr int DKGRAY_BRUSH = 3;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int HOLLOW_BRUSH = NULL_BRUSH;
inline constexpr int WHITE_PEN = 6;
inline constexpr int BLACK_PEN = 7;
inline constexpr int NULL_PEN = 8;

// Pen styles.
inline constexpr int PS_SOLID = 0;
inline constexpr int PS_DASH = 1;
inline constexpr int PS_DOT = 2;
inline constexpr int PS_DASHDOT = 3;
inline constexpr int PS_DASHDOTDOT = 4;
inline constexpr int PS_NULL = 5;

// System colours.
inline constexpr int COLOR_WINDOW = 5;
inline constexpr int COLOR_WINDOWTEXT = 8;
inline constexpr int COLOR_HIGHLIGHT = 13;
inline constexpr int COLOR_HIGHLIGHTTEXT = 14;
inline constexpr int COLOR_BTNFACE = 15;
inline constexpr int COLOR_3DFACE = COLOR_BTNFACE;
inline constexpr int COLOR_BTNSHADOW = 16;
inline constexpr int COLOR_GRAYTEXT = 17;
inline constexpr int COLOR_BTNTEXT = 18;
inline constexpr int COLOR_BTNHIGHLIGHT = 20;
inline constexpr int COLOR_3DDKSHADOW = 21;
inline constexpr int COLOR_3DLIGHT = 22;
inline constexpr int COLOR_INFOBK = 24;

// The colour of a system element (a light theme, fixed); black for an
// unknown index.
COLORREF GetSysColor(int index);
// A stock brush of a system colour; null for an unknown index.
HBRUSH GetSysColorBrush(int index);
// A stock object; null for an unknown index.
HGDIOBJ GetStockObject(int index);

HBRUSH CreateSolidBrush(COLORREF colour);
HPEN CreatePen(int style, int width, COLORREF colour);
// Deletes a bitmap, brush, pen or font. FALSE for a stock object or an
// unknown handle.
BOOL DeleteObject(HGDIOBJ object);
// FALSE for an unknown icon.
BOOL DestroyIcon(HICON icon);

namespace gdi {

struct BrushInfo {
    COLORREF colour = 0;
    bool hollow = false;  // the null brush: paints nothing
};

struct PenInfo {
    int style = PS_SOLID;
    int width = 1;
    COLORREF colour = 0;
};

// An icon: its picture and where it is transparent.
struct IconInfo {
    PixelImage picture;
    PixelImage transparentMask;  // monochrome; white = transparent
};

HBITMAP createBitmap(PixelImage picture);
HICON createIcon(IconInfo icon);

// What a handle holds; null for an unknown handle or one of another kind.
PixelImage* bitmapPicture(HBITMAP bitmap);
const BrushInfo* brushInfo(HBRUSH brush);
const PenInfo* penInfo(HPEN pen);
const IconInfo* iconInfo(HICON icon);

}  // namespace gdi
