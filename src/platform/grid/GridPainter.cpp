// Painting a grid on a device context, cell by cell, in window pixels.
#include "platform/grid/GridPainter.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <tuple>
#include <vector>

#include "platform/core/NumberText.h"
#include "platform/grid/GridLayout.h"
#include "platform/grid/HeaderLabels.h"
#include "platform/ui/gdi/FontMetric.h"

namespace grid {
namespace {

constexpr COLORREF kFrameColour = RGB(160, 160, 160);
constexpr COLORREF kLightColour = RGB(255, 255, 255);
constexpr COLORREF kFaceColour = RGB(240, 240, 240);
constexpr COLORREF kShadowColour = RGB(105, 105, 105);
constexpr COLORREF kNoteColour = RGB(255, 0, 0);
constexpr int kCheckBoxSize = 13;
constexpr int kComboArrowWidth = 16;

CRect toRect(const PixelRect& r) {
    return CRect(r.left, r.top, r.right, r.bottom);
}

class Painter {
  public:
    Painter(const GridControl& grid, CDC& dc)
        : grid_(grid), sheet_(grid.sheet()), dc_(dc), geometry_(gridGeometry(grid)) {}

    void paint() {
        dc_.FillSolidRect(0, 0, grid_.windowWidth(), grid_.windowHeight(), kLightColour);
        visibleLines();
        for (int row : rows_) {
            for (int column : columns_)
                paintCell(column, row);
        }
        paintActiveCell();
        for (int column : columns_)
            paintCell(column, 0);
        for (int row : rows_)
            paintCell(0, row);
        if (geometry_.headerColumnWidth > 0 && geometry_.headerRowHeight > 0)
            paintCell(0, 0);
        paintScrollBars();
        paintBorder();
        paintTip();
    }

  private:
    // The body columns and rows that show, at least in part.
    void visibleLines() {
        int x = geometry_.cells.left;
        for (int c = grid_.leftColumn(); c <= sheet_.columnCount() && x < geometry_.cells.right;
             ++c) {
            columns_.push_back(c);
            x += sheet_.columnWidth(c);
        }
        int y = geometry_.cells.top;
        for (int r = grid_.topRow(); r <= sheet_.rowCount() && y < geometry_.cells.bottom; ++r) {
            rows_.push_back(r);
            y += sheet_.rowHeight(r);
        }
    }

    bool isHidden(int column, int row) const {
        return (column == 0 && geometry_.headerColumnWidth == 0) ||
               (row == 0 && geometry_.headerRowHeight == 0);
    }

    CFont* fontFor(const CellFont& font) {
        auto key = std::make_tuple(font.face, font.height, font.weight);
        auto& slot = fonts_[key];
        if (!slot) {
            slot = std::make_unique<CFont>();
            slot->CreateFont(font.height, 0, 0, 0, font.weight, 0, 0, 0, 0, 0, 0, 0, 0,
                             font.face.c_str());
        }
        return slot.get();
    }

    bool isSelected(int column, int row) const {
        const std::optional<Block>& block = sheet_.selection();
        return block && column > 0 && row > 0 && block->contains(column, row) &&
               !(column == sheet_.activeColumn() && row == sheet_.activeRow());
    }

