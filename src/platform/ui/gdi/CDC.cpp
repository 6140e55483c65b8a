// Drawing on a device context's surface, and the record of what was drawn.
#include "platform/ui/gdi/CDC.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/ui/gdi/FontOfHandle.h"
#include "platform/ui/gdi/RasterOps.h"

namespace {

// The text without mnemonic marks: "&x" is "x", "&&" is "&".
Tvx_String withoutPrefixes(const Tvx_String& text) {
    std::wstring out;
    const std::wstring& s = text.str();
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == L'&' && i + 1 < s.size())
            ++i;
        else if (s[i] == L'&')
            continue;
        out += s[i];
    }
    return Tvx_String(out);
}

// Lines of text as DrawText lays them out.
std::vector<Tvx_String> layoutLines(const Tvx_String& text, const TextFont& font, int width,
                                    UINT format) {
    std::vector<Tvx_String> lines;
    if (format & DT_SINGLELINE) {
        std::wstring one = text.str();
        std::replace(one.begin(), one.end(), L'\n', L' ');
        lines.emplace_back(one);
        return lines;
    }
    const std::wstring& s = text.str();
    size_t start = 0;
    for (;;) {
        const size_t end = s.find(L'\n', start);
        std::wstring paragraph = s.substr(start, end == std::wstring::npos ? end : end - start);
        if (!paragraph.empty() && paragraph.back() == L'\r')
            paragraph.pop_back();
        if (!(format & DT_WORDBREAK) || width <= 0) {
            lines.emplace_back(paragraph);
        } else {
            // Greedy wrapping at blanks; a word wider than the line stays whole.
            std::wstring line;
            size_t pos = 0;
            while (pos <= paragraph.size()) {
                size_t blank = paragraph.find(L' ', pos);
                if (blank == std::wstring::npos)
                    blank = paragraph.size();
                const std::wstring word = paragraph.substr(pos, blank - pos);
                const std::wstring candidate = line.empty() ? word : line + L" " + word;
                if (!line.empty() && textExtent(font, candidate).cx > width) {
                    lines.emplace_back(line);
                    line = word;
                } else {
                    line = candidate;
                }
                pos = blank + 1;
            }
            lines.emplace_back(line);
        }
        if (end == std::wstring::npos)
            break;
        start = end + 1;
    }
    return lines;
}

}  // namespace

CDC::CDC(const CSize& surfaceSize)
    : CDC(std::make_shared<gdi::Surface>(
          gdi::Surface{PixelImage(std::max(surfaceSize.cx, 1), std::max(surfaceSize.cy, 1), false,
                                  RGB(255, 255, 255)),
                       {}})) {}

CDC::CDC(std::shared_ptr<gdi::Surface> surface)
    : surface_(surface ? std::move(surface)
                       : std::make_shared<gdi::Surface>(
                             gdi::Surface{PixelImage(1, 1, false, RGB(255, 255, 255)), {}})),
      font_(ui::defaultDialogFont()),
      pen_(static_cast<HPEN>(GetStockObject(BLACK_PEN))),
      brush_(static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))) {}

CDC::~CDC() = default;

BOOL CDC::CreateCompatibleDC(CDC*) {
    if (selectedBitmap_)
        return FALSE;
    defaultBitmap_ = std::make_unique<CBitmap>();
    defaultBitmap_->CreateBitmap(1, 1, 1, 1, nullptr);
    selectedBitmap_ = *defaultBitmap_;
    return TRUE;
}

BOOL CDC::DeleteDC() {
    if (!selectedBitmap_)
        return FALSE;
    selectedBitmap_ = nullptr;
    defaultBitmap_.reset();
    return TRUE;
}

PixelImage& CDC::target() {
    if (selectedBitmap_) {
        if (PixelImage* picture = gdi::bitmapPicture(selectedBitmap_))
            return *picture;
    }
    return surface_->pixels;
}

