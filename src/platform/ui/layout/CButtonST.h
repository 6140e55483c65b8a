// CButtonST: the core's picture button, a push button (or check box) showing
// an icon or a bitmap, with a tooltip, a flat look and its own colours.
//
// It is attached to a dialog's button with SubclassDlgItem. Pictures come from
// the product's resources (ResourceImages.h); setting one gives the button the
// BS_ICON or BS_BITMAP style and the picture, so that the button shows it.
// Colours: six slots (background and text, each for the mouse over the button,
// away from it, and the focus), offset by OffsetColor.
#pragma once

#include "platform/core/Tvx_String.h"
#include "platform/ui/controls/CButton.h"

// Result codes of the set-up calls.
inline constexpr DWORD BTNST_OK = 0;
inline constexpr DWORD BTNST_INVALIDRESOURCE = 1;
inline constexpr DWORD BTNST_FAILEDMASK = 2;
inline constexpr DWORD BTNST_INVALIDINDEX = 3;
inline constexpr DWORD BTNST_BADPARAM = 5;

class CButtonST : public CButton {
  public:
    enum ColourIndex {
        BTNST_COLOR_BK_IN = 0,
        BTNST_COLOR_FG_IN = 1,
        BTNST_COLOR_BK_OUT = 2,
        BTNST_COLOR_FG_OUT = 3,
        BTNST_COLOR_BK_FOCUS = 4,
        BTNST_COLOR_FG_FOCUS = 5,
        BTNST_MAX_COLORS = 6,
    };

    CButtonST();
    ~CButtonST() override;

    // An icon resource (the second, shown while the mouse is away, may be 0 for
    // the same). BTNST_INVALIDRESOURCE when the first is missing.
    DWORD SetIcon(int iconIn, int iconOut = 0);
    // Icons by handle; the button does not own them. BTNST_INVALIDRESOURCE for
    // a null first icon.
    DWORD SetIcon(HICON iconIn, HICON iconOut = nullptr);
    // Bitmap resources with their transparent colours (the second may be 0).
    DWORD SetBitmaps(int bitmapIn, COLORREF transparentIn, int bitmapOut = 0,
                     COLORREF transparentOut = 0);
    // The tooltip; an empty text removes it.
    void SetTooltipText(const Tvx_String& text, BOOL activate = TRUE);
    // A numbered text of the product (string table) as the tooltip.
    void SetTooltipText(int textId, BOOL activate = TRUE);
    const Tvx_String& GetTooltipText() const { return tooltip_; }
    bool isTooltipActive() const { return tooltipActive_ && !tooltip_.isEmpty(); }

    DWORD SetFlat(BOOL flat = TRUE, BOOL repaint = TRUE);
    BOOL GetFlat() const { return flat_; }
    DWORD DrawFlatFocus(BOOL drawFlatFocus, BOOL repaint = TRUE);
    BOOL GetDrawFlatFocus() const { return flatFocus_; }

    DWORD SetColor(int index, COLORREF colour, BOOL repaint = TRUE);
    // BTNST_INVALIDINDEX for an index outside the slots (colour untouched).
    DWORD GetColor(int index, COLORREF* colour) const;
    // Adds offset to every channel of a colour slot, each kept within 0..255;
    // BTNST_INVALIDINDEX for a bad index, BTNST_BADPARAM for an offset outside
    // -255..255.
    DWORD OffsetColor(int index, short offset, BOOL repaint = TRUE);
    DWORD SetDefaultColors(BOOL repaint = TRUE);

    HICON iconIn() const { return iconIn_; }
    HICON iconOut() const { return iconOut_; }
    HBITMAP bitmapIn() const;

  private:
    void dropOwnedPictures();
    void showPicture(DWORD styleBit);

    HICON iconIn_ = nullptr;
    HICON iconOut_ = nullptr;
    bool ownsIcons_ = false;
    HBITMAP bitmaps_[2] = {nullptr, nullptr};
    COLORREF transparent_[2] = {0, 0};
    Tvx_String tooltip_;
    bool tooltipActive_ = false;
    BOOL flat_ = TRUE;
    BOOL flatFocus_ = FALSE;
    COLORREF colours_[BTNST_MAX_COLORS] = {};
};