    void paintCell(int column, int row) {
        if (isHidden(column, row))
            return;
        int anchorColumn = column;
        int anchorRow = row;
        if (const std::optional<Span> span = sheet_.spanAt(column, row)) {
            anchorColumn = span->column;
            anchorRow = span->row;
        }
        if (!painted_.insert({anchorColumn, anchorRow}).second)
            return;
        const CRect rect = toRect(cellRect(grid_, anchorColumn, anchorRow));
        const ResolvedFormat format = sheet_.resolvedFormat(anchorColumn, anchorRow);
        const bool selected = isSelected(anchorColumn, anchorRow);
        const COLORREF background =
            selected ? grid_.settings().selectionBackground : format.background;
        const bool coloured = background != defaultBodyFormat().background;
        const int style = grid_.settings().backColorStyle;
        if (style == kBackColorUnderGrid) {
            dc_.FillSolidRect(rect.left, rect.top, rect.Width() - 1, rect.Height() - 1, background);
        } else {
            dc_.FillSolidRect(&rect, background);
        }
        if (column == 0 || row == 0) {
            dc_.Draw3dRect(&rect, kLightColour, kFrameColour);
        } else if (grid_.settings().option(kOptionGridLines)) {
            const int type = grid_.settings().gridType;
            const COLORREF colour = grid_.settings().gridColor;
            const int pen = (type & kGridSolidLines) ? PS_SOLID : PS_DOT;
            if ((type & kGridVerticalLines) && !(coloured && style == kBackColorHorizontalGrid))
                line(rect.right - 1, rect.top, rect.right - 1, rect.bottom, colour, pen);
            if ((type & kGridHorizontalLines) && !(coloured && style == kBackColorVerticalGrid))
                line(rect.left, rect.bottom - 1, rect.right, rect.bottom - 1, colour, pen);
        }
        paintBorders(rect, format);
        const COLORREF foreground =
            selected ? grid_.settings().selectionForeground : format.foreground;
        paintContent(anchorColumn, anchorRow, rect, format, foreground);
        if (grid_.settings().noteIndicator == 1 && !sheet_.note(anchorColumn, anchorRow).empty()) {
            for (int i = 0; i < 5; ++i) {
                line(rect.right - 6 + i, rect.top, rect.right - 1, rect.top + 5 - i, kNoteColour,
                     PS_SOLID);
            }
        }
    }

    void line(int x1, int y1, int x2, int y2, COLORREF colour, int penStyle) {
        CPen pen(penStyle, 1, colour);
        CPen* old = dc_.SelectObject(&pen);
        dc_.MoveTo(x1, y1);
        dc_.LineTo(x2, y2);
        dc_.SelectObject(old);
    }

    static int penOf(BorderStyle style) {
        switch (style) {
            case BorderStyle::Dashed:
                return PS_DASH;
            case BorderStyle::Dotted:
                return PS_DOT;
            case BorderStyle::DashDot:
                return PS_DASHDOT;
            case BorderStyle::DashDotDot:
                return PS_DASHDOTDOT;
            default:
                return PS_SOLID;
        }
    }

    void paintBorders(const CRect& rect, const ResolvedFormat& format) {
        for (int edge = 0; edge < 4; ++edge) {
            const BorderLine& border = format.borders[static_cast<size_t>(edge)];
            if (border.style == BorderStyle::None)
                continue;
            const int pen = penOf(border.style);
            const int passes = border.style == BorderStyle::Double ? 2 : 1;
            for (int pass = 0; pass < passes; ++pass) {
                const int in = pass * 2;
                switch (edge) {
                    case kEdgeLeft:
                        line(rect.left + in, rect.top, rect.left + in, rect.bottom, border.color,
                             pen);
                        break;
                    case kEdgeRight:
                        line(rect.right - 1 - in, rect.top, rect.right - 1 - in, rect.bottom,
                             border.color, pen);
                        break;
                    case kEdgeTop:
                        line(rect.left, rect.top + in, rect.right, rect.top + in, border.color,
                             pen);
                        break;
                    default:
                        line(rect.left, rect.bottom - 1 - in, rect.right, rect.bottom - 1 - in,
                             border.color, pen);
                        break;
                }
            }
        }
    }

    UINT textFormat(const ResolvedFormat& format, bool isNumber, bool isHeader) const {
        UINT flags = DT_NOPREFIX;
        switch (format.alignment.horizontal) {
            case HorizontalAlign::Left:
                flags |= DT_LEFT;
                break;
            case HorizontalAlign::Center:
                flags |= DT_CENTER;
                break;
            case HorizontalAlign::Right:
                flags |= DT_RIGHT;
                break;
            case HorizontalAlign::Default:
                flags |= isHeader ? DT_CENTER : isNumber ? DT_RIGHT : DT_LEFT;
        }
        if (format.type.style & kStyleWordWrap &&
            (format.type.kind == CellKind::Text || format.type.kind == CellKind::StaticText)) {
            flags |= DT_WORDBREAK;
        } else {
            flags |= DT_SINGLELINE;
            switch (format.alignment.vertical) {
                case VerticalAlign::Top:
                    flags |= DT_TOP;
                    break;
                case VerticalAlign::Bottom:
                    flags |= DT_BOTTOM;
                    break;
                default:
                    flags |= DT_VCENTER;
                    break;
            }
        }
        return flags;
    }

