// The DDX_ exchanges between members and controls.
#include "platform/ui/DataExchange.h"

#include <climits>

#include "platform/core/NumberText.h"
#include "platform/ui/DialogGroups.h"
#include "platform/ui/MessageBox.h"

namespace {

void failWithMessage(CDataExchange* dx, HWND control, const wchar_t* message) {
    MessageBox(dx->m_pDlgWnd ? dx->m_pDlgWnd->m_hWnd : nullptr, message, Tvx_String(),
               MB_OK | MB_ICONEXCLAMATION);
    SetFocus(control);
    dx->Fail();
}

}  // namespace

HWND CDataExchange::PrepareCtrl(int id) {
    if (failed_ || !m_pDlgWnd) {
        failed_ = true;
        return nullptr;
    }
    const HWND control = GetDlgItem(m_pDlgWnd->m_hWnd, id);
    if (!control) failed_ = true;
    return control;
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    const HWND h = dx->PrepareCtrl(id);
    if (!h || control.m_hWnd == h) return;
    if (!control.SubclassWindow(h)) dx->Fail();
}

void DDX_Text(CDataExchange* dx, int id, Tvx_String& value) {
    const HWND h = dx->PrepareCtrl(id);
    if (!h) return;
    if (dx->m_bSaveAndValidate) {
        value = GetWindowString(h);
    } else {
        SetWindowText(h, value);
    }
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
    const HWND h = dx->PrepareCtrl(id);
    if (!h) return;
    if (!dx->m_bSaveAndValidate) {
        SetWindowText(h, Tvx_String(value));
        return;
    }
    double number = 0;
    const std::wstring text = GetWindowString(h).str();
    if (!numtext::parseWholeDouble(text, number) || number != static_cast<long long>(number) ||
        number < INT_MIN || number > INT_MAX ||
        text.find_first_of(L".eE") != std::wstring::npos) {
        failWithMessage(dx, h, L"Please enter an integer.");
        return;
    }
    value = static_cast<int>(number);
}

void DDX_Text(CDataExchange* dx, int id, double& value) {
    const HWND h = dx->PrepareCtrl(id);
    if (!h) return;
    if (!dx->m_bSaveAndValidate) {
        SetWindowText(h, Tvx_String(numtext::formatGeneral(value)));
        return;
    }
    if (!numtext::parseWholeDouble(GetWindowString(h).str(), value)) {
        failWithMessage(dx, h, L"Please enter a number.");
    }
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
    const HWND h = dx->PrepareCtrl(id);
    if (!h) return;
    if (dx->m_bSaveAndValidate) {
        value = static_cast<int>(SendMessage(h, BM_GETCHECK));
    } else {
        SendMessage(h, BM_SETCHECK, static_cast<WPARAM>(value));
    }
}

void DDX_Radio(CDataExchange* dx, int id, int& value) {
    const HWND first = dx->PrepareCtrl(id);
    if (!first) return;
    const std::vector<HWND> group = ui::dialogGroupOf(first);
    int index = 0;
    if (dx->m_bSaveAndValidate) value = -1;
    for (HWND h : group) {
        if ((GetWindowLong(h, GWL_STYLE) & BS_TYPEMASK) != BS_AUTORADIOBUTTON &&
            (GetWindowLong(h, GWL_STYLE) & BS_TYPEMASK) != BS_RADIOBUTTON) {
            continue;
        }
        if (dx->m_bSaveAndValidate) {
            if (SendMessage(h, BM_GETCHECK) == BST_CHECKED) value = index;
        } else {
            SendMessage(h, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED);
        }
        ++index;
    }
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
    const HWND h = dx->PrepareCtrl(id);
    if (!h) return;
    if (dx->m_bSaveAndValidate) {
        index = static_cast<int>(SendMessage(h, CB_GETCURSEL));
    } else {
        SendMessage(h, CB_SETCURSEL, static_cast<WPARAM>(index));
    }
}

void DDX_CBString(CDataExchange* dx, int id, Tvx_String& value) {
    const HWND h = dx->PrepareCtrl(id);
    if (!h) return;
    if (dx->m_bSaveAndValidate) {
        value = GetWindowString(h);
        return;
    }
    if ((GetWindowLong(h, GWL_STYLE) & CBS_TYPEMASK) == CBS_DROPDOWNLIST) {
        SendMessage(h, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                    reinterpret_cast<LPARAM>(value.c_str()));
    } else {
        SetWindowText(h, value);
    }
}

void DDX_LBIndex(CDataExchange* dx, int id, int& index) {
    const HWND h = dx->PrepareCtrl(id);
    if (!h) return;
    if (dx->m_bSaveAndValidate) {
        index = static_cast<int>(SendMessage(h, LB_GETCURSEL));
    } else {
        SendMessage(h, LB_SETCURSEL, static_cast<WPARAM>(index));
    }
}