const PixelImage& CDC::surface() const {
    return const_cast<CDC*>(this)->target();
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
    if (!bitmap || !bitmap->picture() || !selectedBitmap_)
        return nullptr;
    CBitmap* previous = CBitmap::FromHandle(selectedBitmap_);
    selectedBitmap_ = *bitmap;
    return previous == defaultBitmap_.get() ? nullptr : previous;
}

CFont* CDC::SelectObject(CFont* font) {
    if (!font || !ui::fontDescription(*font))
        return nullptr;
    CFont* previous = CFont::FromHandle(font_);
    font_ = *font;
    return previous;
}

CPen* CDC::SelectObject(CPen* pen) {
    if (!pen || !gdi::penInfo(*pen))
        return nullptr;
    CPen* previous = CPen::FromHandle(pen_);
    pen_ = *pen;
    return previous;
}

CBrush* CDC::SelectObject(CBrush* brush) {
    if (!brush || !gdi::brushInfo(*brush))
        return nullptr;
    CBrush* previous = CBrush::FromHandle(brush_);
    brush_ = *brush;
    return previous;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object) {
    HGDIOBJ previous = nullptr;
    if (gdi::penInfo(static_cast<HPEN>(object))) {
        previous = pen_;
        pen_ = static_cast<HPEN>(object);
    } else if (gdi::brushInfo(static_cast<HBRUSH>(object))) {
        previous = brush_;
        brush_ = static_cast<HBRUSH>(object);
    } else if (ui::fontDescription(static_cast<HFONT>(object))) {
        previous = font_;
        font_ = static_cast<HFONT>(object);
    } else if (gdi::bitmapPicture(static_cast<HBITMAP>(object)) && selectedBitmap_) {
        previous = selectedBitmap_;
        selectedBitmap_ = static_cast<HBITMAP>(object);
    }
    return previous;
}

HGDIOBJ CDC::SelectStockObject(int index) {
    return SelectObject(GetStockObject(index));
}

COLORREF CDC::SetTextColor(COLORREF colour) {
    return std::exchange(textColour_, colour & 0xFFFFFF);
}

COLORREF CDC::SetBkColor(COLORREF colour) {
    return std::exchange(bkColour_, colour & 0xFFFFFF);
}

int CDC::SetBkMode(int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE)
        return 0;
    return std::exchange(bkMode_, mode);
}

CPoint CDC::SetViewportOrg(int x, int y) {
    return std::exchange(origin_, CPoint(x, y));
}

CRect CDC::shifted(const RECT& rect) const {
    CRect r(rect);
    r.OffsetRect(origin_.x, origin_.y);
    return r;
}

void CDC::record(DrawCommand command) {
    surface_->commands.push_back(std::move(command));
}

void CDC::plot(int x, int y, COLORREF colour) {
    target().setPixel(x, y, colour);
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF colour) {
    if (!rect)
        return;
    const CRect r = shifted(*rect);
    target().fillRect(r, colour);
    DrawCommand c;
    c.kind = DrawCommand::Kind::FillRect;
    c.rect = r;
    c.fill = colour & 0xFFFFFF;
    c.hasFill = true;
    record(std::move(c));
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF colour) {
    const CRect rect(x, y, x + cx, y + cy);
    FillSolidRect(&rect, colour);
}

void CDC::FillRect(LPCRECT rect, CBrush* brush) {
    if (!rect || !brush)
        return;
    const gdi::BrushInfo* info = gdi::brushInfo(*brush);
    if (!info || info->hollow)
        return;
    FillSolidRect(rect, info->colour);
}

