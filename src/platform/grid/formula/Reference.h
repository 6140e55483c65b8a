// Cell addresses, rectangular areas and the reference styles of formula text.
//
// Columns and rows count from 1, as in the grid. A reference may point outside
// the sheet (a column or row below 1, or past the sheet's bounds): the parser
// keeps it, and evaluating it gives #REF!.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace formula {

// How formula text writes references. Default and A1 both read and print A1
// references ("B3", "$B$3"); R1C1 reads and prints "R3C2" (absolute) and
// "R[-1]C[2]" (relative to the formula's own cell; "RC" is the cell itself).
enum class ReferenceStyle : std::uint8_t { Default = 0, A1 = 1, R1C1 = 2 };

// The largest column and row a reference can name ("ZZZ", 99999999); the sheet
// bounds, usually far smaller, decide what evaluates.
inline constexpr int kMaxReferenceColumn = 18278;
inline constexpr int kMaxReferenceRow = 99999999;

struct CellAddress {
    int column = 0;
    int row = 0;
    friend bool operator==(const CellAddress&, const CellAddress&) = default;
};

// A rectangle of cells, corners included; first <= last in both directions.
struct Area {
    int firstColumn = 0;
    int firstRow = 0;
    int lastColumn = 0;
    int lastRow = 0;

    bool contains(int column, int row) const {
        return column >= firstColumn && column <= lastColumn && row >= firstRow && row <= lastRow;
    }
    bool isSingleCell() const { return firstColumn == lastColumn && firstRow == lastRow; }
    int columnCount() const { return lastColumn - firstColumn + 1; }
    int rowCount() const { return lastRow - firstRow + 1; }
    // True when every cell lies within columns 1..columns and rows 1..rows.
    bool liesWithin(int columns, int rows) const {
        return firstColumn >= 1 && firstRow >= 1 && lastColumn <= columns && lastRow <= rows;
    }
    friend bool operator==(const Area&, const Area&) = default;
};

// The column letters of a column number: 1 "A", 26 "Z", 27 "AA". Columns below
// 1 give an empty text.
std::wstring columnLetters(int column);

// The column number of letters (either case): "A" 1, "aa" 27. Returns 0 for an
// empty text, any character that is not a letter A to Z, or more than three letters.
int columnFromLetters(std::wstring_view letters);

}  // namespace formula
