// The handle table of bitmaps, brushes, pens and icons, with the stock objects.
#include "platform/ui/gdi/GdiHandles.h"

#include <cstdint>
#include <map>
#include <variant>

#include "platform/ui/CFont.h"

namespace {

using GdiRecord = std::variant<PixelImage, gdi::BrushInfo, gdi::PenInfo, gdi::IconInfo>;

struct GdiEntry {
    GdiRecord record;
    bool permanent = false;  // stock objects and system colour brushes
};

std::map<HGDIOBJ, GdiEntry>& table() {
    static auto* entries = new std::map<HGDIOBJ, GdiEntry>;  // outlives static objects
    return *entries;
}

HGDIOBJ add(GdiRecord record, bool permanent = false) {
    // Far above the font handles, so that the two tables never share a value.
    static std::uintptr_t next = 0x40000000;
    const HGDIOBJ handle = reinterpret_cast<HGDIOBJ>(next);
    next += 4;
    table().emplace(handle, GdiEntry{std::move(record), permanent});
    return handle;
}

template <typename T>
T* find(HGDIOBJ handle) {
    const auto found = table().find(handle);
    return found == table().end() ? nullptr : std::get_if<T>(&found->second.record);
}

struct SystemColour {
    int index;
    COLORREF colour;
};

constexpr SystemColour kSystemColours[] = {
    {COLOR_WINDOW, RGB(255, 255, 255)},       {COLOR_WINDOWTEXT, RGB(0, 0, 0)},
    {COLOR_HIGHLIGHT, RGB(0, 120, 215)},      {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)},
    {COLOR_BTNFACE, RGB(240, 240, 240)},      {COLOR_BTNSHADOW, RGB(160, 160, 160)},
    {COLOR_GRAYTEXT, RGB(109, 109, 109)},     {COLOR_BTNTEXT, RGB(0, 0, 0)},
    {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)}, {COLOR_3DDKSHADOW, RGB(105, 105, 105)},
    {COLOR_3DLIGHT, RGB(227, 227, 227)},      {COLOR_INFOBK, RGB(255, 255, 225)},
};

}  // namespace

COLORREF GetSysColor(int index) {
    for (const SystemColour& entry : kSystemColours) {
        if (entry.index == index)
            return entry.colour;
    }
    return RGB(0, 0, 0);
}

HBRUSH GetSysColorBrush(int index) {
    static const std::map<int, HGDIOBJ> brushes = [] {
        std::map<int, HGDIOBJ> made;
        for (const SystemColour& entry : kSystemColours) {
            made[entry.index] = add(gdi::BrushInfo{entry.colour, false}, true);
        }
        return made;
    }();
    const auto found = brushes.find(index);
    return found == brushes.end() ? nullptr : static_cast<HBRUSH>(found->second);
}

HGDIOBJ GetStockObject(int index) {
    static const std::map<int, HGDIOBJ> stock = [] {
        std::map<int, HGDIOBJ> made;
        made[WHITE_BRUSH] = add(gdi::BrushInfo{RGB(255, 255, 255), false}, true);
        made[LTGRAY_BRUSH] = add(gdi::BrushInfo{RGB(192, 192, 192), false}, true);
        made[GRAY_BRUSH] = add(gdi::BrushInfo{RGB(128, 128, 128), false}, true);
        made[DKGRAY_BRUSH] = add(gdi::BrushInfo{RGB(64, 64, 64), false}, true);
        made[BLACK_BRUSH] = add(gdi::BrushInfo{RGB(0, 0, 0), false}, true);
        made[NULL_BRUSH] = add(gdi::BrushInfo{RGB(0, 0, 0), true}, true);
        made[WHITE_PEN] = add(gdi::PenInfo{PS_SOLID, 1, RGB(255, 255, 255)}, true);
        made[BLACK_PEN] = add(gdi::PenInfo{PS_SOLID, 1, RGB(0, 0, 0)}, true);
        made[NULL_PEN] = add(gdi::PenInfo{PS_NULL, 1, RGB(0, 0, 0)}, true);
        return made;
    }();
    const auto found = stock.find(index);
    return found == stock.end() ? nullptr : found->second;
}

HBRUSH CreateSolidBrush(COLORREF colour) {
    return static_cast<HBRUSH>(add(gdi::BrushInfo{colour & 0xFFFFFF, false}));
}

HPEN CreatePen(int style, int width, COLORREF colour) {
    return static_cast<HPEN>(add(gdi::PenInfo{style, width < 1 ? 1 : width, colour & 0xFFFFFF}));
}

BOOL DeleteObject(HGDIOBJ object) {
    if (CFont* font = CFont::FromHandle(static_cast<HFONT>(object)))
        return font->DeleteObject();
    const auto found = table().find(object);
    if (found == table().end() || found->second.permanent ||
        std::holds_alternative<gdi::IconInfo>(found->second.record)) {
        return FALSE;
    }
    table().erase(found);
    return TRUE;
}

BOOL DestroyIcon(HICON icon) {
    if (!gdi::iconInfo(icon))
        return FALSE;
    table().erase(icon);
    return TRUE;
}

namespace gdi {

HBITMAP createBitmap(PixelImage picture) {
    return static_cast<HBITMAP>(add(std::move(picture)));
}

HICON createIcon(IconInfo icon) {
    return static_cast<HICON>(add(std::move(icon)));
}

PixelImage* bitmapPicture(HBITMAP bitmap) {
    return find<PixelImage>(bitmap);
}

const BrushInfo* brushInfo(HBRUSH brush) {
    return find<BrushInfo>(brush);
}

const PenInfo* penInfo(HPEN pen) {
    return find<PenInfo>(pen);
}

const IconInfo* iconInfo(HICON icon) {
    return find<IconInfo>(icon);
}

}  // namespace gdi
