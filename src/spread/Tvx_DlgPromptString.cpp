// Tvx_DlgPromptString: asks for one text; its template 8069.
#include "spread/Tvx_DlgPromptString.h"

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/WinConstants.h"

namespace {

// Template 8069: the prompt above a one-line edit, OK and Cancel below.
void registerPromptTemplate() {
    static const bool registered = [] {
        ui::DialogTemplate t(Tvx_DlgPromptString::kTemplateId, 0, 0, 220, 70, L"");
        t.lText(Tvx_DlgPromptString::kPromptText, L"", 7, 7, 206, 10)
            .editText(Tvx_DlgPromptString::kValueEdit, 7, 20, 206, 13, ES_AUTOHSCROLL)
            .defPushButton(IDOK, L"Ok", 109, 47, 50, 14)
            .pushButton(IDCANCEL, L"Cancel", 163, 47, 50, 14);
        return ui::registerDialogTemplate(t);
    }();
    (void)registered;
}

}  // namespace

Tvx_DlgPromptString::Tvx_DlgPromptString(CWnd* parent) : CDialog(kTemplateId, parent) {
    registerPromptTemplate();
}

void Tvx_DlgPromptString::setButtonTexts(const Tvx_String& okText, const Tvx_String& cancelText) {
    okText_ = okText;
    cancelText_ = cancelText;
}

BOOL Tvx_DlgPromptString::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(caption_);
    SetDlgItemText(kPromptText, prompt_);
    SetDlgItemText(kValueEdit, value_);
    SetDlgItemText(IDOK, okText_);
    SetDlgItemText(IDCANCEL, cancelText_);
    GotoDlgCtrl(GetDlgItem(kValueEdit));
    return FALSE;  // the focus is set
}

void Tvx_DlgPromptString::OnOK() {
    Tvx_String entered;
    GetDlgItemText(kValueEdit, entered);
    if (refuseEmpty_ && entered.isEmpty()) {
        GotoDlgCtrl(GetDlgItem(kValueEdit));
        return;
    }
    value_ = entered;
    CDialog::OnOK();
}
