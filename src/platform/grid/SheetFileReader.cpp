// Reads the text of a sheet file into a sheet (the format is in FORMAT.md).
// Every error names the line and what was expected; a file with any error
// leaves the target sheet untouched.
#include <algorithm>
#include <map>
#include <memory>
#include <set>

#include "platform/core/FileBytes.h"
#include "platform/core/ParsedFileCache.h"
#include "platform/core/Unicode.h"
#include "platform/grid/CellText.h"
#include "platform/grid/CellType.h"
#include "platform/grid/GridLimits.h"
#include "platform/grid/SheetFile.h"
#include "platform/grid/SheetFileNames.h"
#include "platform/grid/SheetFileSyntax.h"

namespace grid {
namespace {

using namespace sheetfile;

constexpr int kVersion = 1;
constexpr std::wstring_view kMagic = L"vtss-sheet";

// Raised by SheetReader::fail only, caught in readSheetText.
struct ReadFailure {
    std::string message;
};

// The attributes of one line; each is taken at most once, and finish()
// refuses the line when any was left untaken (an unknown key).
class Attributes {
  public:
    Attributes(const ParsedLine& line) : line_(line), taken_(line.attributes.size(), false) {}

    const Attribute* take(std::wstring_view key) {
        for (size_t i = 0; i < line_.attributes.size(); ++i) {
            if (line_.attributes[i].key == key) {
                taken_[i] = true;
                return &line_.attributes[i];
            }
        }
        return nullptr;
    }
    bool has(std::wstring_view key) const {
        for (const Attribute& a : line_.attributes) {
            if (a.key == key)
                return true;
        }
        return false;
    }
    void finish() const {
        for (size_t i = 0; i < taken_.size(); ++i) {
            if (!taken_[i]) {
                throw ReadFailure{"unknown key '" + forMessage(line_.attributes[i].key) +
                                  "' for '" + forMessage(line_.keyword) + "'"};
            }
        }
    }

  private:
    const ParsedLine& line_;
    std::vector<bool> taken_;
};

[[noreturn]] void fail(std::string message) {
    throw ReadFailure{std::move(message)};
}

template <typename T>
T need(std::optional<T> value, std::string_view what, std::wstring_view found) {
    if (!value)
        fail("expected " + std::string(what) + ", found '" + forMessage(found) + "'");
    return *value;
}

int readIntIn(std::wstring_view text, int low, int high, std::string_view what) {
    const int value = need(readInt(text), what, text);
    if (value < low || value > high) {
        fail(std::string(what) + " " + std::to_string(value) + " is outside " +
             std::to_string(low) + ".." + std::to_string(high));
    }
    return value;
}

class SheetReader {
  public:
    Sheet read(std::wstring_view text, int& lineNumber) {
        size_t start = 0;
        bool ended = false;
        while (start <= text.size()) {
            size_t end = text.find(L'\n', start);
            if (end == std::wstring_view::npos)
                end = text.size();
            std::wstring_view line = text.substr(start, end - start);
            if (!line.empty() && line.back() == L'\r')
                line.remove_suffix(1);
            ++lineNumber;
            start = end + 1;
            if (lineNumber == 1) {
                readMagic(line);
                continue;
            }
            const size_t first = line.find_first_not_of(L" \t");
            if (first == std::wstring_view::npos || line[first] == L'#')
                continue;
            if (ended)
                fail("text after 'end'");
            std::string error;
            const std::optional<ParsedLine> parsed = parseLine(line, error);
            if (!parsed)
                fail(error);
            if (parsed->keyword == L"end") {
                expectWords(*parsed, 0);
                ended = true;
            } else {
                readLine(*parsed);
            }
        }
        if (!ended)
            fail("the file ends without 'end'");
        finishSelection();
        storeNumbersByCellType();
        sheet_.setChanged(false);
        return std::move(sheet_);
    }

  private:
    static void readMagic(std::wstring_view line) {
        if (line.substr(0, kMagic.size()) != kMagic || line.size() < kMagic.size() + 2 ||
            line[kMagic.size()] != L' ') {
            fail("not a sheet file: the first line must be 'vtss-sheet 1'");
        }
        const int version = need(readInt(line.substr(kMagic.size() + 1)), "a version number",
                                 line.substr(kMagic.size() + 1));
        if (version != kVersion) {
            fail("sheet file version " + std::to_string(version) + " is not " +
                 std::to_string(kVersion) + ", the version this program reads");
        }
    }

