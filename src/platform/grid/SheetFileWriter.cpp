// Writes a sheet as the text of a sheet file (see FORMAT.md).
#include <cstdio>
#include <map>
#include <unordered_map>

#include "platform/core/FileBytes.h"
#include "platform/core/Unicode.h"
#include "platform/grid/CellType.h"
#include "platform/grid/SheetFile.h"
#include "platform/grid/SheetFileNames.h"
#include "platform/grid/SheetFileSyntax.h"

namespace grid {
namespace {

using namespace sheetfile;

class SheetWriter {
  public:
    SheetWriter(const Sheet& sheet, SheetFileContent content) : sheet_(sheet), content_(content) {}

    std::string write() {
        text_ = L"vtss-sheet 1\n";
        text_ += L"size " + std::to_wstring(sheet_.columnCount()) + L" " +
                 std::to_wstring(sheet_.rowCount()) + L"\n";
        if (content_ == SheetFileContent::Everything)
            writeSettings();
        for (const auto& [key, cell] : sheet_.cells())
            writeCell(key, cell);
        if (content_ == SheetFileContent::Everything) {
            for (const Span& span : sheet_.spans().all()) {
                text_ += L"span " + pair(span.column, span.row) + L" " +
                         pair(span.columns, span.rows) + L"\n";
            }
        }
        text_ += L"end\n";
        return unicode::toUtf8(text_);
    }

  private:
    static std::wstring pair(int a, int b) {
        return std::to_wstring(a) + L" " + std::to_wstring(b);
    }

    static std::wstring blockEdge(int value, bool all) {
        return all ? L"*" : std::to_wstring(value);
    }

    void writeSettings() {
        text_ += L"active " + pair(sheet_.activeColumn(), sheet_.activeRow()) + L"\n";
        if (const std::optional<Block>& block = sheet_.selection()) {
            text_ += L"selection " + blockEdge(block->firstColumn, block->allColumns) + L" " +
                     blockEdge(block->firstRow, block->allRows) + L" " +
                     blockEdge(block->lastColumn, block->allColumns) + L" " +
                     blockEdge(block->lastRow, block->allRows) + L"\n";
        }
        numberFormats();
        if (!sheet_.sheetFormat().isEmpty()) {
            text_ += L"sheet format=" + std::to_wstring(numberOf(sheet_.sheetFormat())) + L"\n";
        }
        writeLines(L"column", L"width", sheet_.columnLines());
        writeLines(L"row", L"height", sheet_.rowLines());
    }

    // Gives each distinct format in use a number from 1, in order of first use,
    // and writes its line.
    void numberFormats() {
        auto use = [&](const CellFormat& format) {
            if (format.isEmpty() || numbers_.count(format))
                return;
            const int number = static_cast<int>(numbers_.size()) + 1;
            numbers_.emplace(format, number);
            text_ += L"format " + std::to_wstring(number) + formatAttributes(format) + L"\n";
        };
        use(sheet_.sheetFormat());
        for (const auto& [index, line] : sheet_.columnLines())
            use(sheet_.format(line.format));
        for (const auto& [index, line] : sheet_.rowLines())
            use(sheet_.format(line.format));
        for (const auto& [key, cell] : sheet_.cells())
            use(sheet_.format(cell.format));
    }

    int numberOf(const CellFormat& format) const { return numbers_.at(format); }

    static std::wstring formatAttributes(const CellFormat& format) {
        std::wstring out;
        if (format.type)
            out += typeAttributes(*format.type);
        if (format.font) {
            out += L" font=" + quote(format.font->face) + L" fontheight=" +
                   std::to_wstring(format.font->height) + L" fontweight=" +
                   std::to_wstring(format.font->weight);
        }
        if (format.alignment) {
            out += L" halign=" + std::wstring(horizontalName(format.alignment->horizontal)) +
                   L" valign=" + std::wstring(verticalName(format.alignment->vertical));
        }
        if (format.locked)
            out += std::wstring(L" locked=") + (*format.locked ? L"1" : L"0");
        if (format.background)
            out += L" background=" + formatColor(*format.background);
        if (format.foreground)
            out += L" foreground=" + formatColor(*format.foreground);
        for (int edge = 0; edge < 4; ++edge) {
            if (const auto& line = format.borders[static_cast<size_t>(edge)]) {
                out += L" " + std::wstring(edgeKey(edge)) + L"=" +
                       std::wstring(borderStyleName(line->style)) + L":" + formatColor(line->color);
            }
        }
        return out;
    }

