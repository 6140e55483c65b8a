// CToolBarCtrl: a row of command buttons (and separators). Clicking an
// enabled, visible button sends WM_COMMAND with the button's command id and
// BN_CLICKED to the parent; a check button (TBSTYLE_CHECK) toggles its
// checked state first.
//
// Bad input: an unknown command id or index makes each operation fail (FALSE,
// -1).
#pragma once

#include "platform/ui/CWnd.h"

inline constexpr BYTE TBSTATE_CHECKED = 0x01;
inline constexpr BYTE TBSTATE_PRESSED = 0x02;
inline constexpr BYTE TBSTATE_ENABLED = 0x04;
inline constexpr BYTE TBSTATE_HIDDEN = 0x08;

struct TBBUTTON {
    int iBitmap = 0;
    int idCommand = 0;
    BYTE fsState = TBSTATE_ENABLED;
    BYTE fsStyle = 0;
    DWORD_PTR dwData = 0;
    INT_PTR iString = 0;
};

class CToolBarCtrl : public CWnd {
  public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    BOOL AddButtons(int count, const TBBUTTON* buttons);
    BOOL DeleteButton(int index);
    int GetButtonCount() const;
    BOOL GetButton(int index, TBBUTTON* button) const;
    // The index of the button with a command id; -1 when none.
    int CommandToIndex(UINT commandId) const;
    BOOL EnableButton(int commandId, BOOL enable = TRUE);
    BOOL CheckButton(int commandId, BOOL check = TRUE);
    BOOL HideButton(int commandId, BOOL hide = TRUE);
    BOOL IsButtonEnabled(int commandId) const;
    BOOL IsButtonChecked(int commandId) const;
    BOOL IsButtonHidden(int commandId) const;
    // The user clicks the button with a command id; FALSE when it is missing,
    // disabled or hidden.
    BOOL clickButton(int commandId);

  private:
    BOOL setStateBit(int commandId, BYTE bit, bool on);
    BOOL hasStateBit(int commandId, BYTE bit) const;
};
