// The fixed bounds of a sheet and the special coordinates of the grid's interface.
#pragma once

namespace grid {

// The largest column and row count a sheet accepts; larger counts are refused.
inline constexpr int kMaxColumns = 16384;
inline constexpr int kMaxRows = 1048576;

// In the library interface, -32767 (and 0) address the header row as a row and
// the header column as a column; in a block it means every column or every row.
inline constexpr int kHeaderOrAll = -32767;

// Inside the sheet model the header row is row 0 and the header column column 0.
inline constexpr int kHeaderIndex = 0;

// Widths and heights are in pixels. A column or row that was never sized has the
// default of its kind; sizes outside 0..kMaxLineSize are refused.
inline constexpr int kDefaultColumnWidth = 64;
inline constexpr int kDefaultHeaderColumnWidth = 40;
inline constexpr int kDefaultRowHeight = 20;
inline constexpr int kMaxLineSize = 10000;

// A fresh grid window (and SSReset) starts with this many columns and rows.
inline constexpr int kInitialColumns = 26;
inline constexpr int kInitialRows = 100;

}  // namespace grid
