// CWnd's message handling: WindowProc, the standard handlers, the message maps
// (onCommand, onNotify, onMessage) and the system default behaviour.
#include <algorithm>
#include <cwchar>

#include "platform/ui/CWnd.h"
#include "platform/ui/WindowTree.h"

namespace {

CPoint pointOf(LPARAM l) {
    return CPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l));
}
CWnd* wndOf(std::uintptr_t handle) {
    return CWnd::FromHandle(reinterpret_cast<HWND>(handle));
}

}  // namespace

bool CWnd::isClassObject() const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    return r && r->classObject.get() == this;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r)
        return 0;
    CWnd* classObject = r->classObject.get();
    if (classObject && classObject != this)
        return classObject->WindowProc(message, wParam, lParam);
    return classProcedure(message, wParam, lParam);
}

LRESULT CWnd::Default() {
    const ui::WindowTree::Dispatch* d = ui::WindowTree::instance().currentDispatch();
    if (!d || d->hwnd != m_hWnd)
        return 0;
    return DefWindowProc(d->message, d->wParam, d->lParam);
}

LRESULT CWnd::classProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r)
        return 0;
    switch (message) {
        case WM_SETTEXT:
            r->text = Tvx_String(lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"");
            InvalidateRect(nullptr, TRUE);
            return TRUE;
        case WM_GETTEXT: {
            auto* buffer = reinterpret_cast<wchar_t*>(lParam);
            const int capacity = static_cast<int>(wParam);
            if (!buffer || capacity <= 0)
                return 0;
            const int n = std::min(r->text.length(), capacity - 1);
            std::wmemcpy(buffer, r->text.c_str(), static_cast<size_t>(n));
            buffer[n] = L'\0';
            return n;
        }
        case WM_GETTEXTLENGTH:
            return r->text.length();
        case WM_SETFONT:
            r->font = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(static_cast<std::uintptr_t>(lParam)))
                InvalidateRect(nullptr, TRUE);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(r->font);
        case WM_SETREDRAW:
            r->redraw = wParam != 0;
            return 0;
        case WM_CLOSE:
            ::DestroyWindow(m_hWnd);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_CONTEXTMENU:
        case WM_SETCURSOR:
            // A child passes these requests to its parent first.
            if (r->parent)
                return ::SendMessage(r->parent, message, wParam, lParam);
            return 0;
        default:
            return 0;
    }
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    LRESULT r = 0;
    if (auto it = messageHandlers_.find(message); it != messageHandlers_.end()) {
        *result = it->second(wParam, lParam);
        return TRUE;
    }
    switch (message) {
        case WM_COMMAND:
            if (!OnCommand(wParam, lParam))
                return FALSE;
            break;
        case WM_NOTIFY:
            if (!OnNotify(wParam, lParam, &r))
                return FALSE;
            break;
        case WM_CREATE:
            r = OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam));
            break;
        case WM_DESTROY:
            OnDestroy();
            break;
        case WM_NCDESTROY:
            OnNcDestroy();
            break;
        case WM_SIZE:
            OnSize(static_cast<UINT>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
                   HIWORD(static_cast<std::uintptr_t>(lParam)));
            break;
        case WM_MOVE:
            OnMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            break;
        case WM_SIZING:
            OnSizing(static_cast<UINT>(wParam), reinterpret_cast<LPRECT>(lParam));
            r = TRUE;
            break;
        case WM_GETMINMAXINFO:
            OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
            break;
        case WM_TIMER:
            OnTimer(static_cast<UINT_PTR>(wParam));
            break;
        case WM_KEYDOWN:
            OnKeyDown(static_cast<UINT>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
                      HIWORD(static_cast<std::uintptr_t>(lParam)));
            break;
        case WM_KEYUP:
            OnKeyUp(static_cast<UINT>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
                    HIWORD(static_cast<std::uintptr_t>(lParam)));
            break;
        case WM_CHAR:
            OnChar(static_cast<UINT>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
                   HIWORD(static_cast<std::uintptr_t>(lParam)));
            break;
        case WM_LBUTTONDOWN:
            OnLButtonDown(static_cast<UINT>(wParam), pointOf(lParam));
            break;
        case WM_LBUTTONUP:
            OnLButtonUp(static_cast<UINT>(wParam), pointOf(lParam));
            break;
        case WM_LBUTTONDBLCLK:
            OnLButtonDblClk(static_cast<UINT>(wParam), pointOf(lParam));
            break;
        case WM_RBUTTONDOWN:
            OnRButtonDown(static_cast<UINT>(wParam), pointOf(lParam));
            break;
        case WM_RBUTTONUP:
            OnRButtonUp(static_cast<UINT>(wParam), pointOf(lParam));
            break;
        case WM_MOUSEMOVE:
            OnMouseMove(static_cast<UINT>(wParam), pointOf(lParam));
            break;
        case WM_CONTEXTMENU:
            OnContextMenu(wndOf(wParam), pointOf(lParam));
            break;
        case WM_PAINT:
            OnPaint();
            break;
        case WM_ERASEBKGND:
            r = OnEraseBkgnd(reinterpret_cast<CDC*>(wParam));
            break;
        case WM_SETCURSOR:
            r = OnSetCursor(wndOf(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
                            HIWORD(static_cast<std::uintptr_t>(lParam)));
            break;
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
            r = reinterpret_cast<LRESULT>(OnCtlColor(reinterpret_cast<CDC*>(wParam),
                                                     wndOf(static_cast<std::uintptr_t>(lParam)),
                                                     message - WM_CTLCOLORMSGBOX));
            break;
        case WM_CLOSE:
            OnClose();
            break;
        case WM_SHOWWINDOW:
            OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
            break;
        case WM_ENABLE:
            OnEnable(static_cast<BOOL>(wParam));
            break;
        case WM_SETFOCUS:
            OnSetFocus(wndOf(wParam));
            break;
        case WM_KILLFOCUS:
            OnKillFocus(wndOf(wParam));
            break;
        case WM_GETDLGCODE:
            r = OnGetDlgCode();
            break;
        default:
            return FALSE;
    }
    *result = r;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) {
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (auto it = commandHandlers_.find({id, code}); it != commandHandlers_.end()) {
        auto handler = it->second;  // a handler may replace its own entry
        handler();
        return TRUE;
    }
    for (const CommandRange& range : commandRanges_) {
        if (range.code == code && id >= range.first && id <= range.last) {
            auto handler = range.handler;
            handler(id);
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header)
        return FALSE;
    const auto key = std::make_pair(static_cast<UINT>(header->idFrom), header->code);
    if (auto it = notifyHandlers_.find(key); it != notifyHandlers_.end()) {
        auto handler = it->second;
        LRESULT answer = 0;
        handler(reinterpret_cast<NMHDR*>(lParam), &answer);
        if (result)
            *result = answer;
        return TRUE;
    }
    return FALSE;
}

void CWnd::PostNcDestroy() {}

int CWnd::OnCreate(LPCREATESTRUCT) {
    return static_cast<int>(Default());
}
void CWnd::OnDestroy() {
    Default();
}

void CWnd::OnNcDestroy() {
    Default();
    m_hWnd = nullptr;
    PostNcDestroy();
}

void CWnd::OnSize(UINT, int, int) {
    Default();
}
void CWnd::OnMove(int, int) {
    Default();
}
void CWnd::OnSizing(UINT, LPRECT) {
    Default();
}
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) {
    Default();
}
void CWnd::OnTimer(UINT_PTR) {
    Default();
}
void CWnd::OnKeyDown(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnChar(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnLButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint) {
    Default();
}
void CWnd::OnContextMenu(CWnd*, CPoint) {
    Default();
}
void CWnd::OnPaint() {
    Default();
}
BOOL CWnd::OnEraseBkgnd(CDC*) {
    return static_cast<BOOL>(Default());
}
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) {
    return static_cast<BOOL>(Default());
}
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) {
    return reinterpret_cast<HBRUSH>(Default());
}
void CWnd::OnClose() {
    Default();
}
void CWnd::OnShowWindow(BOOL, UINT) {
    Default();
}
void CWnd::OnEnable(BOOL) {
    Default();
}
void CWnd::OnSetFocus(CWnd*) {
    Default();
}
void CWnd::OnKillFocus(CWnd*) {
    Default();
}
UINT CWnd::OnGetDlgCode() {
    return static_cast<UINT>(Default());
}

