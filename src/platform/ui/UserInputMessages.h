// Messages through which user input reaches a control where the platform uses
// parts of the control that this system does not model as windows (the
// dropped-down list of a combo box, the check box of a check-list item, the
// tabs of a tab control, the rows of a list view). Each control answers them
// with exactly the notifications the real user action causes, and returns
// TRUE, or FALSE when the action is impossible (no such item, an item that
// cannot be chosen). They lie in the system's reserved range below WM_USER.
#pragma once

#include "platform/ui/WinTypes.h"

namespace ui {

// The user clicks item wParam: of a combo box's list (opening it first), of a
// list box, of a tab control, of a list view.
inline constexpr UINT UIM_CLICKITEM = 0x03E0;
// The user double-clicks item wParam of a list box or list view.
inline constexpr UINT UIM_DOUBLECLICKITEM = 0x03E1;
// The user clicks the check box of item wParam of a check-list box or of a
// list view with check boxes.
inline constexpr UINT UIM_TOGGLEITEMCHECK = 0x03E2;

}  // namespace ui
