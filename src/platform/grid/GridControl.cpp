// The grid control: settings and options, loading and saving, repaint
// requests, the library's active cell, and the selection edit operations.
#include "platform/grid/GridControl.h"

#include <algorithm>
#include <vector>

#include "platform/grid/Clipboard.h"
#include "platform/grid/Csv.h"
#include "platform/grid/GridLayout.h"
#include "platform/grid/GridLimits.h"

namespace grid {
namespace {

Sheet freshSheet() {
    Sheet sheet;
    sheet.setColumnCount(kInitialColumns);
    sheet.setRowCount(kInitialRows);
    sheet.setChanged(false);
    return sheet;
}

}  // namespace

GridControl::GridControl() : sheet_(freshSheet()), formulas_(sheet_) {}

bool GridControl::setOption(int index, bool value) {
    if (!settings_.setOption(index, value))
        return false;
    if (index == kOptionChangeMade)
        sheet_.setChanged(value);
    if (index == kOptionAutoCalc)
        formulas_.setAutomaticRecalculation(value);
    if (index == kOptionRedraw && value && repaintPending_) {
        repaintPending_ = false;
        if (repaint_)
            repaint_();
    }
    return true;
}

bool GridControl::option(int index) const {
    if (index == kOptionChangeMade)
        return sheet_.changed();
    return settings_.option(index);
}

void GridControl::reset() {
    sheet_ = freshSheet();
    settings_ = GridSettings();
    formulas_.setAutomaticRecalculation(settings_.option(kOptionAutoCalc));
    formulas_.attach();
    editing_ = false;
    editText_.clear();
    originalEditText_.clear();
    selectionAnchorColumn_ = selectionAnchorRow_ = movingColumn_ = movingRow_ = 1;
    leftColumn_ = topRow_ = 1;
    lastLoadError_ = SheetFileError{};
    invalidate();
}

bool GridControl::load(const Tvx_String& path) {
    SheetFileError error;
    const std::shared_ptr<const Sheet> loaded = loadKeptSheetFile(path, error);
    if (!loaded) {
        lastLoadError_ = error;
        return false;
    }
    endEdit(false);
    // Copied in place: the sheet's storage is reused for the loaded one.
    sheet_ = *loaded;
    formulas_.attach();
    lastLoadError_ = SheetFileError{};
    leftColumn_ = topRow_ = 1;
    selectionAnchorColumn_ = movingColumn_ = sheet_.activeColumn();
    selectionAnchorRow_ = movingRow_ = sheet_.activeRow();
    invalidate();
    return true;
}

bool GridControl::save(const Tvx_String& path, SheetFileContent content) const {
    return saveSheetFile(path, sheet_, content);
}

void GridControl::setWindowSize(int width, int height) {
    windowWidth_ = std::max(width, 0);
    windowHeight_ = std::max(height, 0);
    invalidate();
}

void GridControl::setTopLeft(int column, int row) {
    column = std::max(column, 1);
    row = std::max(row, 1);
    if (column == leftColumn_ && row == topRow_)
        return;
    leftColumn_ = column;
    topRow_ = row;
    invalidate();
}

int GridControl::leftColumn() const {
    return std::clamp(leftColumn_, 1, std::max(sheet_.columnCount(), 1));
}

int GridControl::topRow() const {
    return std::clamp(topRow_, 1, std::max(sheet_.rowCount(), 1));
}

void GridControl::invalidate() {
    if (!settings_.option(kOptionRedraw)) {
        repaintPending_ = true;
        return;
    }
    if (repaint_)
        repaint_();
}

void GridControl::notify(const GridEvent& event) const {
    if (sink_)
        sink_(event);
}

void GridControl::notify(int code, int column, int row) const {
    GridEvent event;
    event.code = code;
    event.column = column;
    event.row = row;
    notify(event);
}

bool GridControl::setActiveCell(int column, int row) {
    if (column < 1 || column > sheet_.columnCount() || row < 1 || row > sheet_.rowCount()) {
        return false;
    }
    endEdit(true);
    sheet_.setActiveCell(column, row);
    scrollIntoView(*this, column, row);
    selectionAnchorColumn_ = movingColumn_ = column;
    selectionAnchorRow_ = movingRow_ = row;
    invalidate();
    return true;
}

std::pair<int, int> GridControl::anchorOf(int column, int row) const {
    if (const std::optional<Span> span = sheet_.spanAt(column, row))
        return {span->column, span->row};
    return {column, row};
}

bool GridControl::isUserEditable(int column, int row) const {
    const auto [anchorColumn, anchorRow] = anchorOf(column, row);
    if (anchorColumn < 1 || anchorRow < 1 || !sheet_.contains(anchorColumn, anchorRow))
        return false;
    const ResolvedFormat format = sheet_.resolvedFormat(anchorColumn, anchorRow);
    if (format.locked)
        return false;
    switch (format.type.kind) {
        case CellKind::General:
        case CellKind::Text:
        case CellKind::Number:
        case CellKind::ComboBox:
            return true;
        default:
            return false;
    }
}

bool GridControl::commitUserText(int column, int row, const std::wstring& text) {
    if (settings_.option(kOptionAllowUserFormulas) && !text.empty() && text[0] == L'=') {
        return formulas_.setFormula(column, row, std::wstring_view(text).substr(1), true);
    }
    return sheet_.setText(column, row, text, TextReading::AsValue);
}

Block GridControl::operationBlock() const {
    if (sheet_.selection())
        return *sheet_.selection();
    return Block::cell(sheet_.activeColumn(), sheet_.activeRow());
}

bool GridControl::copySelection() {
    if (sheet_.columnCount() == 0 || sheet_.rowCount() == 0)
        return false;
    endEdit(true);
    const Block block = operationBlock();
    const int firstColumn = block.allColumns ? 1 : block.firstColumn;
    const int lastColumn = block.allColumns ? sheet_.columnCount() : block.lastColumn;
    const int firstRow = block.allRows ? 1 : block.firstRow;
    const int lastRow = block.allRows ? sheet_.rowCount() : block.lastRow;
    std::wstring text;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            if (column > firstColumn)
                text += L'\t';
            text += delimitedField(sheet_.valueText(column, row));
        }
        text += L'\n';
    }
    setClipboardText(std::move(text));
    return true;
}

