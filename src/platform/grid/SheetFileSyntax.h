// The lexical layer of the sheet file: quoting texts, splitting a line into its
// keyword, positional words and key=value attributes, and reading the value kinds.
//
//   line      := keyword { blank item }
//   item      := word | key "=" value        (positional words come first)
//   value     := word | quoted
//   word      := one or more characters other than blanks, "=" and '"'
//   quoted    := '"' { character | escape } '"'
//   escape    := \" | \\ | \n | \r | \t | \u{HEX}   (HEX: 1 to 8 hex digits)
//
// Every character that is a control character, a surrogate or beyond U+10FFFF
// is written as \u{HEX}, so any text of the model round-trips exactly.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace grid::sheetfile {

// A text in double quotes with the escapes above.
std::wstring quote(std::wstring_view text);
// The shortest text that reads back as exactly this (finite) number.
std::wstring formatNumber(double value);
// "#RRGGBB" of a 0x00BBGGRR colour.
std::wstring formatColor(std::uint32_t color);

struct Attribute {
    std::wstring key;
    std::wstring value;
    bool quoted = false;
};

struct ParsedLine {
    std::wstring keyword;
    std::vector<std::wstring> words;
    std::vector<Attribute> attributes;
};

// Splits one line; on a lexical error returns nothing and sets `error`.
std::optional<ParsedLine> parseLine(std::wstring_view line, std::string& error);

// Strict readers of single values; nothing when the text is not of the kind.
std::optional<int> readInt(std::wstring_view text);
std::optional<std::uint32_t> readUnsigned(std::wstring_view text);  // decimal or 0x hex
std::optional<double> readNumber(std::wstring_view text);           // finite only
std::optional<std::uint32_t> readColor(std::wstring_view text);     // #RRGGBB

// The text as UTF-8 for messages, cut to a readable length.
std::string forMessage(std::wstring_view text);

}  // namespace grid::sheetfile