    void text(const std::wstring& content, CRect rect, const ResolvedFormat& format,
              COLORREF colour, UINT flags) {
        if (content.empty())
            return;
        rect.DeflateRect(kCellTextPadding, 0);
        CFont* old = dc_.SelectObject(fontFor(format.font));
        dc_.SetTextColor(colour);
        dc_.SetBkMode(TRANSPARENT);
        dc_.DrawText(Tvx_String(content), &rect, flags);
        dc_.SelectObject(old);
    }

    // Draws a picture named as cell types name them (a bitmap path, or "#" and
    // a resource number) into the rectangle: stretched (keeping its
    // proportions when asked) or at its own size in the centre. False when the
    // picture cannot be loaded.
    bool picture(const std::wstring& name, const CRect& rect, bool stretch, bool keepAspect) {
        CBitmap bitmap;
        const bool loaded =
            !name.empty() && name[0] == L'#'
                ? bitmap.LoadBitmap(static_cast<UINT>(numtext::parseLeadingInt(name.substr(1))))
                : bitmap.LoadFromFile(Tvx_String(name));
        if (!loaded)
            return false;
        const CSize size = bitmap.GetBitmapDimension();
        if (size.cx <= 0 || size.cy <= 0)
            return false;
        CSize target = size;
        if (stretch) {
            target = CSize(rect.Width(), rect.Height());
            if (keepAspect) {
                const double scale = std::min(static_cast<double>(rect.Width()) / size.cx,
                                              static_cast<double>(rect.Height()) / size.cy);
                target =
                    CSize(static_cast<int>(size.cx * scale), static_cast<int>(size.cy * scale));
            }
        }
        const int x = rect.left + (rect.Width() - target.cx) / 2;
        const int y = rect.top + (rect.Height() - target.cy) / 2;
        CDC memory;
        memory.CreateCompatibleDC(&dc_);
        CBitmap* old = memory.SelectObject(&bitmap);
        dc_.StretchBlt(x, y, target.cx, target.cy, &memory, 0, 0, size.cx, size.cy, SRCCOPY);
        memory.SelectObject(old);
        return true;
    }

