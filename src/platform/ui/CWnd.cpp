// CWnd's window operations: creation, subclassing, relations, text, state,
// geometry and painting, each on the object's own handle.
#include "platform/ui/CWnd.h"

#include <algorithm>

#include "platform/ui/CFont.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Timers.h"
#include "platform/ui/WindowLifecycle.h"
#include "platform/ui/WindowTree.h"

namespace {

// The screen, for centring windows that have nothing to centre over.
const CRect kScreen(0, 0, 1920, 1080);

}  // namespace

// The special insert-after positions; their handles never name a window.
const CWnd CWnd::wndTop(PseudoTag{}, 0);
const CWnd CWnd::wndBottom(PseudoTag{}, 1);
const CWnd CWnd::wndTopMost(PseudoTag{}, -1);
const CWnd CWnd::wndNoTopMost(PseudoTag{}, -2);

CWnd::CWnd() = default;

CWnd::~CWnd() {
    if (ui::isPseudoHandle(m_hWnd))
        return;
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || r->handler != this)
        return;
    r->handler = nullptr;
    const HWND h = m_hWnd;
    m_hWnd = nullptr;
    if (!r->destroying)
        ::DestroyWindow(h);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id, void* param) {
    CREATESTRUCT create;
    create.lpCreateParams = param;
    create.hwndParent = parent ? parent->m_hWnd : nullptr;
    create.x = rect.left;
    create.y = rect.top;
    create.cx = rect.right - rect.left;
    create.cy = rect.bottom - rect.top;
    create.style = style;
    create.dwExStyle = exStyle;
    create.lpszName = windowName;
    create.lpszClass = className;
    return ui::createWindow(create, static_cast<int>(id), this) ? TRUE : FALSE;
}

BOOL CWnd::Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id, void* param) {
    return CreateEx(0, className, windowName, style, rect, parent, id, param);
}

BOOL CWnd::DestroyWindow() {
    return ::DestroyWindow(m_hWnd);
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    const ui::WindowRecord* r = ui::findWindow(hwnd);
    return r ? r->target() : nullptr;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
    ui::WindowRecord* r = ui::findWindow(hwnd);
    if (m_hWnd || !r || r->destroying || r->handler || r->classObject.get() == this)
        return FALSE;
    r->handler = this;
    m_hWnd = hwnd;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    if (!parent)
        return FALSE;
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || r->handler != this)
        return nullptr;
    r->handler = nullptr;
    const HWND h = m_hWnd;
    m_hWnd = nullptr;
    return h;
}

BOOL CWnd::Attach(HWND hwnd) {
    if (m_hWnd || !ui::findWindow(hwnd))
        return FALSE;
    m_hWnd = hwnd;
    return TRUE;
}

HWND CWnd::Detach() {
    if (ui::WindowRecord* r = ui::findWindow(m_hWnd); r && r->handler == this)
        r->handler = nullptr;
    const HWND h = m_hWnd;
    m_hWnd = nullptr;
    return h;
}

CWnd* CWnd::GetParent() const {
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::SetParent(CWnd* newParent) {
    return FromHandle(::SetParent(m_hWnd, newParent ? newParent->m_hWnd : nullptr));
}

CWnd* CWnd::GetOwner() const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r)
        return nullptr;
    return FromHandle(r->owner ? r->owner : r->parent);
}

void CWnd::SetOwner(CWnd* owner) {
    if (ui::WindowRecord* r = ui::findWindow(m_hWnd)) {
        r->owner = owner ? ::GetTopLevelWindow(owner->m_hWnd) : nullptr;
    }
}

CWnd* CWnd::GetDlgItem(int id) const {
    return FromHandle(::GetDlgItem(m_hWnd, id));
}
int CWnd::GetDlgCtrlID() const {
    return ::GetDlgCtrlID(m_hWnd);
}

int CWnd::SetDlgCtrlID(int id) {
    if (!ui::findWindow(m_hWnd))
        return 0;
    return static_cast<int>(::SetWindowLong(m_hWnd, GWL_ID, id));
}

CWnd* CWnd::GetWindow(UINT cmd) const {
    return FromHandle(::GetWindow(m_hWnd, cmd));
}
CWnd* CWnd::GetTopLevelParent() const {
    return FromHandle(::GetTopLevelWindow(m_hWnd));
}

