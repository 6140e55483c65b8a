// The looks of the built-in window classes.
#include "platform/ui/render/WindowLooks.h"

#include <algorithm>

#include "platform/ui/WinMessages.h"
#include "platform/ui/WinStyles.h"
#include "platform/ui/gdi/FontOfHandle.h"
#include "platform/ui/gdi/GdiHandles.h"
#include "platform/ui/gdi/RasterOps.h"

namespace render {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kFrame = RGB(122, 122, 122);
constexpr int kBoxSize = 13;

bool isClass(const ui::WindowRecord& w, const wchar_t* name) {
    return w.className.equal(name, false);
}

bool enabled(const ui::WindowRecord& w) {
    return !(w.style & WS_DISABLED);
}

COLORREF textColour(const ui::WindowRecord& w, const ControlColours& colours) {
    if (!enabled(w))
        return GetSysColor(COLOR_GRAYTEXT);
    return colours.hasText ? colours.text : GetSysColor(COLOR_WINDOWTEXT);
}

void fillBackground(CDC& dc, const CRect& client, const ControlColours& colours,
                    COLORREF fallback) {
    if (colours.transparent)
        return;
    dc.FillSolidRect(&client, colours.hasBackground ? colours.background : fallback);
}

void frame(CDC& dc, const CRect& rect, COLORREF colour) {
    CBrush brush(colour);
    dc.FrameRect(&rect, &brush);
}

void drawPicture(CDC& dc, const CRect& area, HICON icon, HBITMAP bitmap) {
    if (const gdi::IconInfo* info = gdi::iconInfo(icon)) {
        dc.DrawIcon(area.left + (area.Width() - info->picture.width()) / 2,
                    area.top + (area.Height() - info->picture.height()) / 2, icon);
    } else if (const PixelImage* picture = gdi::bitmapPicture(bitmap)) {
        CDC source;
        source.CreateCompatibleDC(&dc);
        source.SelectObject(static_cast<HGDIOBJ>(bitmap));
        dc.BitBlt(area.left + (area.Width() - picture->width()) / 2,
                  area.top + (area.Height() - picture->height()) / 2, picture->width(),
                  picture->height(), &source, 0, 0, SRCCOPY);
    }
}

void drawText(CDC& dc, const Tvx_String& text, CRect area, UINT format, COLORREF colour) {
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(colour);
    dc.DrawText(text, &area, format);
}

void drawStatic(const ui::WindowRecord& w, CDC& dc, const CRect& client,
                const ControlColours& colours) {
    const DWORD type = w.style & SS_TYPEMASK;
    switch (type) {
        case SS_BLACKRECT:
            dc.FillSolidRect(&client, RGB(0, 0, 0));
            return;
        case SS_GRAYRECT:
            dc.FillSolidRect(&client, GetSysColor(COLOR_BTNSHADOW));
            return;
        case SS_WHITERECT:
            dc.FillSolidRect(&client, kWhite);
            return;
        case SS_BLACKFRAME:
            frame(dc, client, RGB(0, 0, 0));
            return;
        case SS_GRAYFRAME:
        case SS_ETCHEDFRAME:
            frame(dc, client, GetSysColor(COLOR_BTNSHADOW));
            return;
        case SS_WHITEFRAME:
            frame(dc, client, kWhite);
            return;
        case SS_ETCHEDHORZ:
            dc.FillSolidRect(0, 0, client.Width(), 1, GetSysColor(COLOR_BTNSHADOW));
            return;
        case SS_ETCHEDVERT:
            dc.FillSolidRect(0, 0, 1, client.Height(), GetSysColor(COLOR_BTNSHADOW));
            return;
        default:
            break;
    }
    fillBackground(dc, client, colours, GetSysColor(COLOR_BTNFACE));
    if (type == SS_ICON || type == SS_BITMAP) {
        drawPicture(dc, client, w.control.icon, w.control.bitmap);
        return;
    }
    UINT format = DT_WORDBREAK;
    if (type == SS_CENTER)
        format |= DT_CENTER;
    if (type == SS_RIGHT)
        format |= DT_RIGHT;
    if (type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE)
        format = DT_LEFT;
    if (w.style & SS_NOPREFIX)
        format |= DT_NOPREFIX;
    drawText(dc, w.text, client, format, textColour(w, colours));
}

void drawCheckMark(CDC& dc, const CRect& box, UINT check) {
    if (check == BST_INDETERMINATE) {
        CRect inner = box;
        inner.DeflateRect(3, 3);
        dc.FillSolidRect(&inner, GetSysColor(COLOR_BTNSHADOW));
    } else if (check == BST_CHECKED) {
        CPen pen(PS_SOLID, 2, RGB(0, 0, 0));
        dc.SelectObject(&pen);
        dc.MoveTo(box.left + 3, box.top + 6);
        dc.LineTo(box.left + 5, box.top + 9);
        dc.LineTo(box.left + 10, box.top + 3);
        dc.SelectStockObject(BLACK_PEN);
    }
}

void drawButton(const ui::WindowRecord& w, CDC& dc, const CRect& client,
                const ControlColours& colours) {
    const DWORD type = w.style & BS_TYPEMASK;
    const bool pushLike = (w.style & BS_PUSHLIKE) != 0;
    const UINT check = w.control.check;
    const bool hasPicture = (w.style & (BS_ICON | BS_BITMAP)) != 0;
    if (type == BS_GROUPBOX) {
        const int middle = textExtentOf(w.font, L"X").cy / 2;
        frame(dc, CRect(0, middle, client.right, client.bottom), GetSysColor(COLOR_BTNSHADOW));
        if (!w.text.isEmpty()) {
            const CSize size = textExtentOf(w.font, w.text.str());
            CRect caption(8, 0, 8 + size.cx + 4, size.cy);
            fillBackground(dc, caption, colours, GetSysColor(COLOR_BTNFACE));
            drawText(dc, w.text, CRect(10, 0, client.right, size.cy), DT_LEFT | DT_SINGLELINE,
                     textColour(w, colours));
        }
        return;
    }
    const bool isBox = !pushLike && (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX ||
                                     type == BS_3STATE || type == BS_AUTO3STATE);
    const bool isRadio = !pushLike && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
    if (isBox || isRadio) {
        fillBackground(dc, client, colours, GetSysColor(COLOR_BTNFACE));
        const CRect box(0, (client.Height() - kBoxSize) / 2, kBoxSize,
                        (client.Height() - kBoxSize) / 2 + kBoxSize);
        CBrush white(enabled(w) ? kWhite : GetSysColor(COLOR_BTNFACE));
        CPen outline(PS_SOLID, 1, kFrame);
        dc.SelectObject(&white);
        dc.SelectObject(&outline);
        if (isRadio) {
            dc.Ellipse(&box);
            if (check == BST_CHECKED) {
                CBrush dot(RGB(0, 0, 0));
                dc.SelectObject(&dot);
                dc.Ellipse(box.left + 4, box.top + 4, box.right - 4, box.bottom - 4);
                dc.SelectStockObject(WHITE_BRUSH);
            }
        } else {
            dc.Rectangle(&box);
            drawCheckMark(dc, box, check);
        }
        dc.SelectStockObject(WHITE_BRUSH);
        dc.SelectStockObject(BLACK_PEN);
        drawText(dc, w.text, CRect(kBoxSize + 4, 0, client.right, client.bottom),
                 DT_LEFT | DT_VCENTER | DT_SINGLELINE, textColour(w, colours));
        return;
    }
    // Push buttons, push-like boxes, and picture buttons.
    const bool down = w.control.pushed || (pushLike && check == BST_CHECKED);
    dc.FillSolidRect(&client, down ? GetSysColor(COLOR_3DLIGHT) : GetSysColor(COLOR_BTNFACE));
    frame(dc, client, type == BS_DEFPUSHBUTTON ? GetSysColor(COLOR_HIGHLIGHT) : kFrame);
    if (hasPicture) {
        drawPicture(dc, client, w.control.icon, w.control.bitmap);
    } else {
        drawText(dc, w.text, client, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                 textColour(w, colours));
    }
}

Tvx_String shownEditText(const ui::WindowRecord& w) {
    if (!(w.style & ES_PASSWORD))
        return w.text;
    return Tvx_String(std::wstring(static_cast<size_t>(w.text.length()), L'*'));
}

void drawEdit(const ui::WindowRecord& w, CDC& dc, const CRect& client,
              const ControlColours& colours) {
    const bool readOnly = (w.style & ES_READONLY) || !enabled(w);
    fillBackground(dc, client, colours, readOnly ? GetSysColor(COLOR_BTNFACE) : kWhite);
    frame(dc, client, kFrame);
    CRect area = client;
    area.DeflateRect(3, 2);
    UINT format = (w.style & ES_MULTILINE) ? DT_WORDBREAK : (DT_SINGLELINE | DT_VCENTER);
    if (w.style & ES_CENTER)
        format |= DT_CENTER;
    if (w.style & ES_RIGHT)
        format |= DT_RIGHT;
    drawText(dc, shownEditText(w), area, format | DT_NOPREFIX, textColour(w, colours));
}

void drawCombo(const ui::WindowRecord& w, CDC& dc, const CRect& client,
               const ControlColours& colours) {
    const int height = std::min(client.Height(), textExtentOf(w.font, L"X").cy + 8);
    const CRect field(0, 0, client.right, height);
    dc.FillSolidRect(&field, enabled(w) ? kWhite : GetSysColor(COLOR_BTNFACE));
    frame(dc, field, kFrame);
    const CRect arrow(client.right - 17, 1, client.right - 1, height - 1);
    dc.FillSolidRect(&arrow, GetSysColor(COLOR_BTNFACE));
    dc.MoveTo(arrow.left + 4, arrow.top + height / 2 - 2);
    dc.LineTo(arrow.left + 8, arrow.top + height / 2 + 2);
    dc.LineTo(arrow.left + 13, arrow.top + height / 2 - 3);
    Tvx_String shown = w.text;
    const auto& items = w.control.items;
    if ((w.style & CBS_TYPEMASK) == CBS_DROPDOWNLIST) {
        shown = w.control.curSel >= 0 && w.control.curSel < static_cast<int>(items.size())
                    ? items[static_cast<size_t>(w.control.curSel)].text
                    : Tvx_String();
    }
    drawText(dc, shown, CRect(3, 0, arrow.left - 2, height),
             DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, textColour(w, colours));
}

void drawList(const ui::WindowRecord& w, CDC& dc, const CRect& client,
              const ControlColours& colours) {
    fillBackground(dc, client, colours, enabled(w) ? kWhite : GetSysColor(COLOR_BTNFACE));
    frame(dc, client, kFrame);
    const bool checks = (w.style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
    const int lineHeight = textExtentOf(w.font, L"X").cy + 2;
    const auto& items = w.control.items;
    int y = 2;
    for (size_t i = static_cast<size_t>(std::max(w.control.topIndex, 0));
         i < items.size() && y < client.bottom; ++i) {
        const bool selected = items[i].selected || static_cast<int>(i) == w.control.curSel;
        int x = 3;
        if (selected)
            dc.FillSolidRect(2, y, client.Width() - 4, lineHeight, GetSysColor(COLOR_HIGHLIGHT));
        if (checks) {
            const CRect box(x, y + (lineHeight - 11) / 2, x + 11, y + (lineHeight - 11) / 2 + 11);
            dc.Rectangle(&box);
            drawCheckMark(dc, CRect(box.left - 1, box.top - 1, box.right, box.bottom),
                          static_cast<UINT>(items[i].check));
            x += 15;
        }
        drawText(dc, items[i].text, CRect(x, y, client.right - 2, y + lineHeight),
                 DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                 selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : textColour(w, colours));
        y += lineHeight;
    }
}

void drawTabs(const ui::WindowRecord& w, CDC& dc, const CRect& client) {
    const int height = textExtentOf(w.font, L"X").cy + 8;
    const CRect body(0, height - 1, client.right, client.bottom);
    dc.FillSolidRect(&body, kWhite);
    frame(dc, body, kFrame);
    int x = 2;
    const auto& items = w.control.items;
    for (size_t i = 0; i < items.size(); ++i) {
        const int width = textExtentOf(w.font, items[i].text.str()).cx + 12;
        const bool selected = static_cast<int>(i) == w.control.curSel;
        const CRect tab(x, selected ? 0 : 2, x + width, height);
        dc.FillSolidRect(&tab, selected ? kWhite : GetSysColor(COLOR_BTNFACE));
        frame(dc, tab, kFrame);
        drawText(dc, items[i].text, tab, DT_CENTER | DT_VCENTER | DT_SINGLELINE, textColour(w, {}));
        x += width;
    }
}

void drawListView(const ui::WindowRecord& w, CDC& dc, const CRect& client) {
    dc.FillSolidRect(&client, kWhite);
    frame(dc, client, kFrame);
    const int lineHeight = textExtentOf(w.font, L"X").cy + 4;
    const auto& items = w.control.items;
    const auto& columns = w.control.columns;
    if ((w.style & LVS_TYPEMASK) == LVS_REPORT) {
        int x = 1;
        for (const ui::ListColumn& column : columns) {
            const CRect head(x, 1, x + column.width, 1 + lineHeight);
            dc.FillSolidRect(&head, GetSysColor(COLOR_BTNFACE));
            frame(dc, head, GetSysColor(COLOR_3DLIGHT));
            drawText(dc, column.heading, CRect(head.left + 4, head.top, head.right, head.bottom),
                     DT_LEFT | DT_VCENTER | DT_SINGLELINE, GetSysColor(COLOR_BTNTEXT));
            x += column.width;
        }
        int y = 1 + lineHeight;
        for (const ui::ListEntry& item : items) {
            if (item.selected)
                dc.FillSolidRect(1, y, client.Width() - 2, lineHeight,
                                 GetSysColor(COLOR_HIGHLIGHT));
            const COLORREF colour =
                item.selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : textColour(w, {});
            int cx = 1;
            for (size_t c = 0; c < std::max<size_t>(columns.size(), 1); ++c) {
                const int width = columns.empty() ? client.Width() : columns[c].width;
                const Tvx_String& text = c == 0                         ? item.text
                                         : c - 1 < item.subItems.size() ? item.subItems[c - 1]
                                                                        : Tvx_String();
                drawText(dc, text, CRect(cx + 4, y, cx + width, y + lineHeight),
                         DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, colour);
                cx += width;
            }
            y += lineHeight;
        }
        return;
    }
    // Icon views: captions in a grid of cells.
    const int cellWidth = 90;
    const int cellHeight = 70;
    const int perRow = std::max(1, client.Width() / cellWidth);
    for (size_t i = 0; i < items.size(); ++i) {
        const int x = static_cast<int>(i % static_cast<size_t>(perRow)) * cellWidth;
        const int y = static_cast<int>(i / static_cast<size_t>(perRow)) * cellHeight;
        const CRect picture(x + 20, y + 4, x + cellWidth - 20, y + cellHeight - lineHeight - 4);
        frame(dc, picture, GetSysColor(COLOR_3DLIGHT));
        if (items[i].selected)
            dc.FillSolidRect(x + 2, y + cellHeight - lineHeight - 2, cellWidth - 4, lineHeight,
                             GetSysColor(COLOR_HIGHLIGHT));
        drawText(dc, items[i].text,
                 CRect(x, y + cellHeight - lineHeight - 2, x + cellWidth, y + cellHeight),
                 DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                 items[i].selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : textColour(w, {}));
    }
}

}  // namespace

void drawWindowLook(const ui::WindowRecord& w, CDC& dc, const ControlColours& colours) {
    dc.SelectObject(static_cast<HGDIOBJ>(w.font ? w.font : ui::defaultDialogFont()));
    const CRect client(0, 0, dc.surface().width(), dc.surface().height());
    if (isClass(w, L"STATIC")) {
        drawStatic(w, dc, client, colours);
    } else if (isClass(w, L"BUTTON")) {
        drawButton(w, dc, client, colours);
    } else if (isClass(w, L"EDIT") || w.className.startsWith(L"RichEdit", false)) {
        drawEdit(w, dc, client, colours);
    } else if (isClass(w, L"COMBOBOX")) {
        drawCombo(w, dc, client, colours);
    } else if (isClass(w, L"LISTBOX")) {
        drawList(w, dc, client, colours);
    } else if (isClass(w, L"SysTabControl32")) {
        drawTabs(w, dc, client);
    } else if (isClass(w, L"SysListView32")) {
        drawListView(w, dc, client);
    } else if (isClass(w, L"#32770") || isClass(w, L"AfxWnd") || isClass(w, L"ToolbarWindow32")) {
        dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
    } else {
        dc.FillSolidRect(&client, RGB(250, 250, 250));
        frame(dc, client, kFrame);
        drawText(dc, w.className, client, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                 GetSysColor(COLOR_GRAYTEXT));
    }
}

}  // namespace render