void CDC::FrameRect(LPCRECT rect, CBrush* brush) {
    if (!rect || !brush)
        return;
    const gdi::BrushInfo* info = gdi::brushInfo(*brush);
    if (!info || info->hollow)
        return;
    const CRect r = shifted(*rect);
    PixelImage& surface = target();
    surface.fillRect(CRect(r.left, r.top, r.right, r.top + 1), info->colour);
    surface.fillRect(CRect(r.left, r.bottom - 1, r.right, r.bottom), info->colour);
    surface.fillRect(CRect(r.left, r.top, r.left + 1, r.bottom), info->colour);
    surface.fillRect(CRect(r.right - 1, r.top, r.right, r.bottom), info->colour);
    DrawCommand c;
    c.kind = DrawCommand::Kind::FrameRect;
    c.rect = r;
    c.stroke = info->colour;
    c.hasStroke = true;
    record(std::move(c));
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) {
    const CRect r = shifted(CRect(x1, y1, x2, y2));
    const gdi::PenInfo* pen = gdi::penInfo(pen_);
    const gdi::BrushInfo* brush = gdi::brushInfo(brush_);
    DrawCommand c;
    c.kind = DrawCommand::Kind::Rectangle;
    c.rect = r;
    if (brush && !brush->hollow) {
        target().fillRect(r, brush->colour);
        c.hasFill = true;
        c.fill = brush->colour;
    }
    if (pen && pen->style != PS_NULL) {
        const int w = pen->width;
        PixelImage& s = target();
        s.fillRect(CRect(r.left, r.top, r.right, r.top + w), pen->colour);
        s.fillRect(CRect(r.left, r.bottom - w, r.right, r.bottom), pen->colour);
        s.fillRect(CRect(r.left, r.top, r.left + w, r.bottom), pen->colour);
        s.fillRect(CRect(r.right - w, r.top, r.right, r.bottom), pen->colour);
        c.hasStroke = true;
        c.stroke = pen->colour;
        c.strokeWidth = w;
    }
    record(std::move(c));
    return TRUE;
}

BOOL CDC::Rectangle(LPCRECT rect) {
    if (!rect)
        return FALSE;
    return Rectangle(rect->left, rect->top, rect->right, rect->bottom);
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2) {
    const CRect r = shifted(CRect(x1, y1, x2, y2));
    const gdi::PenInfo* pen = gdi::penInfo(pen_);
    const gdi::BrushInfo* brush = gdi::brushInfo(brush_);
    DrawCommand c;
    c.kind = DrawCommand::Kind::Ellipse;
    c.rect = r;
    const double cx = (r.left + r.right - 1) / 2.0, cy = (r.top + r.bottom - 1) / 2.0;
    const double rx = std::max(r.Width() / 2.0, 0.5), ry = std::max(r.Height() / 2.0, 0.5);
    const bool outline = pen && pen->style != PS_NULL;
    const bool fill = brush && !brush->hollow;
    // A pixel belongs to the ellipse when its centre lies inside; it is on the
    // outline when a neighbour does not.
    auto inside = [&](int x, int y) {
        const double dx = (x - cx) / rx, dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    };
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            if (!inside(x, y))
                continue;
            const bool edge =
                !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            if (edge && outline) {
                plot(x, y, pen->colour);
            } else if (fill) {
                plot(x, y, brush->colour);
            }
        }
    }
    if (fill) {
        c.hasFill = true;
        c.fill = brush->colour;
    }
    if (outline) {
        c.hasStroke = true;
        c.stroke = pen->colour;
        c.strokeWidth = pen->width;
    }
    record(std::move(c));
    return TRUE;
}

BOOL CDC::Ellipse(LPCRECT rect) {
    if (!rect)
        return FALSE;
    return Ellipse(rect->left, rect->top, rect->right, rect->bottom);
}

void CDC::Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight) {
    if (!rect)
        return;
    const CRect r(*rect);
    FillSolidRect(r.left, r.top, r.Width() - 1, 1, topLeft);
    FillSolidRect(r.left, r.top, 1, r.Height() - 1, topLeft);
    FillSolidRect(r.right - 1, r.top, 1, r.Height(), bottomRight);
    FillSolidRect(r.left, r.bottom - 1, r.Width(), 1, bottomRight);
}

void CDC::DrawFocusRect(LPCRECT rect) {
    if (!rect)
        return;
    const CRect r = shifted(*rect);
    PixelImage& s = target();
    auto invert = [&](int x, int y) { s.setPixel(x, y, ~s.getPixel(x, y) & 0xFFFFFF); };
    for (int x = r.left; x < r.right; x += 2) {
        invert(x, r.top);
        invert(x, r.bottom - 1);
    }
    for (int y = r.top + 2; y < r.bottom - 1; y += 2) {
        invert(r.left, y);
        invert(r.right - 1, y);
    }
    DrawCommand c;
    c.kind = DrawCommand::Kind::FocusRect;
    c.rect = r;
    record(std::move(c));
}

