// CDlgFindReplace: find next, replace and replace all over a grid.
#include "spread/CDlgFindReplace.h"

#include "platform/core/NumberedTexts.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WinConstants.h"
#include "platform/ui/WinMessages.h"
#include "platform/ui/registry/DialogSizes.h"
#include "spread/Tvx_Spread.h"

namespace {

// Numbered texts of the dialog and its messages.
constexpr int kCaptionText = 1136;
constexpr int kFindLabelText = 1137;
constexpr int kReplaceLabelText = 1138;
constexpr int kFindNextText = 1139;
constexpr int kReplaceText = 1140;
constexpr int kReplaceAllText = 1141;
constexpr int kCloseText = 285;
constexpr int kEndReachedText = 1142;
constexpr int kWrapQuestionText = 1143;
constexpr int kWrapCaptionText = 1144;
constexpr int kNotFoundText = 1145;
constexpr int kNotFoundCaptionText = 1146;
constexpr int kReportBeforeText = 1147;
constexpr int kReportAfterText = 1148;
constexpr int kReportCaptionText = 1149;

// Template 218: two labelled edits, four buttons on the right.
void registerFindReplaceTemplate() {
    static const bool registered = [] {
        ui::DialogTemplate t(CDlgFindReplace::kTemplateId, 0, 0, 240, 80, L"",
                             WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, WS_EX_TOPMOST);
        t.lText(CDlgFindReplace::kFindLabel, L"", 7, 9, 50, 8)
            .editText(CDlgFindReplace::kFindEdit, 60, 7, 110, 13, ES_AUTOHSCROLL)
            .lText(CDlgFindReplace::kReplaceLabel, L"", 7, 27, 50, 8)
            .editText(CDlgFindReplace::kReplaceEdit, 60, 25, 110, 13, ES_AUTOHSCROLL)
            .defPushButton(IDOK, L"", 178, 7, 55, 14)
            .pushButton(CDlgFindReplace::kReplaceButton, L"", 178, 24, 55, 14)
            .pushButton(CDlgFindReplace::kReplaceAllButton, L"", 178, 41, 55, 14)
            .pushButton(IDCANCEL, L"", 178, 58, 55, 14);
        return ui::registerDialogTemplate(t);
    }();
    (void)registered;
}

}  // namespace

CDlgFindReplace::CDlgFindReplace(Tvx_Spread& sheet) : sheet_(sheet) {
    registerFindReplaceTemplate();
    onClicked(kReplaceButton, [this] { replace(); });
    onClicked(kReplaceAllButton, [this] { replaceAll(); });
}

CDlgFindReplace::~CDlgFindReplace() = default;

bool CDlgFindReplace::open() {
    if (!Create(kTemplateId, CWnd::FromHandle(::GetParent(sheet_.GetSafeHwnd()))))
        return false;
    ShowWindow(SW_SHOW);
    return true;
}

BOOL CDlgFindReplace::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(kCaptionText));
    SetDlgItemText(kFindLabel, dialString(kFindLabelText));
    SetDlgItemText(kReplaceLabel, dialString(kReplaceLabelText));
    SetDlgItemText(IDOK, dialString(kFindNextText));
    SetDlgItemText(kReplaceButton, dialString(kReplaceText));
    SetDlgItemText(kReplaceAllButton, dialString(kReplaceAllText));
    SetDlgItemText(IDCANCEL, dialString(kCloseText));
    SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    editingOptionWasOn_ = sheet_.GetBool(grid::kOptionEditModePermanent) != FALSE;
    sheet_.SetBool(grid::kOptionEditModePermanent, TRUE);
    sheet_.SetBool(grid::kOptionArrowsExitEditMode, FALSE);

    CRect rect;
    GetWindowRect(&rect);
    minimumSize_ = rect.Size();
    layout_.record(m_hWnd);
    const int keepBoth = VtResizeLayout::kKeepNearEdge | VtResizeLayout::kKeepSize;
    const int withRightEdge = VtResizeLayout::kKeepSize | VtResizeLayout::kFollowFarEdge;
    layout_.setFlagsForAll(keepBoth, keepBoth);
    layout_.setFlags(kFindEdit, VtResizeLayout::kKeepNearEdge | VtResizeLayout::kFollowFarEdge,
                     keepBoth);
    layout_.setFlags(kReplaceEdit, VtResizeLayout::kKeepNearEdge | VtResizeLayout::kFollowFarEdge,
                     keepBoth);
    for (int button : {IDOK, kReplaceButton, kReplaceAllButton, IDCANCEL})
        layout_.setFlags(button, withRightEdge, keepBoth);
    ChangeDlgSize(this, kSizeKey);
    return TRUE;
}