    static std::wstring typeAttributes(const CellType& type) {
        std::wstring out = L" type=" + std::wstring(kindName(type.kind));
        if (type.style != 0) {
            wchar_t buffer[16];
            std::swprintf(buffer, 16, L"0x%X", type.style);
            out += L" style=" + std::wstring(buffer);
        }
        switch (type.kind) {
            case CellKind::Text:
                out += L" maxlength=" + std::to_wstring(type.maxLength);
                break;
            case CellKind::Number:
                out += L" decimals=" + std::to_wstring(type.decimals) + L" minimum=" +
                       formatNumber(type.minimum) + L" maximum=" + formatNumber(type.maximum) +
                       L" separator=" + (type.thousandsSeparator ? L"1" : L"0");
                break;
            case CellKind::CheckBox:
                out += L" text=" + quote(type.text) + L" off=" + quote(type.pictureOff) + L" on=" +
                       quote(type.pictureOn);
                break;
            case CellKind::ComboBox:
            case CellKind::Button:
            case CellKind::Picture:
                out += L" text=" + quote(type.text);
                break;
            case CellKind::General:
            case CellKind::StaticText:
                break;
        }
        return out;
    }

    void writeLines(const wchar_t* keyword, const wchar_t* sizeKey,
                    const std::map<int, Line>& lines) {
        for (const auto& [index, line] : lines) {
            text_ += keyword + (L" " + std::to_wstring(index));
            if (line.size >= 0)
                text_ += L" " + std::wstring(sizeKey) + L"=" + std::to_wstring(line.size);
            const CellFormat& format = sheet_.format(line.format);
            if (!format.isEmpty())
                text_ += L" format=" + std::to_wstring(numberOf(format));
            text_ += L"\n";
        }
    }

    static std::wstring valueAttribute(const CellValue& value) {
        switch (value.kind()) {
            case CellValue::Kind::Empty:
                return L"";
            case CellValue::Kind::Number:
                return L" number=" + formatNumber(value.asNumber());
            case CellValue::Kind::Text:
                return L" text=" + quote(value.asText());
            case CellValue::Kind::Logical:
                return value.asNumber() != 0 ? L" logical=TRUE" : L" logical=FALSE";
            case CellValue::Kind::Error:
                return L" error=" + quote(value.asText());
        }
        return L"";
    }

    void writeCell(const CellKey& key, const Cell& cell) {
        std::wstring attributes = valueAttribute(cell.value);
        if (!cell.formula.empty())
            attributes += L" formula=" + quote(cell.formula);
        if (!cell.tag.empty())
            attributes += L" tag=" + quote(cell.tag);
        if (!cell.note.empty())
            attributes += L" note=" + quote(cell.note);
        if (content_ == SheetFileContent::Everything) {
            const CellFormat& format = sheet_.format(cell.format);
            if (!format.isEmpty())
                attributes += L" format=" + std::to_wstring(numberOf(format));
        }
        if (attributes.empty())
            return;
        text_ += L"cell " + pair(key.column, key.row) + attributes + L"\n";
    }

    const Sheet& sheet_;
    SheetFileContent content_;
    std::wstring text_;
    std::unordered_map<CellFormat, int, CellFormatHash> numbers_;
};

}  // namespace

std::string writeSheetText(const Sheet& sheet, SheetFileContent content) {
    return SheetWriter(sheet, content).write();
}

bool saveSheetFile(const Tvx_String& path, const Sheet& sheet, SheetFileContent content) {
    return writeFileBytes(path, writeSheetText(sheet, content));
}

}  // namespace grid
