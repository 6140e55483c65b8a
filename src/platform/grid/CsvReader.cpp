// Reads CSV text into a sheet (the rules are in Csv.h).
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "platform/core/NumberText.h"
#include "platform/core/Unicode.h"
#include "platform/grid/CellText.h"
#include "platform/grid/Csv.h"
#include "platform/grid/GridLimits.h"

namespace grid {
namespace {

class CsvParser {
  public:
    CsvParser(std::wstring_view text, wchar_t delimiter, CsvError& error)
        : text_(text), error_(error), delimiter_(delimiter) {}

    // Every record as its fields; nothing on error.
    std::optional<std::vector<std::vector<std::wstring>>> parse() {
        std::vector<std::vector<std::wstring>> records;
        while (pos_ < text_.size()) {
            if (records.size() == static_cast<size_t>(kMaxRows)) {
                return fail(line_, "more than " + std::to_string(kMaxRows) + " lines");
            }
            std::optional<std::vector<std::wstring>> record = parseRecord();
            if (!record)
                return std::nullopt;
            records.push_back(std::move(*record));
        }
        return records;
    }

  private:
    std::nullopt_t fail(int line, std::string message) {
        error_ = CsvError{line, std::move(message)};
        return std::nullopt;
    }

    bool atLineEnd() const {
        return text_[pos_] == L'\n' ||
               (text_[pos_] == L'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == L'\n');
    }

    void skipLineEnd() {
        pos_ += text_[pos_] == L'\r' ? 2 : 1;
        ++line_;
    }

    std::optional<std::vector<std::wstring>> parseRecord() {
        std::vector<std::wstring> fields;
        if (atLineEnd()) {  // an empty line has no fields
            skipLineEnd();
            return fields;
        }
        for (;;) {
            if (fields.size() == static_cast<size_t>(kMaxColumns)) {
                return fail(line_, "more than " + std::to_string(kMaxColumns) + " fields");
            }
            std::optional<std::wstring> field = parseField();
            if (!field)
                return std::nullopt;
            fields.push_back(std::move(*field));
            if (pos_ >= text_.size())
                return fields;
            if (atLineEnd()) {
                skipLineEnd();
                return fields;
            }
            ++pos_;  // the delimiter
        }
    }

    std::optional<std::wstring> parseField() {
        std::wstring field;
        if (pos_ < text_.size() && text_[pos_] == L'"') {
            const int startLine = line_;
            ++pos_;
            for (;;) {
                if (pos_ >= text_.size())
                    return fail(startLine, "quoted field is not closed");
                const wchar_t c = text_[pos_++];
                if (c == L'\n')
                    ++line_;
                if (c != L'"') {
                    field += c;
                } else if (pos_ < text_.size() && text_[pos_] == L'"') {
                    field += L'"';
                    ++pos_;
                } else {
                    break;
                }
            }
            if (pos_ < text_.size() && text_[pos_] != delimiter_ && !atLineEnd()) {
                return fail(line_, "unexpected character after a closing quote");
            }
            return field;
        }
        while (pos_ < text_.size() && text_[pos_] != delimiter_ && !atLineEnd()) {
            field += text_[pos_++];
        }
        return field;
    }

    std::wstring_view text_;
    CsvError& error_;
    wchar_t delimiter_;
    size_t pos_ = 0;
    int line_ = 1;
};

void storeField(Sheet& sheet, int column, int row, const std::wstring& field) {
    if (field.empty())
        return;
    if (field[0] == L'=') {
        sheet.setFormula(column, row, field.substr(1), CellValue{});
        return;
    }
    if (isNumberLiteral(field)) {
        double number = 0;
        numtext::parseWholeDouble(field, number);
        if (std::isfinite(number)) {
            sheet.setValue(column, row, CellValue::number(number));
            return;
        }
    }
    sheet.setValue(column, row, CellValue::text(field[0] == L'\'' ? field.substr(1) : field));
}

}  // namespace

wchar_t detectDelimiter(std::wstring_view text) {
    bool quoted = false;
    for (wchar_t c : text) {
        if (c == L'"')
            quoted = !quoted;
        if (!quoted && c == L'\n')
            break;
        if (!quoted && c == L'\t')
            return L'\t';
    }
    return L',';
}

std::optional<std::vector<std::vector<std::wstring>>> readDelimitedRecords(std::wstring_view text,
                                                                           wchar_t delimiter,
                                                                           CsvError& error) {
    return CsvParser(text, delimiter, error).parse();
}

bool importCsv(std::string_view bytes, Sheet& sheet, CsvError& error) {
    const std::wstring text = unicode::decodeText(bytes);
    const std::optional<std::vector<std::vector<std::wstring>>> records =
        readDelimitedRecords(text, detectDelimiter(text), error);
    if (!records)
        return false;
    size_t columns = 0;
    for (const auto& record : *records)
        columns = std::max(columns, record.size());
    Sheet imported;
    imported.setColumnCount(static_cast<int>(columns));
    imported.setRowCount(static_cast<int>(records->size()));
    for (size_t i = 0; i < records->size(); ++i) {
        const auto& record = (*records)[i];
        for (size_t j = 0; j < record.size(); ++j) {
            storeField(imported, static_cast<int>(j) + 1, static_cast<int>(i) + 1, record[j]);
        }
    }
    sheet = std::move(imported);
    return true;
}

}  // namespace grid
