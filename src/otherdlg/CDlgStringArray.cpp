// The string-table dialog.
#include "otherdlg/CDlgStringArray.h"

#include <algorithm>

#include "platform/core/NumberedTexts.h"
#include "platform/grid/GridSettings.h"
#include "platform/grid/GridWindow.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/WinConstants.h"
#include "platform/ui/registry/DialogSizes.h"

namespace {

constexpr int kOkText = 1;
constexpr int kCancelText = 2;
constexpr int kAddRowText = 606;
constexpr int kRemoveRowText = 607;
constexpr const wchar_t* kCellFont = L"Tahoma";
constexpr int kEqualColumnsLayout = 1;
constexpr int kEditingStyle = 1;

// Resize flags (VtResizeLayout): the grid pinned and stretched both ways, OK
// and Cancel staying at the left and following the bottom, the row buttons
// following the bottom right corner.
constexpr int kStretch = VtResizeLayout::kKeepNearEdge | VtResizeLayout::kFollowFarEdge;
constexpr int kStay = VtResizeLayout::kKeepSize | VtResizeLayout::kKeepNearEdge;
constexpr int kFollow = VtResizeLayout::kKeepSize | VtResizeLayout::kFollowFarEdge;

}  // namespace

void CDlgStringArray::registerTemplate() {
    ui::DialogTemplate dialog(IDD, 0, 0, 299, 132, L"",
                              DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME);
    dialog.control(kGrid, L"STATIC", L"", SS_LEFT, 7, 7, 285, 98)
        .defPushButton(IDOK, L"", 7, 111, 50, 14)
        .pushButton(IDCANCEL, L"", 61, 111, 50, 14)
        .pushButton(kAddRow, L"", 188, 111, 50, 14)
        .pushButton(kRemoveRow, L"", 242, 111, 50, 14);
    ui::registerDialogTemplate(dialog);
}

CDlgStringArray::CDlgStringArray(CWnd* parent) : CDialog(IDD, parent) {
    registerTemplate();
    onClicked(kAddRow, [this] { addRow(); });
    onClicked(kRemoveRow, [this] { removeRow(); });
}

BOOL CDlgStringArray::OnInitDialog() {
    CDialog::OnInitDialog();
    grid::registerGridWindowClass();
    grid_.attachToDlgItem(this, kGrid, true);

    CRect window;
    GetWindowRect(&window);
    minimumWidth_ = window.Width();
    minimumHeight_ = window.Height();
    layout_.record(GetSafeHwnd());
    layout_.setFlags(kGrid, kStretch, kStretch);
    layout_.setFlags(IDOK, kStay, kFollow);
    layout_.setFlags(IDCANCEL, kStay, kFollow);
    layout_.setFlags(kAddRow, kFollow, kFollow);
    layout_.setFlags(kRemoveRow, kFollow, kFollow);
    ChangeDlgSize(this, sizeKey);

    SetWindowText(title);
    SetDlgItemText(IDOK, dialString(kOkText));
    SetDlgItemText(IDCANCEL, dialString(kCancelText));
    SetDlgItemText(kAddRow, dialString(kAddRowText));
    SetDlgItemText(kRemoveRow, dialString(kRemoveRowText));
    if (!rowsEditable) {
        for (int id : {kAddRow, kRemoveRow}) {
            if (CWnd* button = GetDlgItem(id))
                button->ShowWindow(SW_HIDE);
        }
    }
    fillGrid();
    return TRUE;
}

void CDlgStringArray::fillGrid() {
    grid_.applyHouseStyle(kEditingStyle);
    grid_.setSheetFont(kCellFont, grid_.fontHeight());
    grid_.SetBool(grid::kOptionRowHeaders, rowHeads.isEmpty() ? FALSE : TRUE);
    grid_.setMaxCols(columnHeads.length());
    grid_.setMaxRows(rows.length());
    for (int column = 1; column <= columnHeads.length(); ++column)
        grid_.setCellText(column, 0, columnHeads[column - 1]);
    for (int row = 1; row <= std::min(rowHeads.length(), rows.length()); ++row)
        grid_.setCellText(0, row, rowHeads[row - 1]);
    for (int row = 1; row <= rows.length(); ++row) {
        const Tvx_StringArray& texts = rows[row - 1];
        for (int column = 1; column <= std::min(texts.length(), columnHeads.length()); ++column)
            grid_.setCellText(column, row, texts[column - 1]);
    }
    grid_.setLayout(kEqualColumnsLayout);
}

void CDlgStringArray::activeCell(int& column, int& row) const {
    SS_COORD left = 0, top = 0, right = 0, bottom = 0;
    if (grid_.GetSelectBlock(left, top, right, bottom) && left >= 1 && top >= 1) {
        column = std::min(left, right);
        row = std::min(top, bottom);
        return;
    }
    SS_COORD activeColumn = 0, activeRow = 0;
    if (grid_.getMaxRows() > 0 && grid_.GetActiveCell(activeColumn, activeRow) &&
        activeColumn >= 1 && activeRow >= 1) {
        column = activeColumn;
        row = activeRow;
        return;
    }
    column = 1;
    row = 0;
}

void CDlgStringArray::addRow() {
    int column = 1;
    int row = 0;
    activeCell(column, row);
    const int newRow = row + 1;
    if (!grid_.insertRow(newRow))
        return;
    grid_.SetFocus();
    grid_.SetActiveCell(column, newRow);
}

void CDlgStringArray::removeRow() {
    if (grid_.getMaxRows() <= 0)
        return;
    int column = 1;
    int row = 0;
    activeCell(column, row);
    if (!grid_.deleteRow(std::max(row, 1)))
        return;
    grid_.SetFocus();
    const int rowsLeft = grid_.getMaxRows();
    if (rowsLeft <= 0)
        return;
    const int keptRow = std::min(std::max(row, 1), rowsLeft);
    grid_.SetActiveCell(column, keptRow);
    Tvx_String text;
    grid_.getCellText(column, keptRow, text, Tvx_Spread::kValueText);
    grid_.SetEditMode(TRUE);
    grid_.SetEditSel(text.length(), text.length());
}

void CDlgStringArray::OnOK() {
    // A text still being typed into a cell belongs to the table too.
    grid_.SetEditMode(FALSE);
    rows.removeAll();
    const int columns = grid_.getMaxCols();
    for (int row = 1; row <= grid_.getMaxRows(); ++row) {
        Tvx_StringArray texts;
        for (int column = 1; column <= columns; ++column) {
            Tvx_String text;
            grid_.getCellText(column, row, text, Tvx_Spread::kValueText);
            texts.append(text);
        }
        rows.append(texts);
    }
    CDialog::OnOK();
}

void CDlgStringArray::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    layout_.apply();
}

void CDlgStringArray::OnGetMinMaxInfo(MINMAXINFO* info) {
    info->ptMinTrackSize.x = minimumWidth_;
    info->ptMinTrackSize.y = minimumHeight_;
}

void CDlgStringArray::OnDestroy() {
    WriteDlgSize(this, sizeKey);
    CDialog::OnDestroy();
}
