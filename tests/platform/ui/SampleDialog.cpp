// The sample dialog of the window-system tests.
#include "SampleDialog.h"

#include "platform/ui/CFileDialog.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/CListBox.h"

namespace sample {

void registerTemplate() {
    ui::DialogTemplate t(kTemplate, 0, 0, 220, 180, L"Sample");
    t.lText(IDC_STATIC, L"Name:", 7, 9, 40, 8)
        .editText(kNameEdit, 50, 7, 100, 12)
        .autoCheckBox(kOptionCheck, L"Option", 7, 24, 60, 10)
        .autoRadioButton(kFirstRadio, L"First", 7, 38, 50, 10, WS_GROUP | WS_TABSTOP)
        .autoRadioButton(kSecondRadio, L"Second", 60, 38, 50, 10)
        .autoRadioButton(kThirdRadio, L"Third", 113, 38, 50, 10)
        .comboBox(kKindCombo, 7, 52, 100, 60, CBS_DROPDOWNLIST | WS_GROUP)
        .pushButton(kAskButton, L"Ask", 7, 70, 50, 14)
        .pushButton(kBrowseButton, L"Browse...", 60, 70, 50, 14)
        .editText(kFileEdit, 113, 70, 100, 12, ES_READONLY)
        .listBox(kItemList, 7, 88, 100, 60)
        .pushButton(kDisabledButton, L"Never", 113, 88, 50, 14, WS_DISABLED)
        .defPushButton(IDOK, L"OK", 7, 160, 50, 14)
        .pushButton(IDCANCEL, L"Cancel", 60, 160, 50, 14);
    ui::registerDialogTemplate(t);
}

SampleDialog::SampleDialog(CWnd* parent) : CDialog(kTemplate, parent) {
    onCommand(kNameEdit, EN_CHANGE, [this] { log.push_back(L"name changed"); });
    onCommand(kNameEdit, EN_KILLFOCUS, [this] { log.push_back(L"name left"); });
    onClicked(kOptionCheck, [this] { log.push_back(L"option clicked"); });
    onCommandRange(kFirstRadio, kThirdRadio, BN_CLICKED, [this](UINT id) {
        log.push_back(L"radio " + Tvx_String(static_cast<int>(id - kFirstRadio)));
    });
    onCommand(kKindCombo, CBN_SELCHANGE, [this] {
        Tvx_String kind;
        GetDlgItemText(kKindCombo, kind);
        log.push_back(L"kind " + kind);
    });
    onClicked(kAskButton, [this] { ask(); });
    onClicked(kBrowseButton, [this] { browse(); });
    onCommand(kRenameCommand, 0, [this] {
        data.lastCommand = kRenameCommand;
        log.push_back(L"rename");
    });
    onCommand(kRemoveCommand, 0, [this] {
        data.lastCommand = kRemoveCommand;
        log.push_back(L"remove");
    });
}

BOOL SampleDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(kNameEdit, data.name);
    CheckDlgButton(kOptionCheck, data.option ? BST_CHECKED : BST_UNCHECKED);
    CheckRadioButton(kFirstRadio, kThirdRadio, kFirstRadio + data.radio);
    auto* kinds = static_cast<CComboBox*>(GetDlgItem(kKindCombo));
    for (const wchar_t* kind : {L"Plate", L"Bolt", L"Weld"})
        kinds->AddString(kind);
    kinds->SetCurSel(0);
    auto* items = static_cast<CListBox*>(GetDlgItem(kItemList));
    items->AddString(L"first item");
    items->AddString(L"second item");
    log.clear();
    return TRUE;
}

void SampleDialog::OnOK() {
    GetDlgItemText(kNameEdit, data.name);
    data.option = IsDlgButtonChecked(kOptionCheck) == BST_CHECKED;
    data.radio = GetCheckedRadioButton(kFirstRadio, kThirdRadio) - kFirstRadio;
    GetDlgItemText(kKindCombo, data.kind);
    GetDlgItemText(kFileEdit, data.file);
    CDialog::OnOK();
}

void SampleDialog::ask() {
    const int answer = MessageBox(L"Really?", L"Question", MB_YESNO | MB_ICONQUESTION);
    data.confirmed = answer == IDYES;
    log.push_back(answer == IDYES ? L"asked: yes" : L"asked: no");
}

void SampleDialog::browse() {
    CFileDialog files(TRUE, L"txt", nullptr, OFN_HIDEREADONLY,
                      L"Text files (*.txt)|*.txt|All files (*.*)|*.*||", this);
    files.m_ofn.lpstrTitle = L"Choose a file";
    files.m_ofn.lpstrInitialDir = L"c:\\data";
    if (files.DoModal() == IDOK) {
        SetDlgItemText(kFileEdit, files.GetPathName());
        log.push_back(L"browsed");
    } else {
        log.push_back(L"browse cancelled");
    }
}

void SampleDialog::OnContextMenu(CWnd* wnd, CPoint point) {
    if (!wnd || wnd->GetDlgCtrlID() != kItemList)
        return;
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, kRenameCommand, L"&Rename\tF2");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING | MF_GRAYED, kRemoveCommand, L"Re&move");
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}

}  // namespace sample
