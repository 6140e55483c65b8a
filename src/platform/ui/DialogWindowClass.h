// The dialog window class ("#32770"): what every dialog window does by default,
// whatever C++ dialog class handles it. Closing (WM_CLOSE) posts the Cancel
// command, unless the dialog's Cancel button exists and is disabled; DM_GETDEFID
// and DM_SETDEFID keep the default push button's id.
#pragma once

#include "platform/ui/CWnd.h"

inline constexpr WORD DC_HASDEFID = 0x534B;

class DialogWindowClass : public CWnd {
  protected:
    LRESULT classProcedure(UINT message, WPARAM wParam, LPARAM lParam) override;
};
