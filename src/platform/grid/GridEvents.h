// What a grid tells the dialog that owns it: the notification codes and the
// data that comes with each.
//
// Notifications report what the user did (clicks, keys, typing); the library
// functions that change the grid send none, except that ending an edit (also by
// a function) reports the end of that edit.
//
//   50  a body cell was clicked (after the active cell moved to it)
//   51  a body cell was double-clicked
//   52  the user is leaving the active cell for another: column, row are the
//       cell left, newColumn, newRow the cell entered
//   53  editing of the active cell started
//   54  editing ended: `changed` says whether the cell took a new value
//   55  a button cell was pressed
//   56  a header cell was clicked (row 0: a column header; column 0: a row header)
//   57  the right mouse button was pressed: column and row of the cell under
//       the pointer (-1 outside the cells), x and y in client pixels
//   59  a check box was switched on
//   60  a check box was switched off
#pragma once

namespace grid {

inline constexpr int kNotifyClick = 50;
inline constexpr int kNotifyDoubleClick = 51;
inline constexpr int kNotifyLeaveCell = 52;
inline constexpr int kNotifyEditStart = 53;
inline constexpr int kNotifyEditEnd = 54;
inline constexpr int kNotifyButtonClicked = 55;
inline constexpr int kNotifyHeaderClicked = 56;
inline constexpr int kNotifyRightClick = 57;
inline constexpr int kNotifyCheckOn = 59;
inline constexpr int kNotifyCheckOff = 60;

struct GridEvent {
    int code = 0;
    int column = 0;
    int row = 0;
    int newColumn = 0;
    int newRow = 0;
    bool changed = false;
    int x = 0;
    int y = 0;
};

}  // namespace grid
