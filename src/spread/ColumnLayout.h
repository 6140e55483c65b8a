// Column widths of the grid layouts: equal columns over the client width, one
// column with a share or a fixed width, listed columns with listed widths, the
// other columns sharing what is left. Pure arithmetic in the grid's width
// units; the grid window classes apply the results.
//
// Rules:
// - "Sharing" is whole units: each sharing column gets the remainder divided
//   by their number, rounded down; a remainder below 0 gives them width 0.
// - Columns are 1-based. A fixed column outside 1 to count is ignored.
// - Only layout 1 spreads over the header column (when it is shown); the
//   others leave the header column as it is and share the client width less
//   the header column's width.
#pragma once

#include <vector>

namespace columnlayout {

// The widths of columns 1 to count, and the header column's when the layout
// sets it.
struct Widths {
    int header = -1;  // -1: the header column keeps its width
    std::vector<int> columns;
};

// Layout 1: every column, and the header column when shown, equally wide over
// clientWidth. Empty when count < 1.
Widths equalColumns(int clientWidth, int count, bool headerShown);

// Layout 3: column (negative: counted from the right, -1 the last) gets percent
// of clientWidth; the others share the rest. The column is ignored when it is
// 0 or lies outside the sheet.
Widths percentColumn(int clientWidth, int headerWidth, int count, int column, int percent);

// Layout 4: column gets width; the others share the rest.
Widths fixedColumn(int clientWidth, int headerWidth, int count, int column, int width);

// Layout 5: columns[i] gets widths[i] (pairs beyond the shorter list are
// ignored); the others share the rest.
Widths listedColumns(int clientWidth, int headerWidth, int count, const std::vector<int>& columns,
                     const std::vector<int>& widths);

}  // namespace columnlayout
