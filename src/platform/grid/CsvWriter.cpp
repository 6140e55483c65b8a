// Writes a sheet's values as CSV text (the rules are in Csv.h).
#include "platform/core/NumberText.h"
#include "platform/core/Unicode.h"
#include "platform/grid/CellText.h"
#include "platform/grid/Csv.h"

namespace grid {
namespace {

std::wstring fieldText(const Cell& cell, bool withFormulas) {
    if (withFormulas && !cell.formula.empty())
        return L"=" + cell.formula;
    const CellValue& value = cell.value;
    switch (value.kind()) {
        case CellValue::Kind::Empty:
            return L"";
        case CellValue::Kind::Number:
            return numtext::formatGeneral(value.asNumber());
        case CellValue::Kind::Logical:
            return value.asNumber() != 0 ? L"TRUE" : L"FALSE";
        case CellValue::Kind::Error:
            return value.asText();
        case CellValue::Kind::Text: {
            const std::wstring& text = value.asText();
            const bool needsMark =
                isNumberLiteral(text) || (!text.empty() && (text[0] == L'=' || text[0] == L'\''));
            return needsMark ? L"'" + text : text;
        }
    }
    return L"";
}

}  // namespace

std::wstring delimitedField(const std::wstring& field) {
    // A leading U+FEFF is quoted so that it cannot read back as a byte-order mark.
    const bool leadingMark = !field.empty() && field[0] == L'\uFEFF';
    if (!leadingMark && field.find_first_of(L",\"\t\r\n") == std::wstring::npos)
        return field;
    std::wstring out = L"\"";
    for (wchar_t c : field) {
        if (c == L'"')
            out += L'"';
        out += c;
    }
    return out + L"\"";
}

std::string exportCsv(const Sheet& sheet, bool withFormulas) {
    std::wstring text;
    auto next = sheet.cells().lower_bound(CellKey{1, 0});
    for (int row = 1; row <= sheet.rowCount(); ++row) {
        for (int column = 1; column <= sheet.columnCount(); ++column) {
            if (column > 1)
                text += L',';
            while (next != sheet.cells().end() &&
                   (next->first.row < row ||
                    (next->first.row == row && next->first.column < column))) {
                ++next;
            }
            if (next != sheet.cells().end() && next->first.row == row &&
                next->first.column == column) {
                text += delimitedField(fieldText(next->second, withFormulas));
            }
        }
        text += L'\n';
    }
    return unicode::toUtf8(text);
}

}  // namespace grid