BOOL CWnd::IsChild(const CWnd* wnd) const {
    return wnd ? ::IsChild(m_hWnd, wnd->m_hWnd) : FALSE;
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* control, BOOL previous) const {
    return FromHandle(::GetNextDlgTabItem(m_hWnd, control ? control->m_hWnd : nullptr, previous));
}

CWnd* CWnd::GetNextDlgGroupItem(CWnd* control, BOOL previous) const {
    return FromHandle(::GetNextDlgGroupItem(m_hWnd, control ? control->m_hWnd : nullptr, previous));
}

CWnd* CWnd::ChildWindowFromPoint(POINT point) const {
    return FromHandle(::ChildWindowFromPoint(m_hWnd, point));
}

int CWnd::GetClassName(Tvx_String& name) const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    name = r ? r->className : Tvx_String();
    return name.length();
}

DWORD CWnd::GetStyle() const {
    return static_cast<DWORD>(::GetWindowLong(m_hWnd, GWL_STYLE));
}
DWORD CWnd::GetExStyle() const {
    return static_cast<DWORD>(::GetWindowLong(m_hWnd, GWL_EXSTYLE));
}

namespace {
BOOL modifyLong(HWND h, int index, DWORD remove, DWORD add, UINT flags) {
    if (!ui::findWindow(h))
        return FALSE;
    const DWORD old = static_cast<DWORD>(::GetWindowLong(h, index));
    const DWORD next = (old & ~remove) | add;
    if (next == old)
        return FALSE;
    ::SetWindowLong(h, index, static_cast<std::intptr_t>(next));
    if (flags) {
        ::SetWindowPos(h, nullptr, 0, 0, 0, 0,
                       flags | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return TRUE;
}
}  // namespace

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) {
    return modifyLong(m_hWnd, GWL_STYLE, remove, add, flags);
}
BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT flags) {
    return modifyLong(m_hWnd, GWL_EXSTYLE, remove, add, flags);
}

void CWnd::SetWindowText(const Tvx_String& text) {
    ::SetWindowText(m_hWnd, text);
}

int CWnd::GetWindowText(Tvx_String& text) const {
    text = ::GetWindowString(m_hWnd);
    return text.length();
}

Tvx_String CWnd::GetWindowString() const {
    return ::GetWindowString(m_hWnd);
}
int CWnd::GetWindowTextLength() const {
    return ::GetWindowTextLength(m_hWnd);
}
void CWnd::SetDlgItemText(int id, const Tvx_String& text) {
    ::SetDlgItemText(m_hWnd, id, text);
}

int CWnd::GetDlgItemText(int id, Tvx_String& text) const {
    text = ::GetDlgItemString(m_hWnd, id);
    return text.length();
}

void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned) {
    ::SetDlgItemInt(m_hWnd, id, value, isSigned);
}

UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const {
    return ::GetDlgItemInt(m_hWnd, id, translated, isSigned);
}

void CWnd::CheckDlgButton(int id, UINT check) {
    ::CheckDlgButton(m_hWnd, id, check);
}
UINT CWnd::IsDlgButtonChecked(int id) const {
    return ::IsDlgButtonChecked(m_hWnd, id);
}

void CWnd::CheckRadioButton(int firstId, int lastId, int checkId) {
    ::CheckRadioButton(m_hWnd, firstId, lastId, checkId);
}

int CWnd::GetCheckedRadioButton(int firstId, int lastId) const {
    for (int id = firstId; id <= lastId; ++id) {
        if (::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED)
            return id;
    }
    return 0;
}

BOOL CWnd::EnableWindow(BOOL enable) {
    return ::EnableWindow(m_hWnd, enable);
}
BOOL CWnd::IsWindowEnabled() const {
    return ::IsWindowEnabled(m_hWnd);
}
BOOL CWnd::ShowWindow(int cmd) {
    return ::ShowWindow(m_hWnd, cmd);
}
BOOL CWnd::IsWindowVisible() const {
    return ::IsWindowVisible(m_hWnd);
}

CWnd* CWnd::SetFocus() {
    if (!ui::findWindow(m_hWnd))
        return nullptr;
    return FromHandle(::SetFocus(m_hWnd));
}