    static void expectWords(const ParsedLine& line, size_t count) {
        if (line.words.size() != count) {
            fail("'" + forMessage(line.keyword) + "' takes " + std::to_string(count) +
                 " numbers, found " + std::to_string(line.words.size()));
        }
    }

    void readLine(const ParsedLine& line) {
        const std::wstring& keyword = line.keyword;
        if (keyword == L"size")
            return readSize(line);
        if (!sawSize_) {
            fail("expected 'size' before '" + forMessage(keyword) + "'");
        }
        if (keyword == L"active")
            return readActive(line);
        if (keyword == L"selection")
            return readSelection(line);
        if (keyword == L"format")
            return readFormat(line);
        if (keyword == L"sheet")
            return readSheetLevel(line);
        if (keyword == L"column")
            return readLineSettings(line, true);
        if (keyword == L"row")
            return readLineSettings(line, false);
        if (keyword == L"cell")
            return readCell(line);
        if (keyword == L"span")
            return readSpan(line);
        fail("unknown keyword '" + forMessage(keyword) + "'");
    }

    void readSize(const ParsedLine& line) {
        if (sawSize_)
            fail("'size' given twice");
        expectWords(line, 2);
        Attributes(line).finish();
        sheet_.setColumnCount(readIntIn(line.words[0], 0, kMaxColumns, "column count"));
        sheet_.setRowCount(readIntIn(line.words[1], 0, kMaxRows, "row count"));
        sawSize_ = true;
    }

    int column(std::wstring_view text, int low = 0) const {
        return readIntIn(text, low, sheet_.columnCount(), "column");
    }
    int row(std::wstring_view text, int low = 0) const {
        return readIntIn(text, low, sheet_.rowCount(), "row");
    }

    void readActive(const ParsedLine& line) {
        if (active_)
            fail("'active' given twice");
        expectWords(line, 2);
        Attributes(line).finish();
        if (sheet_.columnCount() == 0 || sheet_.rowCount() == 0) {
            if (line.words[0] != L"1" || line.words[1] != L"1")
                fail("an empty sheet's active cell is 1 1");
            active_ = CellKey{1, 1};
            return;
        }
        active_ = CellKey{row(line.words[1], 1), column(line.words[0], 1)};
    }

    void readSelection(const ParsedLine& line) {
        if (selection_)
            fail("'selection' given twice");
        expectWords(line, 4);
        Attributes(line).finish();
        const auto& w = line.words;
        Block block;
        block.allColumns = w[0] == L"*";
        block.allRows = w[1] == L"*";
        if ((w[2] == L"*") != block.allColumns || (w[3] == L"*") != block.allRows) {
            fail("a selection's first and last column (row) are both '*' or both numbers");
        }
        if (!block.allColumns) {
            block.firstColumn = column(w[0], 1);
            block.lastColumn = column(w[2], block.firstColumn);
        }
        if (!block.allRows) {
            block.firstRow = row(w[1], 1);
            block.lastRow = row(w[3], block.firstRow);
        }
        selection_ = block;
    }

    void finishSelection() {
        if (active_ && sheet_.columnCount() > 0 && sheet_.rowCount() > 0) {
            sheet_.setActiveCell(active_->column, active_->row);
        }
        if (selection_ && !sheet_.setSelection(*selection_))
            fail("the selection does not fit the sheet");
    }

    const CellFormat& formatNumbered(std::wstring_view text) const {
        const int number = need(readInt(text), "a format number", text);
        const auto found = formats_.find(number);
        if (found == formats_.end())
            fail("format " + std::to_string(number) + " is not defined above");
        return found->second;
    }