void CDC::InvertRect(LPCRECT rect) {
    if (!rect)
        return;
    const CRect r = shifted(*rect);
    bitBlt(target(), r.left, r.top, r.Width(), r.Height(), nullptr, 0, 0, DSTINVERT);
    DrawCommand c;
    c.kind = DrawCommand::Kind::InvertRect;
    c.rect = r;
    record(std::move(c));
}

CPoint CDC::MoveTo(int x, int y) {
    return std::exchange(position_, CPoint(x, y));
}

void CDC::drawLine(CPoint from, CPoint to, COLORREF colour, int width) {
    // Bresenham, end point excluded; a wider pen draws a square of its width
    // at each point.
    int x = from.x, y = from.y;
    const int dx = std::abs(to.x - x), sx = x < to.x ? 1 : -1;
    const int dy = -std::abs(to.y - y), sy = y < to.y ? 1 : -1;
    int error = dx + dy;
    while (x != to.x || y != to.y) {
        const int half = (width - 1) / 2;
        target().fillRect(CRect(x - half, y - half, x - half + width, y - half + width), colour);
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y += sy;
        }
    }
}

BOOL CDC::LineTo(int x, int y) {
    const CPoint from = position_ + CSize(origin_.x, origin_.y);
    const CPoint to(x + origin_.x, y + origin_.y);
    position_ = CPoint(x, y);
    const gdi::PenInfo* pen = gdi::penInfo(pen_);
    if (!pen || pen->style == PS_NULL)
        return TRUE;
    drawLine(from, to, pen->colour, pen->width);
    DrawCommand c;
    c.kind = DrawCommand::Kind::Line;
    c.rect = CRect(from.x, from.y, to.x, to.y);
    c.stroke = pen->colour;
    c.hasStroke = true;
    c.strokeWidth = pen->width;
    record(std::move(c));
    return TRUE;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF colour) {
    const int px = x + origin_.x, py = y + origin_.y;
    if (!target().contains(px, py))
        return CLR_INVALID;
    plot(px, py, colour);
    return target().getPixel(px, py);
}

COLORREF CDC::GetPixel(int x, int y) const {
    return surface().getPixel(x + origin_.x, y + origin_.y);
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sx, int sy, DWORD rop) {
    if (source == this) {
        const PixelImage copy = surface();
        BlitColours colours{bkColour_, textColour_, bkColour_, RGB(255, 255, 255)};
        bitBlt(target(), x + origin_.x, y + origin_.y, width, height, &copy, sx + origin_.x,
               sy + origin_.y, rop, colours);
    } else {
        BlitColours colours;
        colours.sourceBackground = source ? source->GetBkColor() : RGB(255, 255, 255);
        colours.destinationText = textColour_;
        colours.destinationBackground = bkColour_;
        if (const gdi::BrushInfo* brush = gdi::brushInfo(brush_))
            colours.brush = brush->colour;
        bitBlt(target(), x + origin_.x, y + origin_.y, width, height,
               source ? &source->surface() : nullptr, source ? sx + source->origin_.x : 0,
               source ? sy + source->origin_.y : 0, rop, colours);
    }
    DrawCommand c;
    c.kind = DrawCommand::Kind::Picture;
    c.rect = shifted(CRect(x, y, x + width, y + height));
    record(std::move(c));
    return TRUE;
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int sx, int sy, int sWidth,
                     int sHeight, DWORD rop) {
    if (!source || width <= 0 || height <= 0 || sWidth <= 0 || sHeight <= 0)
        return FALSE;
    const PixelImage& from = source->surface();
    PixelImage block(width, height, from.isMonochrome());
    for (int row = 0; row < height; ++row) {
        for (int col = 0; col < width; ++col) {
            block.setPixel(col, row,
                           from.getPixel(sx + source->origin_.x + col * sWidth / width,
                                         sy + source->origin_.y + row * sHeight / height));
        }
    }
    CDC blockContext(CSize(1, 1));
    CBitmap blockBitmap;
    blockBitmap.CreateFromPicture(std::move(block));
    blockContext.CreateCompatibleDC(this);
    blockContext.SelectObject(&blockBitmap);
    blockContext.SetBkColor(source->GetBkColor());
    return BitBlt(x, y, width, height, &blockContext, 0, 0, rop);
}

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop) {
    return BitBlt(x, y, width, height, nullptr, 0, 0, rop);
}