CWnd* CWnd::GetFocus() {
    return FromHandle(::GetFocus());
}
CWnd* CWnd::GetActiveWindow() {
    return FromHandle(::GetActiveWindow());
}
CWnd* CWnd::SetActiveWindow() {
    return FromHandle(::SetActiveWindow(m_hWnd));
}
CWnd* CWnd::SetCapture() {
    return FromHandle(::SetCapture(m_hWnd));
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->m_hObject : nullptr),
                MAKELPARAM(redraw ? 1 : 0, 0));
}

CFont* CWnd::GetFont() const {
    return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
}

void CWnd::SetIcon(HICON icon, BOOL) {
    if (ui::WindowRecord* r = ui::findWindow(m_hWnd))
        r->control.icon = icon;
}

HICON CWnd::GetIcon(BOOL) const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    return r ? r->control.icon : nullptr;
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
    if (!rect)
        return;
    ::MoveWindow(m_hWnd, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
                 repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
    return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : HWND_TOP, x, y, cx, cy,
                          flags);
}

void CWnd::GetWindowRect(LPRECT rect) const {
    ::GetWindowRect(m_hWnd, rect);
}
void CWnd::GetClientRect(LPRECT rect) const {
    ::GetClientRect(m_hWnd, rect);
}
void CWnd::ScreenToClient(LPPOINT point) const {
    ::ScreenToClient(m_hWnd, point);
}
void CWnd::ClientToScreen(LPPOINT point) const {
    ::ClientToScreen(m_hWnd, point);
}

void CWnd::ScreenToClient(LPRECT rect) const {
    if (!rect || !ui::findWindow(m_hWnd))
        return;
    POINT a{rect->left, rect->top}, b{rect->right, rect->bottom};
    ::ScreenToClient(m_hWnd, &a);
    ::ScreenToClient(m_hWnd, &b);
    *rect = RECT{a.x, a.y, b.x, b.y};
}

void CWnd::ClientToScreen(LPRECT rect) const {
    if (!rect || !ui::findWindow(m_hWnd))
        return;
    POINT a{rect->left, rect->top}, b{rect->right, rect->bottom};
    ::ClientToScreen(m_hWnd, &a);
    ::ClientToScreen(m_hWnd, &b);
    *rect = RECT{a.x, a.y, b.x, b.y};
}

void CWnd::CenterWindow(CWnd* alternate) {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r)
        return;
    CRect area = kScreen;
    const CWnd* over = alternate ? alternate : GetOwner();
    if (over && ui::findWindow(over->m_hWnd))
        over->GetWindowRect(&area);
    CRect mine;
    GetWindowRect(&mine);
    POINT topLeft{area.left + (area.Width() - mine.Width()) / 2,
                  area.top + (area.Height() - mine.Height()) / 2};
    if (r->parent)
        ::ScreenToClient(r->parent, &topLeft);
    ::SetWindowPos(m_hWnd, nullptr, topLeft.x, topLeft.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::BringWindowToTop() {
    ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void CWnd::Invalidate(BOOL erase) {
    ::InvalidateRect(m_hWnd, nullptr, erase);
}
void CWnd::InvalidateRect(LPCRECT rect, BOOL erase) {
    ::InvalidateRect(m_hWnd, rect, erase);
}
void CWnd::UpdateWindow() {
    ::UpdateWindow(m_hWnd);
}

BOOL CWnd::RedrawWindow(LPCRECT rect, void* region, UINT flags) {
    return ::RedrawWindow(m_hWnd, rect, region, flags);
}

void CWnd::SetRedraw(BOOL redraw) {
    SendMessage(WM_SETREDRAW, redraw ? TRUE : FALSE);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessage(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendDlgItemMessage(m_hWnd, id, message, wParam, lParam);
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC callback) {
    if (!ui::findWindow(m_hWnd))
        return 0;
    return ::SetTimer(m_hWnd, id, elapse, callback);
}

BOOL CWnd::KillTimer(UINT_PTR id) {
    if (!ui::findWindow(m_hWnd))
        return FALSE;
    return ::KillTimer(m_hWnd, id);
}

int CWnd::MessageBox(const Tvx_String& text, const Tvx_String& caption, UINT type) {
    return ::MessageBox(m_hWnd, text, caption, type);
}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    if (!ui::findWindow(m_hWnd)) return FALSE;
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return dx.failed() ? FALSE : TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}
