// CDC: a device context, the surface a window or a bitmap is drawn on, with
// the drawing state (text and background colours, background mode, the
// selected font, pen, brush and bitmap, the current position).
//
// Every operation does two things: it changes the pixels of the surface (the
// selected bitmap of a memory context, or the context's own picture), and it
// appends a DrawCommand to the context's list. Text is the exception for the
// pixels: the metric has sizes but no glyph shapes, so text exists only in the
// list (a renderer draws it from there).
//
// Coordinates are those of the surface; SetViewportOrg shifts all later
// drawing (a window drawing inside its parent's picture). Operations outside
// the surface are clipped. Bad input: a null pointer argument makes an
// operation return its failure value (FALSE, 0, null) and draw nothing.
#pragma once

#include <memory>

#include "platform/ui/CFont.h"
#include "platform/ui/gdi/DrawCommand.h"
#include "platform/ui/gdi/GdiClasses.h"
#include "platform/ui/gdi/PixelImage.h"
#include "platform/ui/gdi/RasterOps.h"

inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

// DrawText formats.
inline constexpr UINT DT_LEFT = 0x0000;
inline constexpr UINT DT_TOP = 0x0000;
inline constexpr UINT DT_CENTER = 0x0001;
inline constexpr UINT DT_RIGHT = 0x0002;
inline constexpr UINT DT_VCENTER = 0x0004;
inline constexpr UINT DT_BOTTOM = 0x0008;
inline constexpr UINT DT_WORDBREAK = 0x0010;
inline constexpr UINT DT_SINGLELINE = 0x0020;
inline constexpr UINT DT_CALCRECT = 0x0400;
inline constexpr UINT DT_NOPREFIX = 0x0800;

// What GetTextMetrics reports of the selected font (FontMetric.h).
struct TEXTMETRIC {
    LONG tmHeight = 0;
    LONG tmAscent = 0;
    LONG tmDescent = 0;
    LONG tmAveCharWidth = 0;
    LONG tmMaxCharWidth = 0;
    LONG tmWeight = 0;
};

namespace gdi {

// What a window context draws on: its pixels and the record of what was drawn.
// Contexts made for the same window while it is being pictured share one.
struct Surface {
    PixelImage pixels;
    DrawCommandList commands;
};

}  // namespace gdi

class CDC {
  public:
    // A context drawing on a picture of its own, of the given size (a window's
    // surface; a renderer or a paint cycle makes these), white at first.
    explicit CDC(const CSize& surfaceSize = CSize(1, 1));
    // A context drawing on a surface shared with other contexts (each keeps
    // its own colours, mode and selected objects); a null surface counts as a
    // new 1 x 1 one.
    explicit CDC(std::shared_ptr<gdi::Surface> surface);
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // Turns this context into a memory context that draws on the bitmap
    // selected into it (at first a 1 x 1 monochrome one, as on the platform).
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();

    // Select returns the object selected before (null when that was a stock
    // or default object without a C++ object of its own, or on bad input).
    CBitmap* SelectObject(CBitmap* bitmap);
    CFont* SelectObject(CFont* font);
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    // By handle; returns the previous handle of that kind, null for an unknown one.
    HGDIOBJ SelectObject(HGDIOBJ object);
    HGDIOBJ SelectStockObject(int index);

    COLORREF SetTextColor(COLORREF colour);
    COLORREF GetTextColor() const { return textColour_; }
    COLORREF SetBkColor(COLORREF colour);
    COLORREF GetBkColor() const { return bkColour_; }
    int SetBkMode(int mode);
    int GetBkMode() const { return bkMode_; }
    CPoint SetViewportOrg(int x, int y);
    CPoint GetViewportOrg() const { return origin_; }

    // Fills and frames.
    void FillSolidRect(LPCRECT rect, COLORREF colour);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF colour);
    void FillRect(LPCRECT rect, CBrush* brush);
    void FrameRect(LPCRECT rect, CBrush* brush);
    // Outline with the pen, inside with the brush (right and bottom excluded).
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(LPCRECT rect);
    // The ellipse inside the rectangle, outlined with the pen and filled with the brush.
    BOOL Ellipse(int x1, int y1, int x2, int y2);
    BOOL Ellipse(LPCRECT rect);
    // Top and left edges in the first colour, bottom and right in the second.
    void Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight);
    void DrawFocusRect(LPCRECT rect);
    void InvertRect(LPCRECT rect);
    CPoint MoveTo(int x, int y);
    // A line with the pen to the point (the end point itself excluded).
    BOOL LineTo(int x, int y);
    COLORREF SetPixel(int x, int y, COLORREF colour);
    COLORREF GetPixel(int x, int y) const;

    // Block transfers (RasterOps.h); source may be null for operations that
    // do not read it. The conversions between colour and monochrome use this
    // context's text and background colours and the source's background.
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sx, int sy, DWORD rop);
    // Scales the source block to the destination block (nearest pixel).
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int sx, int sy, int sWidth,
                    int sHeight, DWORD rop);
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop);
    // An icon at its own size, its transparent pixels leaving the surface as it was.
    BOOL DrawIcon(int x, int y, HICON icon);

    // Text in the selected font and text colour, over the background colour
    // when the mode is OPAQUE.
    BOOL TextOut(int x, int y, const Tvx_String& text);
    // Lines split at "\n" (and at blanks to fit the width with DT_WORDBREAK;
    // one line with DT_SINGLELINE), placed by the format's alignment; "&"
    // marks a mnemonic and "&&" is one "&" unless DT_NOPREFIX. With
    // DT_CALCRECT nothing is drawn: rect's right and bottom are set to hold
    // the text. Returns the height of the text, 0 on bad input.
    int DrawText(const Tvx_String& text, LPRECT rect, UINT format);
    CSize GetTextExtent(const Tvx_String& text) const;
    BOOL GetTextMetrics(TEXTMETRIC* metrics) const;

    // The picture drawn on, and what was drawn, in order.
    const PixelImage& surface() const;
    bool isMonochrome() const { return surface().isMonochrome(); }
    const DrawCommandList& commands() const { return surface_->commands; }
    HFONT selectedFont() const { return font_; }
    HBRUSH selectedBrush() const { return brush_; }

  private:
    PixelImage& target();
    void record(DrawCommand command);
    CRect shifted(const RECT& rect) const;
    void plot(int x, int y, COLORREF colour);
    void drawLine(CPoint from, CPoint to, COLORREF colour, int width);
    void drawTextLine(const Tvx_String& text, int x, int y);

    std::shared_ptr<gdi::Surface> surface_;
    HBITMAP selectedBitmap_ = nullptr;
    std::unique_ptr<CBitmap> defaultBitmap_;
    HFONT font_ = nullptr;
    HPEN pen_ = nullptr;
    HBRUSH brush_ = nullptr;
    COLORREF textColour_ = RGB(0, 0, 0);
    COLORREF bkColour_ = RGB(255, 255, 255);
    int bkMode_ = OPAQUE;
    CPoint position_;
    CPoint origin_;
};
