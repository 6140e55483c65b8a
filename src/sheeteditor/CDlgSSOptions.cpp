// CDlgSSOptions: counts, header sizes and captions of a sheet.
#include "sheeteditor/CDlgSSOptions.h"

#include <algorithm>
#include <cstdint>

#include "platform/core/NumberedTexts.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/WinConstants.h"
#include "platform/ui/WinMessages.h"

namespace {

constexpr int kCaptionText = 1369;
constexpr int kColumnPreviewText = 1370;
constexpr int kColumnPreviewHintText = 1371;
constexpr int kRowPreviewText = 1372;
constexpr int kColumnsText = 1373;
constexpr int kRowsText = 1374;
constexpr int kHeaderHeightText = 1375;
constexpr int kHeaderWidthText = 1376;
constexpr int kOkText = 1;
constexpr int kCancelText = 2;

void registerOptionsTemplate() {
    static const bool registered = [] {
        using D = CDlgSSOptions;
        ui::DialogTemplate t(D::kTemplateId, 0, 0, 260, 200, L"");
        t.lText(D::kColumnsLabel, L"", 7, 9, 70, 8)
            .editText(D::kColumnsEdit, 80, 7, 40, 13, ES_NUMBER)
            .lText(D::kRowsLabel, L"", 7, 27, 70, 8)
            .editText(D::kRowsEdit, 80, 25, 40, 13, ES_NUMBER)
            .lText(D::kHeaderHeightLabel, L"", 133, 9, 76, 8)
            .editText(D::kHeaderHeightEdit, 213, 7, 40, 13, ES_NUMBER)
            .lText(D::kHeaderWidthLabel, L"", 133, 27, 76, 8)
            .editText(D::kHeaderWidthEdit, 213, 25, 40, 13, ES_NUMBER)
            .lText(D::kColumnPreviewLabel, L"", 7, 46, 120, 18)
            .control(D::kColumnPreview, L"STATIC", L"", WS_VISIBLE, 7, 66, 120, 100)
            .lText(D::kRowPreviewLabel, L"", 133, 46, 120, 8)
            .control(D::kRowPreview, L"STATIC", L"", WS_VISIBLE, 133, 66, 120, 100)
            .defPushButton(IDOK, L"", 149, 176, 50, 14)
            .pushButton(IDCANCEL, L"", 203, 176, 50, 14);
        return ui::registerDialogTemplate(t);
    }();
    (void)registered;
}

}  // namespace

CDlgSSOptions::CDlgSSOptions(Tvx_Spread& sheet, CWnd* parent)
    : CDialog(kTemplateId, parent), sheet_(sheet) {
    registerOptionsTemplate();
    columns_ = std::max(sheet.getMaxCols(), 0);
    rows_ = std::max(sheet.getMaxRows(), 0);
    headerRowHeight_ = std::max(sheet.GetRowHeight(0), 0);
    headerColumnWidth_ = std::max(sheet.GetColWidth(0), 0);
    Tvx_String caption;
    for (int column = 1; column <= columns_; ++column) {
        sheet.getCellText(column, 0, caption, Tvx_Spread::kValueText);
        sheetColumnCaptions_.append(caption);
    }
    for (int row = 1; row <= rows_; ++row) {
        sheet.getCellText(0, row, caption, Tvx_Spread::kValueText);
        sheetRowCaptions_.append(caption);
    }
    editedColumnCaptions_ = sheetColumnCaptions_;
    editedRowCaptions_ = sheetRowCaptions_;
    onCommand(kColumnsEdit, EN_CHANGE, [this] { updatePreview(true); });
    onCommand(kRowsEdit, EN_CHANGE, [this] { updatePreview(false); });
    onCommand(kHeaderHeightEdit, EN_CHANGE, [this] { updateHeaderSizes(); });
    onCommand(kHeaderWidthEdit, EN_CHANGE, [this] { updateHeaderSizes(); });
}

