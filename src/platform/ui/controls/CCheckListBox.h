// CCheckListBox: a list box whose items carry check boxes (the core module's
// check lists). It wraps an owner-drawn list box (LBS_OWNERDRAWFIXED |
// LBS_HASSTRINGS), usually by SubclassDlgItem; the check states live with the
// window, so every wrapper of it sees the same checks.
//
// Bad input: an index outside the items is ignored by setters and reads as 0
// (unchecked, enabled FALSE) by getters.
#pragma once

#include "platform/ui/controls/CListBox.h"

// Check styles: two-state or three-state automatic check boxes.
inline constexpr UINT kCheckStyleTwoState = BS_AUTOCHECKBOX;
inline constexpr UINT kCheckStyleThreeState = BS_AUTO3STATE;

class CCheckListBox : public CListBox {
  public:
    // Creates the owner-drawn list box (the owner-draw bits are added).
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    void SetCheckStyle(UINT style);
    UINT GetCheckStyle() const;
    void SetCheck(int index, int check);
    int GetCheck(int index) const;
    void Enable(int index, BOOL enabled = TRUE);
    BOOL IsEnabled(int index) const;
};
