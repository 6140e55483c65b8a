// The grid control's answers to the user: clicks, keys and typed characters.
#include <algorithm>
#include <tuple>

#include "platform/grid/GridControl.h"
#include "platform/grid/GridKeys.h"
#include "platform/grid/GridLayout.h"

namespace grid {

void GridControl::userMoveTo(int column, int row) {
    const int oldColumn = sheet_.activeColumn();
    const int oldRow = sheet_.activeRow();
    if (column == oldColumn && row == oldRow) {
        sheet_.clearSelection();  // a click on the active cell drops the block
        invalidate();
        return;
    }
    endEdit(true);
    GridEvent event;
    event.code = kNotifyLeaveCell;
    event.column = oldColumn;
    event.row = oldRow;
    event.newColumn = column;
    event.newRow = row;
    notify(event);
    sheet_.setActiveCell(column, row);
    scrollIntoView(*this, column, row);
    selectionAnchorColumn_ = movingColumn_ = column;
    selectionAnchorRow_ = movingRow_ = row;
    if (settings_.option(kOptionEditModePermanent) && isUserEditable(column, row))
        setEditMode(true);
    invalidate();
}

void GridControl::activateCell(int column, int row) {
    const ResolvedFormat format = sheet_.resolvedFormat(column, row);
    if (format.locked)
        return;
    if (format.type.kind == CellKind::CheckBox) {
        const bool on = sheet_.valueText(column, row) != L"1";
        sheet_.setText(column, row, on ? L"1" : L"0", TextReading::AsValue);
        notify(on ? kNotifyCheckOn : kNotifyCheckOff, column, row);
        invalidate();
    } else if (format.type.kind == CellKind::Button) {
        notify(kNotifyButtonClicked, column, row);
    }
}

void GridControl::userClick(int column, int row) {
    if (column < 0 || row < 0 || !sheet_.contains(column, row))
        return;
    if (column == 0 || row == 0) {
        endEdit(true);
        notify(kNotifyHeaderClicked, column, row);
        return;
    }
    const auto [anchorColumn, anchorRow] = anchorOf(column, row);
    userMoveTo(anchorColumn, anchorRow);
    notify(kNotifyClick, anchorColumn, anchorRow);
    activateCell(anchorColumn, anchorRow);
}

void GridControl::userDoubleClick(int column, int row) {
    if (column < 1 || row < 1 || !sheet_.contains(column, row))
        return;
    const auto [anchorColumn, anchorRow] = anchorOf(column, row);
    userMoveTo(anchorColumn, anchorRow);
    notify(kNotifyDoubleClick, anchorColumn, anchorRow);
    if (isUserEditable(anchorColumn, anchorRow))
        setEditMode(true);
}

void GridControl::userRightClick(int column, int row, int x, int y) {
    GridEvent event;
    event.code = kNotifyRightClick;
    event.column = column;
    event.row = row;
    event.x = x;
    event.y = y;
    notify(event);
}

void GridControl::userChar(wchar_t character) {
    if (character < 0x20 || character == 0x7F)
        return;
    if (!editing_) {
        if (sheet_.columnCount() == 0 || sheet_.rowCount() == 0)
            return;
        if (!isUserEditable(sheet_.activeColumn(), sheet_.activeRow()))
            return;
        startEdit(L"");  // typing replaces the cell's text
    }
    insertIntoEdit(std::wstring(1, character));
}

bool GridControl::userKey(int virtualKey, bool shift, bool control) {
    if (editing_)
        return editKey(virtualKey, shift, control);
    if (sheet_.columnCount() == 0 || sheet_.rowCount() == 0)
        return false;
    if (actionKey(virtualKey, shift, control))
        return true;
    if (control && settings_.option(kOptionAutoClipboard)) {
        if (virtualKey == kKeyC)
            return copySelection();
        if (virtualKey == kKeyX)
            return cutSelection();
        if (virtualKey == kKeyV)
            return paste();
    }
    return moveKey(virtualKey, shift, control);
}

bool GridControl::actionKey(int virtualKey, bool shift, bool control) {
    for (int action = 0; action < kActionCount; ++action) {
        const ActionKey& key = settings_.actionKeys[static_cast<size_t>(action)];
        if (key.virtualKey == 0 || key.virtualKey != virtualKey || key.shift != shift ||
            key.control != control) {
            continue;
        }
        const auto [column, row] = anchorOf(sheet_.activeColumn(), sheet_.activeRow());
        switch (action) {
            case kActionClear:
                clearSelection();
                break;
            case kActionEdit:
                if (isUserEditable(column, row))
                    setEditMode(true);
                break;
            default:
                activateCell(column, row);
                break;
        }
        return true;
    }
    return false;
}

std::pair<int, int> GridControl::stepFrom(int column, int row, int virtualKey, bool shift,
                                          bool control) const {
    const int columns = sheet_.columnCount();
    const int rows = sheet_.rowCount();
    const std::optional<Span> span = sheet_.spanAt(column, row);
    const int left = span ? span->column : column;
    const int top = span ? span->row : row;
    const int right = span ? span->lastColumn() : column;
    const int bottom = span ? span->lastRow() : row;
    switch (virtualKey) {
        case kKeyLeft:
            return {std::max(left - 1, 1), row};
        case kKeyRight:
            return {std::min(right + 1, columns), row};
        case kKeyUp:
            return {column, std::max(top - 1, 1)};
        case kKeyDown:
            return {column, std::min(bottom + 1, rows)};
        case kKeyHome:
            return {1, control ? 1 : row};
        case kKeyEnd:
            return {columns, control ? rows : row};
        case kKeyTab:
            if (shift) {
                if (left > 1)
                    return {left - 1, row};
                return top > 1 ? std::pair{columns, top - 1} : std::pair{column, row};
            }
            if (right < columns)
                return {right + 1, row};
            return bottom < rows ? std::pair{1, bottom + 1} : std::pair{column, row};
        default:
            return {column, row};
    }
}

bool GridControl::moveKey(int virtualKey, bool shift, bool control) {
    switch (virtualKey) {
        case kKeyTab:
            if (!settings_.option(kOptionProcessTab))
                return false;
            break;
        case kKeyReturn:
            if (!settings_.option(kOptionMoveActiveOnEnter))
                return false;
            virtualKey = kKeyDown;
            break;
        case kKeyLeft:
        case kKeyRight:
        case kKeyUp:
        case kKeyDown:
        case kKeyHome:
        case kKeyEnd:
            break;
        default:
            return false;
    }
    const bool extend = shift && virtualKey != kKeyTab;
    if (extend) {
        std::tie(movingColumn_, movingRow_) =
            stepFrom(movingColumn_, movingRow_, virtualKey, shift, control);
        Block block;
        block.firstColumn = std::min(selectionAnchorColumn_, movingColumn_);
        block.lastColumn = std::max(selectionAnchorColumn_, movingColumn_);
        block.firstRow = std::min(selectionAnchorRow_, movingRow_);
        block.lastRow = std::max(selectionAnchorRow_, movingRow_);
        sheet_.setSelection(block);
        invalidate();
        return true;
    }
    const auto [column, row] =
        stepFrom(sheet_.activeColumn(), sheet_.activeRow(), virtualKey, shift, control);
    const auto [anchorColumn, anchorRow] = anchorOf(column, row);
    userMoveTo(anchorColumn, anchorRow);
    return true;
}

}  // namespace grid