    void paintContent(int column, int row, CRect rect, const ResolvedFormat& format,
                      COLORREF colour) {
        const bool isHeader = column == 0 || row == 0;
        const CellType& type = format.type;
        switch (type.kind) {
            case CellKind::CheckBox: {
                const int top = rect.top + (rect.Height() - kCheckBoxSize) / 2;
                const bool captionLeft = type.style & kStyleCaptionLeft;
                const int left = captionLeft ? rect.right - kCheckBoxSize - 3 : rect.left + 3;
                CRect box(left, top, left + kCheckBoxSize, top + kCheckBoxSize);
                const bool on = sheet_.valueText(column, row) == L"1";
                if (!picture(on ? type.pictureOn : type.pictureOff, box, false, false)) {
                    dc_.FillSolidRect(&box, kLightColour);
                    dc_.Draw3dRect(&box, kShadowColour, kShadowColour);
                    if (on) {
                        line(box.left + 3, box.top + 6, box.left + 5, box.top + 9, colour,
                             PS_SOLID);
                        line(box.left + 5, box.top + 9, box.left + 10, box.top + 3, colour,
                             PS_SOLID);
                    }
                }
                CRect caption = rect;
                (captionLeft ? caption.right : caption.left) =
                    captionLeft ? box.left - 2 : box.right + 2;
                text(type.text, caption, format, colour, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
                return;
            }
            case CellKind::Button: {
                CRect face = rect;
                face.DeflateRect(1, 1);
                dc_.FillSolidRect(&face, kFaceColour);
                dc_.Draw3dRect(&face, kLightColour, kShadowColour);
                text(type.text, face, format, colour, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
                return;
            }
            case CellKind::Picture: {
                CRect frame = rect;
                frame.DeflateRect(1, 1);
                if (picture(type.text, frame, type.style & kStyleStretch,
                            type.style & kStyleKeepAspect)) {
                    return;
                }
                // A picture that cannot be loaded shows as a frame with its name.
                dc_.Draw3dRect(&frame, kFrameColour, kFrameColour);
                text(type.text, frame, format, kShadowColour,
                     DT_CENTER | DT_VCENTER | DT_SINGLELINE);
                return;
            }
            case CellKind::ComboBox: {
                CRect arrow(rect.right - kComboArrowWidth - 1, rect.top + 1, rect.right - 1,
                            rect.bottom - 2);
                dc_.FillSolidRect(&arrow, kFaceColour);
                dc_.Draw3dRect(&arrow, kLightColour, kShadowColour);
                const int middle = (arrow.left + arrow.right) / 2;
                const int y = (arrow.top + arrow.bottom) / 2 - 1;
                for (int i = 0; i < 4; ++i)
                    line(middle - 3 + i, y + i, middle + 4 - i, y + i, RGB(0, 0, 0), PS_SOLID);
                rect.right = arrow.left;
                break;
            }
            default:
                break;
        }
        std::wstring content = sheet_.displayText(column, row);
        if (content.empty() && isHeader)
            content = row == 0 ? columnLabel(column) : rowLabel(row);
        const bool isNumber = type.kind == CellKind::Number ||
                              sheet_.value(column, row).kind() == CellValue::Kind::Number;
        text(content, rect, format, colour, textFormat(format, isNumber, isHeader));
    }

    void paintActiveCell() {
        if (sheet_.columnCount() == 0 || sheet_.rowCount() == 0)
            return;
        int column = sheet_.activeColumn();
        int row = sheet_.activeRow();
        if (const std::optional<Span> span = sheet_.spanAt(column, row)) {
            column = span->column;
            row = span->row;
        }
        const CRect rect = toRect(cellRect(grid_, column, row));
        if (grid_.isEditing()) {
            const ResolvedFormat format = sheet_.resolvedFormat(column, row);
            dc_.FillSolidRect(&rect, kLightColour);
            text(grid_.editText(), rect, format, format.foreground,
                 DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        }
        CRect frame = rect;
        for (int i = 0; i < 2; ++i) {
            dc_.Draw3dRect(&frame, RGB(0, 0, 0), RGB(0, 0, 0));
            frame.DeflateRect(1, 1);
        }
    }

    void paintTip() {
        const std::optional<GridControl::ShownTip>& tip = grid_.shownTip();
        if (!tip)
            return;
        const TextTip& looks = grid_.settings().textTip;
        const CSize size =
            textExtent(TextFont{looks.font.face, looks.font.height, looks.font.weight}, tip->text);
        CRect box(tip->x, tip->y, tip->x + size.cx + 2 * kCellTextPadding + 2,
                  tip->y + size.cy + 4);
        dc_.FillSolidRect(&box, looks.background);
        dc_.Draw3dRect(&box, RGB(0, 0, 0), RGB(0, 0, 0));
        ResolvedFormat format;
        format.font = looks.font;
        text(tip->text, box, format, looks.foreground, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }

    void paintScrollBars() {
        const ScrollBarSizes bars = scrollBarSizes(grid_.settings());
        const PixelRect& inner = geometry_.inner;
        if (bars.verticalWidth > 0) {
            CRect bar(inner.right - bars.verticalWidth, inner.top, inner.right, inner.bottom);
            dc_.FillSolidRect(&bar, kFaceColour);
            dc_.Draw3dRect(&bar, kLightColour, kFrameColour);
        }
        if (bars.horizontalHeight > 0) {
            CRect bar(inner.left, inner.bottom - bars.horizontalHeight, inner.right, inner.bottom);
            dc_.FillSolidRect(&bar, kFaceColour);
            dc_.Draw3dRect(&bar, kLightColour, kFrameColour);
        }
    }

    void paintBorder() {
        CRect outer(0, 0, grid_.windowWidth(), grid_.windowHeight());
        switch (grid_.settings().appearance) {
            case kAppearanceFlat:
                dc_.Draw3dRect(&outer, kShadowColour, kShadowColour);
                break;
            case kAppearanceThreeD:
                dc_.Draw3dRect(&outer, kFrameColour, kLightColour);
                outer.DeflateRect(1, 1);
                dc_.Draw3dRect(&outer, kShadowColour, kFaceColour);
                break;
            default:
                break;
        }
    }

    const GridControl& grid_;
    const Sheet& sheet_;
    CDC& dc_;
    GridGeometry geometry_;
    std::vector<int> columns_;
    std::vector<int> rows_;
    std::set<std::pair<int, int>> painted_;
    std::map<std::tuple<std::wstring, int, int>, std::unique_ptr<CFont>> fonts_;
};

}  // namespace

void paintGrid(const GridControl& grid, CDC& dc) {
    Painter(grid, dc).paint();
}

}  // namespace grid
