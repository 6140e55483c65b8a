// CRichEditCtrl: an edit control that reports changes only when its event
// mask asks for them (ENM_CHANGE / ENM_UPDATE), with a background colour and
// a default character format (face, height, colour, effects). Editing,
// selection and lines behave as in CEdit.
#pragma once

#include "platform/ui/controls/CEdit.h"

inline constexpr DWORD CFM_BOLD = 0x00000001;
inline constexpr DWORD CFM_ITALIC = 0x00000002;
inline constexpr DWORD CFM_SIZE = 0x80000000;
inline constexpr DWORD CFM_COLOR = 0x40000000;
inline constexpr DWORD CFM_FACE = 0x20000000;
inline constexpr DWORD CFE_BOLD = 0x0001;
inline constexpr DWORD CFE_ITALIC = 0x0002;

struct CHARFORMAT {
    UINT cbSize = sizeof(CHARFORMAT);
    DWORD dwMask = 0;
    DWORD dwEffects = 0;
    LONG yHeight = 0;  // twips
    LONG yOffset = 0;
    COLORREF crTextColor = 0;
    BYTE bCharSet = 0;
    BYTE bPitchAndFamily = 0;
    WCHAR szFaceName[32] = {};
};

class CRichEditCtrl : public CEdit {
  public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    DWORD SetEventMask(DWORD mask);
    DWORD GetEventMask() const;
    // Returns the previous colour; useSystemColor restores the default.
    COLORREF SetBackgroundColor(BOOL useSystemColor, COLORREF color);
    long GetTextLength() const { return GetWindowTextLength(); }
    Tvx_String GetSelText() const;
    // Merges the fields named by dwMask into the default format.
    BOOL SetDefaultCharFormat(const CHARFORMAT& format);
    DWORD GetDefaultCharFormat(CHARFORMAT& format) const;

  protected:
    bool reportsChanges() const override;

  private:
    CHARFORMAT defaultFormat_;
};