BOOL CDlgSSOptions::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(kCaptionText));
    SetDlgItemText(kColumnPreviewLabel,
                   dialString(kColumnPreviewText) + L"\n" + dialString(kColumnPreviewHintText));
    SetDlgItemText(kRowPreviewLabel, dialString(kRowPreviewText));
    SetDlgItemText(kColumnsLabel, dialString(kColumnsText));
    SetDlgItemText(kRowsLabel, dialString(kRowsText));
    SetDlgItemText(kHeaderHeightLabel, dialString(kHeaderHeightText));
    SetDlgItemText(kHeaderWidthLabel, dialString(kHeaderWidthText));
    SetDlgItemText(IDOK, dialString(kOkText));
    SetDlgItemText(IDCANCEL, dialString(kCancelText));

    columnPreview_.attachToDlgItem(this, kColumnPreview, true);
    rowPreview_.attachToDlgItem(this, kRowPreview, true);
    columnPreview_.applyHouseStyle(1);
    rowPreview_.applyHouseStyle(1);
    columnPreview_.setMaxRows(1);
    rowPreview_.setMaxCols(1);
    SetDlgItemInt(kColumnsEdit, static_cast<UINT>(columns_), FALSE);
    SetDlgItemInt(kRowsEdit, static_cast<UINT>(rows_), FALSE);
    SetDlgItemInt(kHeaderHeightEdit, static_cast<UINT>(headerRowHeight_), FALSE);
    SetDlgItemInt(kHeaderWidthEdit, static_cast<UINT>(headerColumnWidth_), FALSE);
    initialised_ = true;
    updatePreview(true);
    updatePreview(false);
    updateHeaderSizes();
    return TRUE;
}

int CDlgSSOptions::numberIn(int editId) const {
    BOOL translated = FALSE;
    const UINT value = GetDlgItemInt(editId, &translated, FALSE);
    return translated && value <= static_cast<UINT>(INT32_MAX) ? static_cast<int>(value) : 0;
}

void CDlgSSOptions::collectCaptions(bool columns) {
    Tvx_Spread& preview = columns ? columnPreview_ : rowPreview_;
    Tvx_StringArray& edited = columns ? editedColumnCaptions_ : editedRowCaptions_;
    const int shown = columns ? preview.getMaxCols() : preview.getMaxRows();
    if (edited.length() < shown)
        edited.setLogicalLength(shown);
    Tvx_String caption;
    for (int i = 1; i <= shown; ++i) {
        preview.getCellText(columns ? i : 1, columns ? 1 : i, caption, Tvx_Spread::kValueText);
        edited[i - 1] = caption;
    }
}

void CDlgSSOptions::updatePreview(bool columns) {
    if (!initialised_)
        return;
    collectCaptions(columns);
    const int count = numberIn(columns ? kColumnsEdit : kRowsEdit);
    Tvx_Spread& preview = columns ? columnPreview_ : rowPreview_;
    if (!(columns ? preview.setMaxCols(count) : preview.setMaxRows(count)))
        return;
    (columns ? columns_ : rows_) = count;
    const Tvx_StringArray& edited = columns ? editedColumnCaptions_ : editedRowCaptions_;
    const Tvx_StringArray& fromSheet = columns ? sheetColumnCaptions_ : sheetRowCaptions_;
    for (int i = 0; i < count; ++i) {
        const Tvx_String caption = i < edited.length()      ? edited[i]
                                   : i < fromSheet.length() ? fromSheet[i]
                                                            : Tvx_String();
        preview.setCellValueText(columns ? i + 1 : 1, columns ? 1 : i + 1, caption);
    }
}

void CDlgSSOptions::updateHeaderSizes() {
    if (!initialised_)
        return;
    headerRowHeight_ = numberIn(kHeaderHeightEdit);
    headerColumnWidth_ = numberIn(kHeaderWidthEdit);
    columnPreview_.SetRowHeight(0, headerRowHeight_);
    rowPreview_.SetColWidth(0, headerColumnWidth_);
}

void CDlgSSOptions::OnOK() {
    collectCaptions(true);
    collectCaptions(false);
    editedColumnCaptions_.setLogicalLength(columns_);
    editedRowCaptions_.setLogicalLength(rows_);
    CDialog::OnOK();
}

bool sheetOptions(Tvx_Spread& sheet) {
    if (!sheet.isCreated())
        return false;
    CDlgSSOptions dialog(sheet, CWnd::FromHandle(::GetParent(sheet.GetSafeHwnd())));
    if (dialog.DoModal() != IDOK)
        return false;
    sheet.setMaxCols(dialog.columnCount());
    sheet.setMaxRows(dialog.rowCount());
    sheet.SetColWidth(0, dialog.headerColumnWidth());
    sheet.SetRowHeight(0, dialog.headerRowHeight());
    for (int column = 1; column <= dialog.columnCount(); ++column)
        sheet.setCellValueText(column, 0, dialog.columnCaptions()[column - 1]);
    for (int row = 1; row <= dialog.rowCount(); ++row)
        sheet.setCellValueText(0, row, dialog.rowCaptions()[row - 1]);
    sheet.SetBool(grid::kOptionRedraw, TRUE);
    return true;
}
