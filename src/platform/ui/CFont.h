// Fonts: a description (face, height, weight, italic ...) behind a font
// handle, set on windows with SetFont. Text extents are measured from the
// description by the drawing layer.
#pragma once

#include "platform/ui/WinTypes.h"

inline constexpr LONG FW_NORMAL = 400;
inline constexpr LONG FW_BOLD = 700;
inline constexpr BYTE DEFAULT_CHARSET = 1;

struct LOGFONT {
    LONG lfHeight = 0;  // negative: character height in pixels; positive: cell height
    LONG lfWidth = 0;
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = FW_NORMAL;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = DEFAULT_CHARSET;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    WCHAR lfFaceName[32] = {};
};

class CFont {
  public:
    CFont() = default;
    ~CFont();
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    HFONT m_hObject = nullptr;
    operator HFONT() const { return m_hObject; }
    HFONT GetSafeHandle() const { return m_hObject; }

    // Each Create fails (FALSE) when this object holds a font already; a face
    // name longer than 31 characters is cut.
    BOOL CreateFontIndirect(const LOGFONT* font);
    // pointSize in tenths of a point; the height becomes -(points * 96 / 72)
    // pixels, rounded.
    BOOL CreatePointFont(int pointSize, LPCWSTR faceName, CDC* dc = nullptr);
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                    BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, LPCWSTR faceName);
    // Copies the description; 0 when there is no font.
    int GetLogFont(LOGFONT* font) const;
    // Deletes the font; windows that still use its handle then report no font.
    BOOL DeleteObject();

    // The object that holds a font handle; null for unknown handles.
    static CFont* FromHandle(HFONT font);
};

namespace ui {

// The description behind a font handle; null for unknown handles.
const LOGFONT* fontDescription(HFONT font);
// The dialogs' default font: "MS Shell Dlg", 8 points.
HFONT defaultDialogFont();

}  // namespace ui
