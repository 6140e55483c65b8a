// The exported string-table dialog.
#pragma once

#include "platform/core/Tvx_StringArray.h"

// Shows rows in a grid (CDlgStringArray) under the column heads a and the row
// heads b (no row-head column when b is empty); with flag the user may add
// and remove rows. sizeKey names where the dialog keeps its size (empty:
// "DLG_SS_STRINGARRAY"), title is the window title. True on OK, with rows
// then holding every row of the grid, one text per column (missing texts of
// short rows come back empty). False, rows untouched, on Cancel, and at once,
// showing nothing, when a is empty.
bool startGridDialog(const Tvx_StringArray& a, const Tvx_StringArray& b, Tvx_StringArrArr& rows,
                     bool flag, Tvx_String sizeKey, Tvx_String title);
