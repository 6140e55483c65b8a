// CSV (and tab-separated) import into a sheet and export of a sheet's values.
//
// Import: RFC 4180 fields (double-quoted fields, "" inside quotes, LF or CRLF
// line ends, a UTF-8 byte-order mark skipped). The delimiter is a tab when the
// first line holds a tab outside double quotes, else a comma. Field j of line i
// (both from 1) becomes cell (j, i); a line is a record, so a quoted field
// may run over several physical lines, and an empty line has no fields. Each field:
// - empty: the cell stays empty;
// - beginning with "=": the cell's formula (the text after "="), not yet computed;
// - a number (isNumberLiteral) with a finite value: a number;
// - beginning with an apostrophe: the text without that apostrophe;
// - anything else: the text exactly as written.
// A double quote inside an unquoted field is kept as written; after a closing
// quote only the delimiter or a line end may follow. The sheet gets as many
// columns as the longest line has fields and as many rows as there are lines;
// a line end at the very end of the input does not start another line.
//
// Export: the value of every body cell, rows 1..rowCount, columns
// 1..columnCount, comma-delimited, lines ending in LF, UTF-8 without mark:
// - a number in the general format (up to 15 significant digits, no trailing
//   zeros), whatever the cell's decimals;
// - a logical as TRUE or FALSE, an error value as its text;
// - a text as it stands, with an apostrophe put in front when it would read
//   back as a number or a formula, or already begins with an apostrophe;
// - with formulas on, a formula cell as "=" and its formula text.
// A field is put in double quotes (inner quotes doubled) when it holds a comma,
// a double quote, a tab, a carriage return or a line feed, or begins with
// U+FEFF (which would otherwise read back as a byte-order mark).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/grid/Sheet.h"

namespace grid {

struct CsvError {
    int line = 0;  // the physical line (from 1) where the faulty field begins
    std::string message;
};

// Reads CSV bytes into a new sheet that replaces `sheet`. Refused (false,
// `sheet` untouched, `error` filled) for an unclosed quoted field, text after
// a closing quote, or more lines or fields than a sheet holds.
bool importCsv(std::string_view bytes, Sheet& sheet, CsvError& error);

std::string exportCsv(const Sheet& sheet, bool withFormulas);

// The records and fields of delimited text (already decoded) with a given
// delimiter, by the quoting rules above; nothing (and `error`) on bad quoting
// or more lines or fields than a sheet holds.
std::optional<std::vector<std::vector<std::wstring>>> readDelimitedRecords(std::wstring_view text,
                                                                           wchar_t delimiter,
                                                                           CsvError& error);
// The delimiter of delimited text (already decoded): a tab when its first line
// holds a tab outside double quotes, else a comma.
wchar_t detectDelimiter(std::wstring_view text);
// A field quoted as the export rules above say (for either delimiter).
std::wstring delimitedField(const std::wstring& field);

}  // namespace grid