    void readFormat(const ParsedLine& line) {
        expectWords(line, 1);
        const int number = readIntIn(line.words[0], 1, 0x7FFFFFFF, "format number");
        if (formats_.count(number))
            fail("format " + std::to_string(number) + " defined twice");
        Attributes attributes(line);
        CellFormat format;
        readTypeAttributes(attributes, format);
        readFontAttributes(attributes, format);
        const Attribute* halign = attributes.take(L"halign");
        const Attribute* valign = attributes.take(L"valign");
        if (halign || valign) {
            Alignment alignment;
            if (halign)
                alignment.horizontal = need(horizontalFromName(halign->value),
                                            "default, left, center or right", halign->value);
            if (valign)
                alignment.vertical = need(verticalFromName(valign->value),
                                          "default, top, center or bottom", valign->value);
            format.alignment = alignment;
        }
        if (const Attribute* locked = attributes.take(L"locked"))
            format.locked = readFlag(*locked);
        if (const Attribute* color = attributes.take(L"background")) {
            format.background = need(readColor(color->value), "a colour #RRGGBB", color->value);
        }
        if (const Attribute* color = attributes.take(L"foreground")) {
            format.foreground = need(readColor(color->value), "a colour #RRGGBB", color->value);
        }
        for (int edge = 0; edge < 4; ++edge) {
            if (const Attribute* border = attributes.take(edgeKey(edge))) {
                format.borders[static_cast<size_t>(edge)] = readBorder(border->value);
            }
        }
        attributes.finish();
        if (format.isEmpty())
            fail("format " + std::to_string(number) + " sets nothing");
        formats_.emplace(number, format);
    }

    static bool readFlag(const Attribute& attribute) {
        if (attribute.value == L"1")
            return true;
        if (attribute.value == L"0")
            return false;
        fail("expected 0 or 1 for '" + forMessage(attribute.key) + "', found '" +
             forMessage(attribute.value) + "'");
    }

    static BorderLine readBorder(const std::wstring& text) {
        const size_t colon = text.find(L':');
        if (colon == std::wstring::npos)
            fail("expected STYLE:#RRGGBB for a border, found '" + forMessage(text) + "'");
        BorderLine line;
        line.style = need(borderStyleFromName(std::wstring_view(text).substr(0, colon)),
                          "none, solid, dashed, dotted or double", text.substr(0, colon));
        line.color = need(readColor(std::wstring_view(text).substr(colon + 1)), "a colour #RRGGBB",
                          text.substr(colon + 1));
        return line;
    }

    static void readTypeAttributes(Attributes& attributes, CellFormat& format) {
        static constexpr std::wstring_view kTypeKeys[] = {L"style",   L"maxlength", L"decimals",
                                                          L"minimum", L"maximum",   L"separator",
                                                          L"text",    L"off",       L"on"};
        const Attribute* kindAttribute = attributes.take(L"type");
        if (!kindAttribute) {
            for (std::wstring_view key : kTypeKeys) {
                if (attributes.has(key))
                    fail("'" + forMessage(key) + "' needs a 'type'");
            }
            return;
        }
        CellType type;
        type.kind =
            need(kindFromName(kindAttribute->value), "a cell type name", kindAttribute->value);
        if (const Attribute* a = attributes.take(L"style")) {
            type.style = need(readUnsigned(a->value), "a style number", a->value);
        }
        auto keyOfKind = [&](std::wstring_view key, std::initializer_list<CellKind> kinds) {
            const Attribute* a = attributes.take(key);
            if (a && std::find(kinds.begin(), kinds.end(), type.kind) == kinds.end()) {
                fail("'" + forMessage(key) +
                     "' does not belong to type=" + forMessage(kindAttribute->value));
            }
            return a;
        };
        if (const Attribute* a = keyOfKind(L"maxlength", {CellKind::Text})) {
            type.maxLength = need(readInt(a->value), "a whole number", a->value);
        }
        if (const Attribute* a = keyOfKind(L"decimals", {CellKind::Number})) {
            type.decimals = need(readInt(a->value), "a whole number", a->value);
        }
        if (const Attribute* a = keyOfKind(L"minimum", {CellKind::Number})) {
            type.minimum = need(readNumber(a->value), "a number", a->value);
        }
        if (const Attribute* a = keyOfKind(L"maximum", {CellKind::Number})) {
            type.maximum = need(readNumber(a->value), "a number", a->value);
        }
        if (const Attribute* a = keyOfKind(L"separator", {CellKind::Number})) {
            type.thousandsSeparator = readFlag(*a);
        }
        if (const Attribute* a = keyOfKind(L"text", {CellKind::CheckBox, CellKind::ComboBox,
                                                     CellKind::Button, CellKind::Picture})) {
            type.text = a->value;
        }
        if (const Attribute* a = keyOfKind(L"off", {CellKind::CheckBox}))
            type.pictureOff = a->value;
        if (const Attribute* a = keyOfKind(L"on", {CellKind::CheckBox}))
            type.pictureOn = a->value;
        if (!isValidCellType(type)) {
            fail("the settings of type=" + forMessage(kindAttribute->value) + " are out of range");
        }
        format.type = type;
    }