bool GridControl::clearSelection() {
    if (sheet_.columnCount() == 0 || sheet_.rowCount() == 0)
        return false;
    endEdit(true);
    const Block block = operationBlock();
    std::vector<CellKey> cleared;
    for (const auto& [key, cell] : sheet_.cells()) {
        if ((!cell.value.isEmpty() || !cell.formula.empty()) &&
            block.contains(key.column, key.row) &&
            !sheet_.resolvedFormat(key.column, key.row).locked) {
            cleared.push_back(key);
        }
    }
    for (const CellKey& key : cleared)
        sheet_.setValue(key.column, key.row, CellValue{});
    invalidate();
    return true;
}

bool GridControl::cutSelection() {
    return copySelection() && clearSelection();
}

bool GridControl::paste() {
    if (sheet_.columnCount() == 0 || sheet_.rowCount() == 0)
        return false;
    endEdit(true);
    CsvError error;
    const auto records = readDelimitedRecords(clipboardText(), L'\t', error);
    if (!records)
        return false;
    const Block block = operationBlock();
    const int left = block.allColumns ? 1 : block.firstColumn;
    const int top = block.allRows ? 1 : block.firstRow;
    for (size_t i = 0; i < records->size(); ++i) {
        const int row = top + static_cast<int>(i);
        if (row > sheet_.rowCount())
            break;
        const auto& fields = (*records)[i];
        for (size_t j = 0; j < fields.size(); ++j) {
            const int column = left + static_cast<int>(j);
            if (column > sheet_.columnCount())
                break;
            if (!sheet_.resolvedFormat(column, row).locked)
                commitUserText(column, row, fields[j]);
        }
    }
    invalidate();
    return true;
}

}  // namespace grid
