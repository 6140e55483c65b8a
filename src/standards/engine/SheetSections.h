// The four sections of a standards sheet (Input, Output, Local, Calc) and the
// rows each one spans.
//
// A section begins on the row below its header cell and ends on the row of the
// next header below it (that row holds the other header's text, which declares
// nothing); the section lying lowest runs to the sheet's last row. The order of
// the headers in the sheet is free.
//
//   row 1  Input      Input  rows 2..5
//   row 5  Output     Output rows 6..9
//   row 9  Local      Local  rows 10..13
//   row 13 Calc       Calc   rows 14..last
#pragma once

#include <array>
#include <optional>
#include <string_view>

enum class SheetSection { Input = 0, Output = 1, Local = 2, Calc = 3 };

// The text of a section's header cell: "Input", "Output", "Local", "Calc".
std::wstring_view sectionHeaderText(SheetSection section);
// The section whose header text is exactly text (letter case counts); nothing
// for any other text.
std::optional<SheetSection> sectionOfHeader(std::wstring_view text);

class SheetSections {
  public:
    // Records the row of a section's header; a row below 1 means missing.
    void setHeaderRow(SheetSection section, int row);
    bool hasHeader(SheetSection section) const;
    // The header's row, -1 when the header is missing.
    int headerRow(SheetSection section) const;

    // The rows of a section on a sheet whose last row is lastRow: false when
    // its header is missing; else firstRow is the row below the header and
    // lastRowOfSection the row of the next header below it, or lastRow when
    // none lies below (never beyond lastRow). The range is empty (first above
    // last) when the header is on the sheet's last row.
    bool sectionRows(SheetSection section, int lastRow, int& firstRow, int& lastRowOfSection) const;

  private:
    std::array<int, 4> headerRows_{-1, -1, -1, -1};
};
