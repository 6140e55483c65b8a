// The grid library's active cell, selection, edit, line and block functions.
#include "platform/grid/SSEditing.h"

#include <tuple>

#include "platform/grid/GridAddress.h"
#include "platform/grid/GridHandles.h"

using grid::GridControl;

namespace {

// Runs a structural change after ending any edit; repaints after it.
template <typename Change>
BOOL restructure(HWND window, Change change) {
    GridControl* grid = grid::gridOf(window);
    if (!grid)
        return 0;
    grid->setEditMode(false);
    if (!change(grid->sheet()))
        return 0;
    grid->invalidate();
    return 1;
}

BOOL transfer(HWND window, SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
              SS_COORD destColumn, SS_COORD destRow, bool move) {
    return restructure(window, [&](grid::Sheet& sheet) {
        const auto block = grid::blockAddress(sheet, column, row, column2, row2);
        if (!block)
            return false;
        return move ? sheet.moveBlock(*block, destColumn, destRow)
                    : sheet.copyBlock(*block, destColumn, destRow);
    });
}

}  // namespace

BOOL SSSetActiveCell(HWND window, SS_COORD column, SS_COORD row) {
    GridControl* grid = grid::gridOf(window);
    return grid && grid->setActiveCell(column, row) ? 1 : 0;
}

BOOL SSGetActiveCell(HWND window, SS_COORD& column, SS_COORD& row) {
    const GridControl* grid = grid::gridOf(window);
    if (!grid || grid->sheet().columnCount() == 0 || grid->sheet().rowCount() == 0)
        return 0;
    column = grid->sheet().activeColumn();
    row = grid->sheet().activeRow();
    return 1;
}

BOOL SSSetSelectBlock(HWND window, SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2) {
    GridControl* grid = grid::gridOf(window);
    if (!grid)
        return 0;
    const auto block = grid::blockAddress(grid->sheet(), column, row, column2, row2);
    if (!block)
        return 0;
    grid->setEditMode(false);
    if (!grid->sheet().setSelection(*block))
        return 0;
    grid->invalidate();
    return 1;
}

BOOL SSGetSelectBlock(HWND window, SS_COORD& column, SS_COORD& row, SS_COORD& column2,
                      SS_COORD& row2) {
    const GridControl* grid = grid::gridOf(window);
    if (!grid || !grid->sheet().selection())
        return 0;
    const grid::Block& block = *grid->sheet().selection();
    column = block.allColumns ? SS_ALL : block.firstColumn;
    column2 = block.allColumns ? SS_ALL : block.lastColumn;
    row = block.allRows ? SS_ALL : block.firstRow;
    row2 = block.allRows ? SS_ALL : block.lastRow;
    return 1;
}

BOOL SSSetEditMode(HWND window, BOOL on) {
    GridControl* grid = grid::gridOf(window);
    return grid && grid->setEditMode(on != 0) ? 1 : 0;
}

BOOL SSGetEditMode(HWND window) {
    const GridControl* grid = grid::gridOf(window);
    return grid && grid->isEditing() ? 1 : 0;
}

BOOL SSSetEditSel(HWND window, int start, int end) {
    GridControl* grid = grid::gridOf(window);
    return grid && grid->setEditSelection(start, end) ? 1 : 0;
}

BOOL SSGetEditSel(HWND window, int& start, int& end) {
    const GridControl* grid = grid::gridOf(window);
    if (!grid || !grid->isEditing())
        return 0;
    std::tie(start, end) = grid->editSelection();
    return 1;
}

BOOL SSGetEditText(HWND window, Tvx_String& text) {
    const GridControl* grid = grid::gridOf(window);
    if (!grid || !grid->isEditing())
        return 0;
    text = Tvx_String(grid->editText());
    return 1;
}

BOOL SSInsRow(HWND window, SS_COORD row) {
    return restructure(window, [&](grid::Sheet& sheet) { return sheet.insertRow(row); });
}

BOOL SSDelRow(HWND window, SS_COORD row) {
    return restructure(window, [&](grid::Sheet& sheet) { return sheet.deleteRow(row); });
}

BOOL SSInsCol(HWND window, SS_COORD column) {
    return restructure(window, [&](grid::Sheet& sheet) { return sheet.insertColumn(column); });
}

BOOL SSDelCol(HWND window, SS_COORD column) {
    return restructure(window, [&](grid::Sheet& sheet) { return sheet.deleteColumn(column); });
}

BOOL SSCopyRange(HWND window, SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                 SS_COORD destColumn, SS_COORD destRow) {
    return transfer(window, column, row, column2, row2, destColumn, destRow, false);
}

BOOL SSMoveRange(HWND window, SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                 SS_COORD destColumn, SS_COORD destRow) {
    return transfer(window, column, row, column2, row2, destColumn, destRow, true);
}

BOOL SSClipboardCopy(HWND window) {
    GridControl* grid = grid::gridOf(window);
    return grid && grid->copySelection() ? 1 : 0;
}

BOOL SSClipboardCut(HWND window) {
    GridControl* grid = grid::gridOf(window);
    return grid && grid->cutSelection() ? 1 : 0;
}

BOOL SSClipboardPaste(HWND window) {
    GridControl* grid = grid::gridOf(window);
    return grid && grid->paste() ? 1 : 0;
}