void CWnd::onCommand(UINT id, UINT code, std::function<void()> handler) {
    commandHandlers_[{id, code}] = std::move(handler);
}

void CWnd::onCommandRange(UINT firstId, UINT lastId, UINT code,
                          std::function<void(UINT id)> handler) {
    commandRanges_.push_back({firstId, lastId, code, std::move(handler)});
}

void CWnd::onNotify(UINT id, UINT code, std::function<void(NMHDR*, LRESULT*)> handler) {
    notifyHandlers_[{id, code}] = std::move(handler);
}

void CWnd::onMessage(UINT message, std::function<LRESULT(WPARAM, LPARAM)> handler) {
    messageHandlers_[message] = std::move(handler);
}

void CWnd::notifyParent(UINT code) const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || !r->parent)
        return;
    ::SendMessage(r->parent, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(r->id), code),
                  reinterpret_cast<LPARAM>(m_hWnd));
}

LRESULT CWnd::notifyParent(UINT code, NMHDR& header) const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || !r->parent)
        return 0;
    header.hwndFrom = m_hWnd;
    header.idFrom = static_cast<UINT_PTR>(r->id);
    header.code = code;
    return ::SendMessage(r->parent, WM_NOTIFY, static_cast<WPARAM>(r->id),
                         reinterpret_cast<LPARAM>(&header));
}
