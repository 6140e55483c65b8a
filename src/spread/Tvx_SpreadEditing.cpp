// Tvx_Spread: the context menu and its operations, inserting and deleting
// rows and columns, check-box columns and Tab navigation.
#include <algorithm>

#include "platform/core/NumberedTexts.h"
#include "platform/grid/GridEvents.h"
#include "platform/ui/WinConstants.h"
#include "platform/ui/WinMessages.h"
#include "spread/Tvx_DlgPromptString.h"
#include "spread/Tvx_Spread.h"
#include "spread/dynMenu.h"

namespace {

constexpr int kCheckBoxType = 12;
constexpr int kStaticTextType = 8;
// The prompt captions for a new row's and a new column's header.
constexpr int kInsertRowText = 774;
constexpr int kInsertColumnText = 1156;
// Class names of grid windows, by their beginnings.
constexpr const wchar_t* kGridClassPrefixes[] = {L"SPR32", L"fpSpr", L"fpUSpr"};

}  // namespace

void Tvx_Spread::setContextMenu(const Tvx_IntArray& codes) {
    if (menu_ == nullptr)
        menu_ = std::make_unique<dynMenu>();
    menuCodes_ = codes;
}

void Tvx_Spread::clearContextMenu() {
    menuCodes_.removeAll();
    menu_.reset();
}

bool Tvx_Spread::activeCell(int& column, int& row) const {
    SS_COORD column1 = 0, row1 = 0, column2 = 0, row2 = 0;
    if (GetSelectBlock(column1, row1, column2, row2)) {
        column = column1 == SS_ALL ? 1 : std::min(column1, column2);
        row = row1 == SS_ALL ? 1 : std::min(row1, row2);
        return true;
    }
    return GetActiveCell(column, row) != FALSE;
}

bool Tvx_Spread::runMenuOperation(int code) {
    if (!created_)
        return false;
    int column = 0;
    int row = 0;
    const bool hasActive = activeCell(column, row);
    switch (code) {
        case kMenuCopy:
            return ClipboardCopy() != FALSE;
        case kMenuPaste:
            return ClipboardPaste() != FALSE;
        case kMenuInsertRow:
            return hasActive && insertRow(row, false, true);
        case kMenuDeleteRow:
            return hasActive && deleteRow(row);
        case kMenuInsertColumn:
            return hasActive && insertColumn(column, true, true);
        case kMenuDeleteColumn:
            return hasActive && deleteColumn(column);
        case kMenuCheckAll:
            return setAllChecks(true);
        case kMenuUncheckAll:
            return setAllChecks(false);
        default:
            return false;
    }
}

bool Tvx_Spread::insertRow(int row, bool prompt, bool copyNext) {
    return insertLine(true, row, prompt, copyNext);
}

bool Tvx_Spread::insertColumn(int column, bool prompt, bool copyNext) {
    return insertLine(false, column, prompt, copyNext);
}

bool Tvx_Spread::deleteRow(int row) {
    return deleteLine(true, row);
}

bool Tvx_Spread::deleteColumn(int column) {
    return deleteLine(false, column);
}

bool Tvx_Spread::insertLine(bool isRow, int position, bool prompt, bool copyNext) {
    const int count = isRow ? getMaxRows() : getMaxCols();
    if (!created_ || position < 1 || position > count + 1)
        return false;
    if (!(isRow ? SetMaxRows(count + 1) : SetMaxCols(count + 1)))
        return false;
    if (!(isRow ? InsRow(position) : InsCol(position))) {
        isRow ? SetMaxRows(count) : SetMaxCols(count);
        return false;
    }
    applyLineFonts(isRow, position, position);
    SetBool(grid::kOptionRedraw, TRUE);
    const int across = isRow ? getMaxCols() : getMaxRows();
    if (copyNext && position + 1 <= count + 1 && across > 0) {
        if (isRow) {
            CopyRange(1, position + 1, across, position + 1, 1, position);
        } else {
            CopyRange(position + 1, 1, position + 1, across, position, 1);
        }
    }
    if (prompt) {
        Tvx_DlgPromptString dialog(CWnd::FromHandle(dialogWindow_));
        dialog.setCaption(dialString(isRow ? kInsertRowText : kInsertColumnText));
        if (dialog.DoModal() == IDOK)
            SetData(isRow ? 0 : position, isRow ? position : 0, dialog.value());
    }
    return true;
}

bool Tvx_Spread::deleteLine(bool isRow, int position) {
    const int count = isRow ? getMaxRows() : getMaxCols();
    if (!created_ || position < 1 || position > count)
        return false;
    if (!(isRow ? DelRow(position) : DelCol(position)))
        return false;
    return isRow ? SetMaxRows(count - 1) : SetMaxCols(count - 1);
}

