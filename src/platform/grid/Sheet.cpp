// The sheet model: size, cell content, tags and notes, line sizes, spans,
// active cell, selection and comparison.
#include "platform/grid/Sheet.h"

#include <algorithm>

#include "platform/core/NumberText.h"
#include "platform/grid/GridLimits.h"

namespace grid {

// --- size ------------------------------------------------------------------

bool Sheet::setColumnCount(int columns) {
    if (columns < 0 || columns > kMaxColumns)
        return false;
    if (columns == columns_)
        return true;
    if (columns < columns_)
        truncate(Axis::Columns, columns);
    columns_ = columns;
    keepActiveInside();
    changed_ = true;
    notifyLayoutChanged();
    return true;
}

bool Sheet::setRowCount(int rows) {
    if (rows < 0 || rows > kMaxRows)
        return false;
    if (rows == rows_)
        return true;
    if (rows < rows_)
        truncate(Axis::Rows, rows);
    rows_ = rows;
    keepActiveInside();
    changed_ = true;
    notifyLayoutChanged();
    return true;
}

bool Sheet::contains(int column, int row) const {
    return column >= 0 && column <= columns_ && row >= 0 && row <= rows_;
}

bool Sheet::contains(const Block& block) const {
    if (!block.allColumns && (block.firstColumn < 0 || block.firstColumn > block.lastColumn ||
                              block.lastColumn > columns_)) {
        return false;
    }
    if (!block.allRows &&
        (block.firstRow < 0 || block.firstRow > block.lastRow || block.lastRow > rows_)) {
        return false;
    }
    return true;
}

// --- content ---------------------------------------------------------------

CellStore& CellStore::operator=(const CellStore& other) {
    if (this == &other)
        return *this;
    auto kept = begin();
    for (auto given = other.begin(); given != other.end(); ++given) {
        while (kept != end() && kept->first < given->first)
            kept = erase(kept);
        if (kept != end() && kept->first == given->first) {
            kept->second = given->second;
            ++kept;
        } else {
            emplace_hint(kept, *given);
        }
    }
    erase(kept, end());
    return *this;
}

const Cell* Sheet::findCell(int column, int row) const {
    Cell* kept = nullptr;
    if (foundCells_.find(column, row, kept))
        return kept;
    if (foundCells_.wantsRebuild()) {
        // The index points at cells the sheet lets change through it.
        foundCells_.rebuild(const_cast<CellStore&>(cells_), columns_, rows_);
        if (foundCells_.find(column, row, kept))
            return kept;
    }
    const auto found = cells_.find({row, column});
    Cell* cell = found == cells_.end() ? nullptr : const_cast<Cell*>(&found->second);
    foundCells_.remember(column, row, cell);
    return cell;
}

Cell* Sheet::cellForWriting(int column, int row) {
    Cell* kept = nullptr;
    if (foundCells_.find(column, row, kept) && kept)
        return kept;
    const auto found = cells_.try_emplace({row, column}).first;
    foundCells_.remember(column, row, &found->second);
    return &found->second;
}

void Sheet::dropIfEmpty(int column, int row) {
    const auto found = cells_.find({row, column});
    if (found != cells_.end() && found->second.isEmpty()) {
        cells_.erase(found);
        foundCells_.remember(column, row, nullptr);
    }
}

CellValue Sheet::value(int column, int row) const {
    const Cell* cell = findCell(column, row);
    return cell ? cell->value : CellValue{};
}

const CellValue& Sheet::valueOf(const Cell* cell) {
    static const CellValue kEmpty;
    return cell ? cell->value : kEmpty;
}

std::wstring Sheet::valueText(int column, int row) const {
    std::wstring text;
    writeValueText(column, row, text);
    return text;
}

void Sheet::writeValueText(int column, int row, std::wstring& out) const {
    if (!contains(column, row)) {
        out.clear();
        return;
    }
    const Cell* cell = findCell(column, row);
    grid::writeValueText(cellTypeOf(column, row, cell), valueOf(cell), out);
}

std::wstring Sheet::displayText(int column, int row) const {
    if (!contains(column, row))
        return L"";
    const Cell* cell = findCell(column, row);
    return grid::displayText(cellTypeOf(column, row, cell), valueOf(cell));
}

std::optional<double> Sheet::number(int column, int row) const {
    if (!contains(column, row))
        return std::nullopt;
    const CellValue v = value(column, row);
    switch (v.kind()) {
        case CellValue::Kind::Number:
        case CellValue::Kind::Logical:
            return v.asNumber();
        case CellValue::Kind::Text: {
            double number = 0;
            if (numtext::parseWholeDouble(v.asText(), number))
                return number;
            return std::nullopt;
        }
        default:
            return std::nullopt;
    }
}

bool Sheet::setText(int column, int row, std::wstring_view text, TextReading reading) {
    if (!contains(column, row))
        return false;
    std::optional<CellValue> read = readCellText(cellType(column, row), text, reading);
    if (!read)
        return false;
    return storeValue(column, row, std::move(*read));
}

bool Sheet::setNumber(int column, int row, double number) {
    if (!contains(column, row))
        return false;
    std::optional<CellValue> read = readCellNumber(cellType(column, row), number);
    if (!read)
        return false;
    return storeValue(column, row, std::move(*read));
}

bool Sheet::setValue(int column, int row, const CellValue& value) {
    return storeValue(column, row, value);
}

bool Sheet::storeValue(int column, int row, CellValue value) {
    if (!contains(column, row))
        return false;
    if (value.kind() == CellValue::Kind::Text && value.asText().empty())
        value = CellValue{};
    const CellKey key{row, column};
    auto found = cells_.lower_bound(key);
    if (found == cells_.end() || found->first != key) {
        if (!value.isEmpty()) {
            Cell& added = cells_.emplace_hint(found, key, Cell{})->second;
            added.value = std::move(value);
            foundCells_.remember(column, row, &added);
        }
    } else {
        found->second.value = std::move(value);
        found->second.formula.clear();
        if (found->second.isEmpty()) {
            cells_.erase(found);
            foundCells_.remember(column, row, nullptr);
        }
    }
    changed_ = true;
    notifyValueChanged(column, row);
    return true;
}

bool Sheet::setFormula(int column, int row, std::wstring_view formula, const CellValue& result) {
    if (!contains(column, row))
        return false;
    Cell* cell = cellForWriting(column, row);
    cell->value = formula.empty() ? CellValue{} : result;
    cell->formula.assign(formula);
    dropIfEmpty(column, row);
    changed_ = true;
    return true;
}

bool Sheet::setFormulaResult(int column, int row, const CellValue& result) {
    const auto found = cells_.find({row, column});
    if (found == cells_.end() || found->second.formula.empty())
        return false;
    found->second.value = result;
    changed_ = true;
    return true;
}

std::wstring Sheet::formula(int column, int row) const {
    const Cell* cell = findCell(column, row);
    return cell ? cell->formula : L"";
}

int Sheet::typeCode(int column, int row) const {
    const Cell* cell = findCell(column, row);
    return cellTypeCode(cellTypeOf(column, row, cell), valueOf(cell));
}

bool Sheet::setTag(int column, int row, std::wstring tag) {
    if (!contains(column, row))
        return false;
    cellForWriting(column, row)->tag = std::move(tag);
    dropIfEmpty(column, row);
    changed_ = true;
    return true;
}

std::wstring Sheet::tag(int column, int row) const {
    const Cell* cell = findCell(column, row);
    return cell ? cell->tag : L"";
}

bool Sheet::setNote(int column, int row, std::wstring note) {
    if (!contains(column, row))
        return false;
    cellForWriting(column, row)->note = std::move(note);
    dropIfEmpty(column, row);
    changed_ = true;
    return true;
}

std::wstring Sheet::note(int column, int row) const {
    const Cell* cell = findCell(column, row);
    return cell ? cell->note : L"";
}

// --- line sizes ------------------------------------------------------------

bool Sheet::setLineSize(std::map<int, Line>& lines, int index, int size, int count) {
    if (index < 0 || index > count || size < 0 || size > kMaxLineSize)
        return false;
    lines[index].size = size;
    changed_ = true;
    return true;
}

bool Sheet::setColumnWidth(int column, int width) {
    return setLineSize(columnLines_, column, width, columns_);
}

bool Sheet::setRowHeight(int row, int height) {
    return setLineSize(rowLines_, row, height, rows_);
}

int Sheet::columnWidth(int column) const {
    if (column < 0 || column > columns_)
        return -1;
    const auto found = columnLines_.find(column);
    if (found != columnLines_.end() && found->second.size >= 0)
        return found->second.size;
    return column == 0 ? kDefaultHeaderColumnWidth : kDefaultColumnWidth;
}

int Sheet::rowHeight(int row) const {
    if (row < 0 || row > rows_)
        return -1;
    const auto found = rowLines_.find(row);
    if (found != rowLines_.end() && found->second.size >= 0)
        return found->second.size;
    return kDefaultRowHeight;
}

// --- spans -----------------------------------------------------------------

bool Sheet::addSpan(const Span& span) {
    if (span.columns < 1 || span.rows < 1)
        return false;
    if (static_cast<long long>(span.columns) * span.rows < 2)
        return false;
    if (span.lastColumn() > columns_ || span.lastRow() > rows_)
        return false;
    const bool inBody = span.column >= 1 && span.row >= 1;
    const bool inHeaderRow = span.row == 0 && span.rows == 1 && span.column >= 1;
    const bool inHeaderColumn = span.column == 0 && span.columns == 1 && span.row >= 1;
    if (!inBody && !inHeaderRow && !inHeaderColumn)
        return false;
    if (!spans_.add(span))
        return false;
    changed_ = true;
    return true;
}

bool Sheet::removeSpan(int column, int row) {
    if (!spans_.removeAt(column, row))
        return false;
    changed_ = true;
    return true;
}

std::optional<Span> Sheet::spanAt(int column, int row) const {
    return spans_.find(column, row);
}

// --- active cell and selection ---------------------------------------------

bool Sheet::setActiveCell(int column, int row) {
    if (column < 1 || column > columns_ || row < 1 || row > rows_)
        return false;
    activeColumn_ = column;
    activeRow_ = row;
    selection_.reset();
    return true;
}

bool Sheet::setSelection(const Block& block) {
    if (columns_ == 0 || rows_ == 0 || !contains(block))
        return false;
    if ((!block.allColumns && block.firstColumn < 1) || (!block.allRows && block.firstRow < 1)) {
        return false;
    }
    selection_ = block;
    activeColumn_ = block.allColumns ? 1 : block.firstColumn;
    activeRow_ = block.allRows ? 1 : block.firstRow;
    return true;
}

void Sheet::clearSelection() {
    selection_.reset();
}

void Sheet::keepActiveInside() {
    activeColumn_ = std::clamp(activeColumn_, 1, std::max(columns_, 1));
    activeRow_ = std::clamp(activeRow_, 1, std::max(rows_, 1));
}

// --- comparison ------------------------------------------------------------

namespace {

bool sameLines(const Sheet& a, const std::map<int, Line>& la, const Sheet& b,
               const std::map<int, Line>& lb) {
    return std::equal(la.begin(), la.end(), lb.begin(), lb.end(),
                      [&](const auto& x, const auto& y) {
                          return x.first == y.first && x.second.size == y.second.size &&
                                 a.format(x.second.format) == b.format(y.second.format);
                      });
}

}  // namespace

bool operator==(const Sheet& a, const Sheet& b) {
    if (a.columns_ != b.columns_ || a.rows_ != b.rows_)
        return false;
    if (a.activeColumn_ != b.activeColumn_ || a.activeRow_ != b.activeRow_)
        return false;
    if (a.selection_ != b.selection_ || !(a.spans_ == b.spans_))
        return false;
    if (a.sheetFormat() != b.sheetFormat())
        return false;
    if (!sameLines(a, a.columnLines_, b, b.columnLines_))
        return false;
    if (!sameLines(a, a.rowLines_, b, b.rowLines_))
        return false;
    return std::equal(a.cells_.begin(), a.cells_.end(), b.cells_.begin(), b.cells_.end(),
                      [&](const auto& x, const auto& y) {
                          return x.first == y.first && x.second.value == y.second.value &&
                                 x.second.formula == y.second.formula &&
                                 x.second.tag == y.second.tag && x.second.note == y.second.note &&
                                 a.format(x.second.format) == b.format(y.second.format);
                      });
}

}  // namespace grid
