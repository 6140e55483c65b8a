// The core's small helpers on a dialog's controls, by control id: filling a
// combo box, enabling, showing, and measuring or stretching a control.
//
// Bad input: a null or destroyed dialog, or an id the dialog has no control
// for, makes each function return false (or 0) and change nothing.
#pragma once

#include "platform/core/Tvx_StringArray.h"
#include "platform/ui/WinTypes.h"

class CWnd;
class CComboBox;

// Empties the combo box, adds the items in order and selects item `selected`
// (no selection when it is outside the items, -1 included). False when the
// control is not a combo box.
bool FillCombo(CWnd* dialog, int comboId, const Tvx_StringArray& items, int selected = 0);
bool FillCombo(CComboBox* combo, const Tvx_StringArray& items, int selected = 0);

// Enables or disables a control.
bool EnDisCtrl(CWnd* dialog, int controlId, bool enable);
// Hides the control for show 0, shows it for any other value.
bool ShowOrHideCtrl(CWnd* dialog, int controlId, int show);

// The height of a control in pixels.
int getCtrlHeight(CWnd* dialog, int controlId);

// Moves one edge of a control: side 0 the top edge (up by amount), side 1
// the bottom edge (down by amount); a negative amount moves it inwards. The
// control keeps at least zero height; another side is refused (false).
bool resizeCtrl(CWnd* dialog, int controlId, int side, int amount);
