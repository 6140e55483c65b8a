// Dialog data exchange: moving values between a dialog's members and its
// controls in DoDataExchange, as UpdateData(FALSE) (members to controls, run
// by CDialog::OnInitDialog) and UpdateData(TRUE) (controls to members, run by
// CDialog::OnOK) ask.
//
// A value that cannot be read (a text that is not a whole number for an int,
// not a number for a double) shows a message box ("Please enter an integer."
// or "Please enter a number.", exclamation icon), gives the control the focus
// and fails the exchange: the later DDX_ calls of the same exchange do nothing
// and UpdateData returns FALSE (so OnOK keeps the dialog open). A control id
// that the dialog lacks fails the exchange the same way, without a message.
#pragma once

#include "platform/core/Tvx_String.h"
#include "platform/ui/CWnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

    // The control of an id; null (and the exchange failed) when missing or
    // when the exchange has failed already.
    HWND PrepareCtrl(int id);
    // Marks the exchange failed.
    void Fail() { failed_ = true; }
    bool failed() const { return failed_; }

private:
    bool failed_ = false;
};

// Makes `control` the object of the dialog's control `id` (subclassing it the
// first time).
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
void DDX_Text(CDataExchange* dx, int id, Tvx_String& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
// Written with up to 15 significant digits; read strictly ('.' decimal point).
void DDX_Text(CDataExchange* dx, int id, double& value);
// BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
void DDX_Check(CDataExchange* dx, int id, int& value);
// The index of the checked radio button in the group that starts at `id`
// (-1 when none is checked).
void DDX_Radio(CDataExchange* dx, int id, int& value);
// The selected item of a combo box (-1 for none).
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
// The text of a combo box; writing selects the first item beginning with the
// text (drop-down lists) or sets the edit text.
void DDX_CBString(CDataExchange* dx, int id, Tvx_String& value);
// The selected item of a single-selection list box (-1 for none).
void DDX_LBIndex(CDataExchange* dx, int id, int& index);