bool Tvx_Spread::setAllChecks(bool checked) {
    if (!created_)
        return false;
    bool any = false;
    for (int row = 1; row <= getMaxRows(); ++row) {
        for (int column = 1; column <= getMaxCols(); ++column) {
            if (GetCellType(column, row) == kCheckBoxType) {
                SetValue(column, row, checked ? L"1" : L"0");
                any = true;
            }
        }
    }
    return any;
}

bool Tvx_Spread::linkCheckColumn(int checkColumn, int targetColumn) {
    const int columns = getMaxCols();
    if (!created_ || checkColumn < 1 || checkColumn > columns || targetColumn < 1 ||
        targetColumn > columns)
        return false;
    checkColumn_ = checkColumn;
    checkTargetColumn_ = targetColumn;
    for (int row = 1; row <= getMaxRows(); ++row)
        applyCheckLink(row);
    return true;
}

void Tvx_Spread::applyCheckLink(int row) {
    Tvx_String check;
    GetValue(checkColumn_, row, check);
    SetLock(checkTargetColumn_, row, check.str() == L"0");
}

void Tvx_Spread::onGridNotification(int code, int column, int row) {
    if ((code == grid::kNotifyCheckOn || code == grid::kNotifyCheckOff) && checkColumn_ > 0 &&
        column == checkColumn_ && checkTargetColumn_ <= getMaxCols() && row >= 1 &&
        row <= getMaxRows()) {
        applyCheckLink(row);
        SetActiveCell(checkTargetColumn_, row);
    }
}

LRESULT Tvx_Spread::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const bool userInput = message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK ||
                           message == WM_KEYDOWN || message == WM_CHAR;
    if (!created_ || !userInput || checkColumn_ < 1 || checkColumn_ > getMaxCols())
        return TSpread::WindowProc(message, wParam, lParam);
    Tvx_StringArray before;
    getColumn(checkColumn_, before);
    const LRESULT result = TSpread::WindowProc(message, wParam, lParam);
    Tvx_StringArray after;
    getColumn(checkColumn_, after);
    for (int row = 1; row <= std::min(before.length(), after.length()); ++row) {
        if (before[row - 1] == after[row - 1] || getCellType(checkColumn_, row) != kCheckBoxType)
            continue;
        onGridNotification(
            after[row - 1].str() == L"1" ? grid::kNotifyCheckOn : grid::kNotifyCheckOff,
            checkColumn_, row);
    }
    return result;
}

bool Tvx_Spread::isUserEditableCell(int column, int row) const {
    SS_COORD anchorColumn = column, anchorRow = row, spanColumns = 0, spanRows = 0;
    if (GetCellSpan(column, row, anchorColumn, anchorRow, spanColumns, spanRows) &&
        (anchorColumn != column || anchorRow != row))
        return false;
    BOOL locked = FALSE;
    return GetLock(column, row, locked) && !locked && GetCellType(column, row) != kStaticTextType;
}

bool Tvx_Spread::isGridWindow() const {
    if (!created_ || !IsWindowVisible())
        return false;
    Tvx_String className;
    GetClassName(className);
    return std::any_of(std::begin(kGridClassPrefixes), std::end(kGridClassPrefixes),
                       [&](const wchar_t* prefix) { return className.startsWith(prefix); });
}

int Tvx_Spread::tabKey(bool shift) {
    const int leaving = shift ? kTabLeavesBackward : kTabLeavesForward;
    int column = 0;
    int row = 0;
    if (!isGridWindow() || !activeCell(column, row))
        return leaving;
    const int columns = getMaxCols();
    const int step = shift ? -1 : 1;
    // Cells in reading order, numbered from 0.
    for (int index = (row - 1) * columns + (column - 1) + step;
         index >= 0 && index < columns * getMaxRows(); index += step) {
        const int c = index % columns + 1;
        const int r = index / columns + 1;
        if (isUserEditableCell(c, r)) {
            SetActiveCell(c, r);
            return kTabStays;
        }
    }
    return leaving;
}

bool Tvx_Spread::enterByTab(bool backward) {
    if (!isGridWindow())
        return false;
    const int columns = getMaxCols();
    const int cells = columns * getMaxRows();
    for (int i = 0; i < cells; ++i) {
        const int index = backward ? cells - 1 - i : i;
        const int c = index % columns + 1;
        const int r = index / columns + 1;
        if (isUserEditableCell(c, r))
            return SetActiveCell(c, r) != FALSE;
    }
    return false;
}