Tvx_String CDlgFindReplace::itemText(int id) const {
    Tvx_String text;
    GetDlgItemText(id, text);
    return text;
}

bool CDlgFindReplace::findNext(bool askWrap) {
    const Tvx_String text = itemText(kFindEdit);
    if (text.isEmpty())
        return false;
    sheet_.SetFocus();
    // More of the text in the cell being edited, after the selection.
    int start = 0;
    int end = 0;
    if (sheet_.GetEditMode() && sheet_.GetEditSel(start, end)) {
        Tvx_String editText;
        sheet_.GetEditText(editText);
        int pos = 0;
        if (editText.findFirstFrom(end, text, false, pos)) {
            sheet_.SetEditSel(pos, pos + text.length());
            return true;
        }
    }
    if (sheet_.findNext(text, true))
        return true;
    if (!askWrap)
        return false;
    const Tvx_String question =
        dialString(kEndReachedText) + L"\n" + dialString(kWrapQuestionText) + L"\n";
    if (MessageBox(question, dialString(kWrapCaptionText), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    if (sheet_.findFrom(text, true, 1, 1))
        return true;
    MessageBox(dialString(kNotFoundText), dialString(kNotFoundCaptionText),
               MB_OK | MB_ICONINFORMATION);
    return false;
}

bool CDlgFindReplace::replace() {
    if (!findNext(true))
        return false;
    if (!sheet_.replaceSelection(itemText(kReplaceEdit)))
        return false;
    sheet_.SetBool(grid::kOptionRedraw, TRUE);
    return true;
}

int CDlgFindReplace::replaceAll() {
    const Tvx_String text = itemText(kFindEdit);
    if (text.isEmpty())
        return 0;
    const Tvx_String replacement = itemText(kReplaceEdit);
    sheet_.SetEditMode(FALSE);
    int cells = 0;
    for (int row = 1; row <= sheet_.getMaxRows(); ++row) {
        for (int column = sheet_.findInRow(text, true, row, 1); column > 0;
             column = sheet_.findInRow(text, true, row, column + 1)) {
            if (sheet_.replaceInCell(column, row, text, replacement) > 0)
                ++cells;
        }
    }
    sheet_.SetBool(grid::kOptionRedraw, TRUE);
    MessageBox(dialString(kReportBeforeText) + L" " + Tvx_String(cells) + L" " +
                   dialString(kReportAfterText),
               dialString(kReportCaptionText), MB_OK | MB_ICONINFORMATION);
    return cells;
}

void CDlgFindReplace::OnOK() {
    findNext(true);
}

void CDlgFindReplace::OnCancel() {
    WriteDlgSize(this, kSizeKey);
    if (!editingOptionWasOn_)
        sheet_.SetBool(grid::kOptionEditModePermanent, FALSE);
    sheet_.closeFindReplace();
}

BOOL CDlgFindReplace::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_F3) {
        findNext(true);
        return TRUE;
    }
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_F5) {
        replace();
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

void CDlgFindReplace::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    layout_.apply();
}

void CDlgFindReplace::OnGetMinMaxInfo(MINMAXINFO* info) {
    CDialog::OnGetMinMaxInfo(info);
    if (minimumSize_.cx > 0) {
        info->ptMinTrackSize.x = minimumSize_.cx;
        info->ptMinTrackSize.y = minimumSize_.cy;
    }
}