    static void readFontAttributes(Attributes& attributes, CellFormat& format) {
        const Attribute* face = attributes.take(L"font");
        const Attribute* height = attributes.take(L"fontheight");
        const Attribute* weight = attributes.take(L"fontweight");
        if (!face && !height && !weight)
            return;
        if (!face || !height || !weight)
            fail("a font needs font, fontheight and fontweight");
        format.font =
            CellFont{face->value, readIntIn(height->value, 1, kMaxFontHeight, "font height"),
                     readIntIn(weight->value, 1, 1000, "font weight")};
    }

    void readSheetLevel(const ParsedLine& line) {
        if (sawSheet_)
            fail("'sheet' given twice");
        expectWords(line, 0);
        Attributes attributes(line);
        const Attribute* format = attributes.take(L"format");
        attributes.finish();
        if (!format)
            fail("'sheet' needs format=N");
        sheet_.setSheetFormat(formatNumbered(format->value));
        sawSheet_ = true;
    }

    void readLineSettings(const ParsedLine& line, bool isColumn) {
        expectWords(line, 1);
        const int index = isColumn ? column(line.words[0]) : row(line.words[0]);
        std::set<int>& seen = isColumn ? seenColumns_ : seenRows_;
        if (!seen.insert(index).second)
            fail(forMessage(line.keyword) + " " + std::to_string(index) + " given twice");
        Attributes attributes(line);
        const Attribute* size = attributes.take(isColumn ? L"width" : L"height");
        const Attribute* format = attributes.take(L"format");
        attributes.finish();
        if (!size && !format)
            fail("'" + forMessage(line.keyword) + "' sets nothing");
        if (size) {
            const int pixels =
                readIntIn(size->value, 0, kMaxLineSize, isColumn ? "width" : "height");
            isColumn ? sheet_.setColumnWidth(index, pixels) : sheet_.setRowHeight(index, pixels);
        }
        if (format) {
            const CellFormat& settings = formatNumbered(format->value);
            isColumn ? sheet_.setColumnFormat(index, settings)
                     : sheet_.setRowFormat(index, settings);
        }
    }

    static std::optional<CellValue> readValue(Attributes& attributes) {
        std::optional<CellValue> value;
        auto one = [&](std::wstring_view key) {
            const Attribute* a = attributes.take(key);
            if (a && value)
                fail("a cell holds one of text, number, logical and error");
            return a;
        };
        if (const Attribute* a = one(L"text"))
            value = CellValue::text(a->value);
        if (const Attribute* a = one(L"number")) {
            value = CellValue::number(need(readNumber(a->value), "a number", a->value));
        }
        if (const Attribute* a = one(L"logical")) {
            if (a->value != L"TRUE" && a->value != L"FALSE") {
                fail("expected TRUE or FALSE, found '" + forMessage(a->value) + "'");
            }
            value = CellValue::logical(a->value == L"TRUE");
        }
        if (const Attribute* a = one(L"error"))
            value = CellValue::error(a->value);
        return value;
    }

