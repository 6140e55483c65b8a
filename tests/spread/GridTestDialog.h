// A modeless dialog with grid placeholders for the grid window tests, and the
// grid window class the tests create grids of.
#pragma once

#include "platform/ui/CDialog.h"

namespace spreadtest {

inline constexpr int kTemplate = 9610;
inline constexpr int kGridPlaceholder = 1196;
inline constexpr int kSecondPlaceholder = 1001;
inline constexpr int kOtherButton = 1100;

// Makes sure windows of the grid class "fpUSpread70" can be created.
void ensureGridWindowClass();

// The dialog, created (hidden until shown) with two placeholders.
class GridTestDialog : public CDialog {
  public:
    GridTestDialog();
};

}  // namespace spreadtest
