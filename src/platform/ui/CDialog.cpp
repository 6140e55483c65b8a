// Building dialogs from templates, modal and modeless runs, dialog keys.
#include "platform/ui/CDialog.h"

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/DialogWindowClass.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/UserAgent.h"
#include "platform/ui/WindowClassRegistry.h"
#include "platform/ui/WindowLifecycle.h"
#include "platform/ui/WindowTree.h"

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

CDialog::~CDialog() = default;

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    if (m_hWnd)
        return FALSE;
    templateId_ = templateId;
    parent_ = parent;
    modal_ = false;
    ended_ = false;
    result_ = -1;
    return build(parent ? parent->m_hWnd : nullptr, false) ? TRUE : FALSE;
}

bool CDialog::build(HWND parentOrOwner, bool modal) {
    const ui::DialogTemplate* t = ui::findDialogTemplate(static_cast<int>(templateId_));
    if (!t)
        return false;
    const ui::DialogTemplate layout = *t;  // OnInitDialog may register templates
    for (const auto& c : layout.controls) {
        if (!ui::WindowClassRegistry::instance().isRegistered(c.className))
            return false;
    }

    CRect rect = ui::dialogUnitsToPixels(layout.rect);
    const bool child = (layout.style & WS_CHILD) != 0;
    if (!(layout.style & DS_ABSALIGN) && parentOrOwner && !child) {
        POINT origin{0, 0};
        ::ClientToScreen(parentOrOwner, &origin);
        rect.OffsetRect(origin);
    }
    CREATESTRUCT create;
    create.hwndParent = parentOrOwner;
    create.x = rect.left;
    create.y = rect.top;
    create.cx = rect.Width();
    create.cy = rect.Height();
    create.style = layout.style & ~WS_VISIBLE;
    create.dwExStyle = layout.exStyle;
    create.lpszName = layout.caption.c_str();
    create.lpszClass = ui::kDialogClass;
    if (!ui::createWindow(create, 0, this))
        return false;

    HFONT font = ui::defaultDialogFont();
    if (!(layout.fontName.equal(L"MS Shell Dlg", false) && layout.fontPointSize == 8)) {
        templateFont_ = std::make_unique<CFont>();
        templateFont_->CreatePointFont(layout.fontPointSize * 10, layout.fontName.c_str());
        font = templateFont_->m_hObject;
    }
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    for (const auto& c : layout.controls) {
        const CRect pixels = ui::dialogUnitsToPixels(c.rect);
        CREATESTRUCT item;
        item.hwndParent = m_hWnd;
        item.x = pixels.left;
        item.y = pixels.top;
        item.cx = pixels.Width();
        item.cy = pixels.Height();
        item.style = c.style | WS_CHILD;
        item.dwExStyle = c.exStyle;
        item.lpszName = c.text.c_str();
        item.lpszClass = c.className.c_str();
        const HWND h = ui::createWindow(item, c.id, nullptr);
        if (!h) {
            DestroyWindow();
            return false;
        }
        ::SendMessage(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (c.className.equal(L"BUTTON", false) && (c.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            SendMessage(DM_SETDEFID, static_cast<WPARAM>(c.id));
        }
    }
    if (layout.style & DS_CENTER)
        CenterWindow();

    const HWND self = m_hWnd;
    const HWND firstStop = ::GetNextDlgTabItem(self, nullptr, FALSE);
    if (SendMessage(WM_INITDIALOG, reinterpret_cast<WPARAM>(firstStop)) && ::IsWindow(self)) {
        const HWND stop = ::GetNextDlgTabItem(self, nullptr, FALSE);
        if (stop)
            GotoDlgCtrl(CWnd::FromHandle(stop));
    }
    if (!::IsWindow(self))
        return false;
    if (modal || (layout.style & WS_VISIBLE)) {
        if (!(modal && ended_))
            ShowWindow(SW_SHOW);
    }
    return true;
}

INT_PTR CDialog::DoModal() {
    if (m_hWnd)
        return -1;
    HWND owner = parent_ ? parent_->m_hWnd : ::GetActiveWindow();
    owner = ::GetTopLevelWindow(owner);
    const bool disableOwner = owner && ::IsWindowEnabled(owner);
    modal_ = true;
    ended_ = false;
    result_ = -1;
    if (disableOwner)
        ::EnableWindow(owner, FALSE);
    if (build(owner, true)) {
        runModalLoop();
    } else {
        result_ = -1;
    }
    if (disableOwner)
        ::EnableWindow(owner, TRUE);
    if (m_hWnd) {
        ShowWindow(SW_HIDE);
        DestroyWindow();
    }
    if (owner && ::IsWindow(owner))
        ::SetActiveWindow(owner);
    modal_ = false;
    return result_;
}

void CDialog::runModalLoop() {
    const HWND self = m_hWnd;
    ui::UserAgent& user = ui::currentUserAgent();
    bool closedByUser = false;
    while (!ended_ && ::IsWindow(self)) {
        if (ui::pumpMessages() > 0)
            continue;
        if (closedByUser) {
            user.modalDialogForcedToEnd(*this);
            EndDialog(IDCANCEL);
            break;
        }
        if (!user.actOnModalDialog(*this)) {
            closedByUser = true;
            SendMessage(WM_CLOSE);
        }
    }
    ui::pumpMessages();
}

void CDialog::EndDialog(int result) {
    if (!m_hWnd)
        return;
    result_ = result;
    ended_ = true;
    if (!modal_)
        ShowWindow(SW_HIDE);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::MapDialogRect(LPRECT rect) const {
    if (!rect)
        return;
    *rect = ui::dialogUnitsToPixels(CRect(*rect));
}

void CDialog::GotoDlgCtrl(CWnd* control) {
    if (!control || !::IsChild(m_hWnd, control->m_hWnd))
        return;
    ::SetFocus(control->m_hWnd);
    if (::SendMessage(control->m_hWnd, WM_GETDLGCODE) & DLGC_HASSETSEL) {
        ::SendMessage(control->m_hWnd, EM_SETSEL, 0, -1);
    }
}

void CDialog::NextDlgCtrl() const {
    if (HWND next = ::GetNextDlgTabItem(m_hWnd, ::GetFocus(), FALSE)) {
        const_cast<CDialog*>(this)->GotoDlgCtrl(CWnd::FromHandle(next));
    }
}

void CDialog::PrevDlgCtrl() const {
    if (HWND prev = ::GetNextDlgTabItem(m_hWnd, ::GetFocus(), TRUE)) {
        const_cast<CDialog*>(this)->GotoDlgCtrl(CWnd::FromHandle(prev));
    }
}

void CDialog::SetDefID(UINT id) {
    SendMessage(DM_SETDEFID, id);
}

DWORD CDialog::GetDefID() const {
    return static_cast<DWORD>(SendMessage(DM_GETDEFID));
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    if (CWnd::PreTranslateMessage(msg))
        return TRUE;
    return IsDialogMessage(msg);
}

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_INITDIALOG) {
        *result = OnInitDialog();
        return TRUE;
    }
    return CWnd::OnWndMsg(message, wParam, lParam, result);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    if (HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    switch (LOWORD(wParam)) {
        case IDOK:
            OnOK();
            return TRUE;
        case IDCANCEL:
            OnCancel();
            return TRUE;
        default:
            return FALSE;
    }
}
