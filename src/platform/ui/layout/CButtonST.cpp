// The picture button: pictures, tooltip, flat look and colours.
#include "platform/ui/layout/CButtonST.h"

#include <algorithm>

#include "platform/core/NumberedTexts.h"
#include "platform/ui/gdi/GdiHandles.h"
#include "platform/ui/gdi/ResourceImages.h"

CButtonST::CButtonST() {
    SetDefaultColors(FALSE);
}

CButtonST::~CButtonST() {
    dropOwnedPictures();
}

void CButtonST::dropOwnedPictures() {
    if (ownsIcons_) {
        DestroyIcon(iconIn_);
        if (iconOut_ != iconIn_)
            DestroyIcon(iconOut_);
    }
    iconIn_ = iconOut_ = nullptr;
    ownsIcons_ = false;
    for (HBITMAP& bitmap : bitmaps_) {
        if (bitmap)
            DeleteObject(bitmap);
        bitmap = nullptr;
    }
}

void CButtonST::showPicture(DWORD styleBit) {
    if (!GetSafeHwnd())
        return;
    ModifyStyle(BS_ICON | BS_BITMAP, styleBit);
    if (styleBit == BS_ICON) {
        CButton::SetIcon(iconIn_);
    } else {
        CButton::SetBitmap(bitmaps_[0]);
    }
}

DWORD CButtonST::SetIcon(int iconIn, int iconOut) {
    const HICON in = LoadIcon(nullptr, MAKEINTRESOURCE(static_cast<UINT>(iconIn)));
    if (!in)
        return BTNST_INVALIDRESOURCE;
    const HICON out =
        iconOut != 0 ? LoadIcon(nullptr, MAKEINTRESOURCE(static_cast<UINT>(iconOut))) : in;
    dropOwnedPictures();
    iconIn_ = in;
    iconOut_ = out ? out : in;
    ownsIcons_ = true;
    showPicture(BS_ICON);
    return BTNST_OK;
}

DWORD CButtonST::SetIcon(HICON iconIn, HICON iconOut) {
    if (!gdi::iconInfo(iconIn))
        return BTNST_INVALIDRESOURCE;
    dropOwnedPictures();
    iconIn_ = iconIn;
    iconOut_ = gdi::iconInfo(iconOut) ? iconOut : iconIn;
    showPicture(BS_ICON);
    return BTNST_OK;
}

DWORD CButtonST::SetBitmaps(int bitmapIn, COLORREF transparentIn, int bitmapOut,
                            COLORREF transparentOut) {
    auto load = [](int id) {
        return static_cast<HBITMAP>(
            LoadImage(nullptr, MAKEINTRESOURCE(static_cast<UINT>(id)), IMAGE_BITMAP, 0, 0, 0));
    };
    const HBITMAP in = load(bitmapIn);
    if (!in)
        return BTNST_INVALIDRESOURCE;
    const HBITMAP out = bitmapOut != 0 ? load(bitmapOut) : nullptr;
    dropOwnedPictures();
    bitmaps_[0] = in;
    bitmaps_[1] = out;
    transparent_[0] = transparentIn;
    transparent_[1] = transparentOut;
    showPicture(BS_BITMAP);
    return BTNST_OK;
}

HBITMAP CButtonST::bitmapIn() const {
    return bitmaps_[0];
}

void CButtonST::SetTooltipText(const Tvx_String& text, BOOL activate) {
    tooltip_ = text;
    tooltipActive_ = activate != FALSE;
}

void CButtonST::SetTooltipText(int textId, BOOL activate) {
    SetTooltipText(string(textId), activate);
}

DWORD CButtonST::SetFlat(BOOL flat, BOOL repaint) {
    flat_ = flat;
    if (repaint && GetSafeHwnd())
        Invalidate();
    return BTNST_OK;
}

DWORD CButtonST::DrawFlatFocus(BOOL drawFlatFocus, BOOL repaint) {
    flatFocus_ = drawFlatFocus;
    if (repaint && GetSafeHwnd())
        Invalidate();
    return BTNST_OK;
}

DWORD CButtonST::SetColor(int index, COLORREF colour, BOOL repaint) {
    if (index < 0 || index >= BTNST_MAX_COLORS)
        return BTNST_INVALIDINDEX;
    colours_[index] = colour & 0xFFFFFF;
    if (repaint && GetSafeHwnd())
        Invalidate();
    return BTNST_OK;
}

DWORD CButtonST::GetColor(int index, COLORREF* colour) const {
    if (index < 0 || index >= BTNST_MAX_COLORS)
        return BTNST_INVALIDINDEX;
    if (!colour)
        return BTNST_BADPARAM;
    *colour = colours_[index];
    return BTNST_OK;
}

DWORD CButtonST::OffsetColor(int index, short offset, BOOL repaint) {
    if (index < 0 || index >= BTNST_MAX_COLORS)
        return BTNST_INVALIDINDEX;
    if (offset < -255 || offset > 255)
        return BTNST_BADPARAM;
    auto shift = [offset](int channel) { return std::clamp(channel + offset, 0, 255); };
    const COLORREF c = colours_[index];
    return SetColor(index, RGB(shift(GetRValue(c)), shift(GetGValue(c)), shift(GetBValue(c))),
                    repaint);
}

DWORD CButtonST::SetDefaultColors(BOOL repaint) {
    colours_[BTNST_COLOR_BK_IN] = GetSysColor(COLOR_BTNFACE);
    colours_[BTNST_COLOR_FG_IN] = GetSysColor(COLOR_BTNTEXT);
    colours_[BTNST_COLOR_BK_OUT] = GetSysColor(COLOR_BTNFACE);
    colours_[BTNST_COLOR_FG_OUT] = GetSysColor(COLOR_BTNTEXT);
    colours_[BTNST_COLOR_BK_FOCUS] = GetSysColor(COLOR_BTNFACE);
    colours_[BTNST_COLOR_FG_FOCUS] = GetSysColor(COLOR_BTNTEXT);
    if (repaint && GetSafeHwnd())
        Invalidate();
    return BTNST_OK;
}