BOOL CDC::DrawIcon(int x, int y, HICON icon) {
    const gdi::IconInfo* info = gdi::iconInfo(icon);
    if (!info)
        return FALSE;
    const int px = x + origin_.x, py = y + origin_.y;
    for (int row = 0; row < info->picture.height(); ++row) {
        for (int col = 0; col < info->picture.width(); ++col) {
            if (info->transparentMask.getPixel(col, row) == RGB(255, 255, 255))
                continue;
            plot(px + col, py + row, info->picture.getPixel(col, row));
        }
    }
    DrawCommand c;
    c.kind = DrawCommand::Kind::Picture;
    c.rect = CRect(px, py, px + info->picture.width(), py + info->picture.height());
    record(std::move(c));
    return TRUE;
}

void CDC::drawTextLine(const Tvx_String& text, int x, int y) {
    const TextFont font = textFontOf(font_);
    const CSize size = textExtent(font, text.str());
    DrawCommand c;
    c.kind = DrawCommand::Kind::Text;
    c.rect = shifted(CRect(x, y, x + size.cx, y + size.cy));
    c.text = text;
    c.font = font;
    c.textColour = textColour_;
    if (bkMode_ == OPAQUE) {
        c.hasTextBackground = true;
        c.textBackground = bkColour_;
        target().fillRect(c.rect, bkColour_);
    }
    record(std::move(c));
}

BOOL CDC::TextOut(int x, int y, const Tvx_String& text) {
    drawTextLine(text, x, y);
    return TRUE;
}

int CDC::DrawText(const Tvx_String& text, LPRECT rect, UINT format) {
    if (!rect)
        return 0;
    const TextFont font = textFontOf(font_);
    const Tvx_String shown = (format & DT_NOPREFIX) ? text : withoutPrefixes(text);
    const CRect box(*rect);
    const std::vector<Tvx_String> lines = layoutLines(shown, font, box.Width(), format);
    const int lineHeight = textExtent(font, L"").cy;
    const int height = lineHeight * static_cast<int>(lines.size());
    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const Tvx_String& line : lines)
            widest = std::max(widest, textExtent(font, line.str()).cx);
        rect->right = rect->left + widest;
        rect->bottom = rect->top + height;
        return height;
    }
    int y = box.top;
    if ((format & DT_SINGLELINE) && (format & DT_VCENTER))
        y = box.top + (box.Height() - height) / 2;
    if ((format & DT_SINGLELINE) && (format & DT_BOTTOM))
        y = box.bottom - height;
    for (const Tvx_String& line : lines) {
        const int width = textExtent(font, line.str()).cx;
        int x = box.left;
        if (format & DT_CENTER)
            x = box.left + (box.Width() - width) / 2;
        else if (format & DT_RIGHT)
            x = box.right - width;
        drawTextLine(line, x, y);
        y += lineHeight;
    }
    return height;
}

CSize CDC::GetTextExtent(const Tvx_String& text) const {
    return textExtentOf(font_, text.str());
}

BOOL CDC::GetTextMetrics(TEXTMETRIC* metrics) const {
    if (!metrics)
        return FALSE;
    const TextFont font = textFontOf(font_);
    const FontMeasures m = fontMeasures(font);
    metrics->tmHeight = m.height;
    metrics->tmAscent = m.ascent;
    metrics->tmDescent = m.descent;
    metrics->tmAveCharWidth = m.averageWidth;
    metrics->tmMaxCharWidth = m.maxWidth;
    metrics->tmWeight = font.weight;
    return TRUE;
}
