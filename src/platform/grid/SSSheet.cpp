// The grid library's sheet size, cell text, number, tag and note functions.
#include "platform/grid/SSSheet.h"

#include "platform/grid/GridAddress.h"
#include "platform/grid/GridHandles.h"

using grid::GridControl;

namespace {

// Runs a change on the cell when the handle and cell are good; repaints after it.
template <typename Change>
BOOL changeCell(HWND window, SS_COORD column, SS_COORD row, Change change) {
    GridControl* grid = grid::gridOf(window);
    if (!grid)
        return 0;
    const auto cell = grid::cellAddress(grid->sheet(), column, row);
    if (!cell || !change(grid->sheet(), cell->first, cell->second))
        return 0;
    grid->invalidate();
    return 1;
}

// Reads a text of the cell into `text`; an empty text and 0 when the handle or
// cell is bad. `read` writes over the text it is given, keeping its room.
template <typename Read>
BOOL readCell(HWND window, SS_COORD column, SS_COORD row, Tvx_String& text, Read read) {
    text.clear();
    const GridControl* grid = grid::gridOf(window);
    if (!grid)
        return 0;
    const auto cell = grid::cellAddress(grid->sheet(), column, row);
    if (!cell)
        return 0;
    read(grid->sheet(), cell->first, cell->second, text.str());
    return 1;
}

BOOL setCount(HWND window, SS_COORD count, bool columns) {
    GridControl* grid = grid::gridOf(window);
    if (!grid)
        return 0;
    grid->setEditMode(false);
    grid::Sheet& sheet = grid->sheet();
    if (!(columns ? sheet.setColumnCount(count) : sheet.setRowCount(count)))
        return 0;
    grid->invalidate();
    return 1;
}

}  // namespace

BOOL SSSetMaxCols(HWND window, SS_COORD columns) {
    return setCount(window, columns, true);
}

BOOL SSSetMaxRows(HWND window, SS_COORD rows) {
    return setCount(window, rows, false);
}

SS_COORD SSGetMaxCols(HWND window) {
    const GridControl* grid = grid::gridOf(window);
    return grid ? grid->sheet().columnCount() : -1;
}

SS_COORD SSGetMaxRows(HWND window) {
    const GridControl* grid = grid::gridOf(window);
    return grid ? grid->sheet().rowCount() : -1;
}

BOOL SSSetData(HWND window, SS_COORD column, SS_COORD row, const Tvx_String& text) {
    return changeCell(window, column, row, [&](grid::Sheet& sheet, int c, int r) {
        return sheet.setText(c, r, text.str(), grid::TextReading::AsTyped);
    });
}

BOOL SSSetValue(HWND window, SS_COORD column, SS_COORD row, const Tvx_String& text) {
    return changeCell(window, column, row, [&](grid::Sheet& sheet, int c, int r) {
        return sheet.setText(c, r, text.str(), grid::TextReading::AsValue);
    });
}

BOOL SSGetData(HWND window, SS_COORD column, SS_COORD row, Tvx_String& text) {
    return readCell(window, column, row, text,
                    [](const grid::Sheet& sheet, int c, int r, std::wstring& out) {
                        out = sheet.displayText(c, r);
                    });
}

BOOL SSGetValue(HWND window, SS_COORD column, SS_COORD row, Tvx_String& text) {
    return readCell(window, column, row, text,
                    [](const grid::Sheet& sheet, int c, int r, std::wstring& out) {
                        sheet.writeValueText(c, r, out);
                    });
}

int SSGetDataLen(HWND window, SS_COORD column, SS_COORD row) {
    Tvx_String text;
    return SSGetData(window, column, row, text) ? text.length() : -1;
}

int SSGetCellType(HWND window, SS_COORD column, SS_COORD row) {
    const GridControl* grid = grid::gridOf(window);
    if (!grid)
        return -1;
    const auto cell = grid::cellAddress(grid->sheet(), column, row);
    return cell ? grid->sheet().typeCode(cell->first, cell->second) : -1;
}

BOOL SSGetFloat(HWND window, SS_COORD column, SS_COORD row, double& value) {
    value = 0;
    const GridControl* grid = grid::gridOf(window);
    if (!grid)
        return 0;
    const auto cell = grid::cellAddress(grid->sheet(), column, row);
    if (!cell)
        return 0;
    const std::optional<double> number = grid->sheet().number(cell->first, cell->second);
    if (!number)
        return 0;
    value = *number;
    return 1;
}

BOOL SSSetFloat(HWND window, SS_COORD column, SS_COORD row, double value) {
    return changeCell(window, column, row, [&](grid::Sheet& sheet, int c, int r) {
        return sheet.setNumber(c, r, value);
    });
}

BOOL SSSetCellTag(HWND window, SS_COORD column, SS_COORD row, const Tvx_String& tag) {
    return changeCell(window, column, row, [&](grid::Sheet& sheet, int c, int r) {
        return sheet.setTag(c, r, tag.str());
    });
}

BOOL SSGetCellTag(HWND window, SS_COORD column, SS_COORD row, Tvx_String& tag) {
    return readCell(
        window, column, row, tag,
        [](const grid::Sheet& sheet, int c, int r, std::wstring& out) { out = sheet.tag(c, r); });
}

BOOL SSSetCellNote(HWND window, SS_COORD column, SS_COORD row, const Tvx_String& note) {
    return changeCell(window, column, row, [&](grid::Sheet& sheet, int c, int r) {
        return sheet.setNote(c, r, note.str());
    });
}

BOOL SSGetCellNote(HWND window, SS_COORD column, SS_COORD row, Tvx_String& note) {
    return readCell(
        window, column, row, note,
        [](const grid::Sheet& sheet, int c, int r, std::wstring& out) { out = sheet.note(c, r); });
}

BOOL SSSetCellNoteIndicator(HWND window, int mode) {
    GridControl* grid = grid::gridOf(window);
    if (!grid || !grid::isValidNoteIndicator(mode))
        return 0;
    grid->settings().noteIndicator = mode;
    grid->invalidate();
    return 1;
}

int SSGetCellNoteIndicator(HWND window) {
    const GridControl* grid = grid::gridOf(window);
    return grid ? grid->settings().noteIndicator : -1;
}
