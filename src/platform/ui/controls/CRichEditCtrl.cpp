// Rich edits: the event mask, background colour and default format.
#include "platform/ui/controls/CRichEditCtrl.h"

#include <algorithm>
#include <cwchar>

#include "platform/ui/WindowTree.h"

BOOL CRichEditCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(L"RichEdit20W", L"", style | WS_CHILD, rect, parent, id);
}

DWORD CRichEditCtrl::SetEventMask(DWORD mask) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r)
        return 0;
    const DWORD old = r->control.eventMask;
    r->control.eventMask = mask;
    return old;
}

DWORD CRichEditCtrl::GetEventMask() const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    return r ? r->control.eventMask : 0;
}

COLORREF CRichEditCtrl::SetBackgroundColor(BOOL useSystemColor, COLORREF color) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r)
        return 0;
    const COLORREF old = r->control.background;
    r->control.background = useSystemColor ? 0xFFFFFFFF : color;
    Invalidate();
    return old;
}

Tvx_String CRichEditCtrl::GetSelText() const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r)
        return {};
    const int start = std::min(r->control.selStart, r->control.selEnd);
    const int end = std::max(r->control.selStart, r->control.selEnd);
    return r->text.getSubStringAt(start, end - start);
}

BOOL CRichEditCtrl::SetDefaultCharFormat(const CHARFORMAT& format) {
    if (!ui::findWindow(m_hWnd))
        return FALSE;
    CHARFORMAT& f = defaultFormat_;
    if (format.dwMask & (CFM_BOLD | CFM_ITALIC)) {
        const DWORD bits = format.dwMask & (CFM_BOLD | CFM_ITALIC);
        f.dwEffects = (f.dwEffects & ~bits) | (format.dwEffects & bits);
    }
    if (format.dwMask & CFM_SIZE)
        f.yHeight = format.yHeight;
    if (format.dwMask & CFM_COLOR)
        f.crTextColor = format.crTextColor;
    if (format.dwMask & CFM_FACE)
        std::wcsncpy(f.szFaceName, format.szFaceName, 31);
    f.dwMask |= format.dwMask;
    Invalidate();
    return TRUE;
}

DWORD CRichEditCtrl::GetDefaultCharFormat(CHARFORMAT& format) const {
    format = defaultFormat_;
    return defaultFormat_.dwMask;
}

bool CRichEditCtrl::reportsChanges() const {
    return (GetEventMask() & (ENM_CHANGE | ENM_UPDATE)) != 0;
}