    void readCell(const ParsedLine& line) {
        expectWords(line, 2);
        const int c = column(line.words[0]);
        const int r = row(line.words[1]);
        if (!seenCells_.insert({r, c}).second) {
            fail("cell " + std::to_string(c) + " " + std::to_string(r) + " given twice");
        }
        Attributes attributes(line);
        const std::optional<CellValue> value = readValue(attributes);
        const Attribute* formula = attributes.take(L"formula");
        const Attribute* tag = attributes.take(L"tag");
        const Attribute* note = attributes.take(L"note");
        const Attribute* format = attributes.take(L"format");
        attributes.finish();
        if (!value && !formula && !tag && !note && !format)
            fail("'cell' sets nothing");
        if (formula) {
            sheet_.setFormula(c, r, formula->value, value.value_or(CellValue{}));
        } else if (value) {
            sheet_.setValue(c, r, *value);
        }
        if (tag)
            sheet_.setTag(c, r, tag->value);
        if (note)
            sheet_.setNote(c, r, note->value);
        if (format)
            sheet_.setCellFormat(c, r, formatNumbered(format->value));
    }

    // A number read into a number cell is stored as a number written into that
    // cell is (rounded to its decimals, a whole-number cell cutting the
    // fraction off), so a loaded sheet and a typed one agree. A number the
    // cell's range refuses stays in the cell as its text (the shortest form
    // that reads back as the same number), so that nothing is lost. Done once the whole file is
    // read, because a cell's type may come from a column or row line below it.
    void storeNumbersByCellType() {
        std::vector<std::pair<CellKey, CellValue>> stored;
        for (const auto& [key, cell] : sheet_.cells()) {
            if (!cell.formula.empty() || cell.value.kind() != CellValue::Kind::Number)
                continue;
            const CellType type = sheet_.cellType(key.column, key.row);
            if (type.kind != CellKind::Number)
                continue;
            const double number = cell.value.asNumber();
            stored.emplace_back(
                key, readCellNumber(type, number).value_or(CellValue::text(formatNumber(number))));
        }
        for (const auto& [key, value] : stored)
            sheet_.setValue(key.column, key.row, value);
    }

    void readSpan(const ParsedLine& line) {
        expectWords(line, 4);
        Attributes(line).finish();
        Span span;
        span.column = column(line.words[0]);
        span.row = row(line.words[1]);
        span.columns = readIntIn(line.words[2], 1, kMaxColumns, "span width");
        span.rows = readIntIn(line.words[3], 1, kMaxRows, "span height");
        if (!sheet_.addSpan(span)) {
            fail(
                "the span does not fit the sheet, covers one cell, crosses the headers or "
                "overlaps another span");
        }
    }

    Sheet sheet_;
    std::map<int, CellFormat> formats_;
    bool sawSize_ = false;
    bool sawSheet_ = false;
    std::optional<CellKey> active_;
    std::optional<Block> selection_;
    std::set<int> seenColumns_;
    std::set<int> seenRows_;
    std::set<CellKey> seenCells_;
};

}  // namespace

bool readSheetText(std::string_view bytes, Sheet& sheet, SheetFileError& error) {
    const std::wstring text = unicode::decodeText(bytes);
    int lineNumber = 0;
    try {
        sheet = SheetReader().read(text, lineNumber);
        return true;
    } catch (const ReadFailure& failure) {
        error = SheetFileError{lineNumber, failure.message};
        return false;
    }
}

namespace {

// The sheet files read so far, kept while they do not change on disk.
ParsedFileCache<Sheet>& sheetFiles() {
    static ParsedFileCache<Sheet> cache;
    return cache;
}

}  // namespace

bool loadSheetFile(const Tvx_String& path, Sheet& sheet, SheetFileError& error) {
    const std::shared_ptr<const Sheet> loaded = loadKeptSheetFile(path, error);
    if (!loaded)
        return false;
    sheet = *loaded;
    return true;
}

std::shared_ptr<const Sheet> loadKeptSheetFile(const Tvx_String& path, SheetFileError& error) {
    bool read = false;
    const std::shared_ptr<const Sheet> loaded =
        sheetFiles().get(path, [&](std::string_view bytes) -> std::shared_ptr<const Sheet> {
            read = true;
            auto parsed = std::make_shared<Sheet>();
            if (!readSheetText(bytes, *parsed, error))
                return nullptr;
            return parsed;
        });
    if (!loaded && !read)
        error = SheetFileError{0, "cannot read the file"};
    return loaded;
}

void clearSheetFileCache() {
    sheetFiles().clear();
}

}  // namespace grid
