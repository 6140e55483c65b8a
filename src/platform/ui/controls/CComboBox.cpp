// Combo boxes: items, selection, edit text and the user's picks.
#include "platform/ui/controls/CComboBox.h"

#include <algorithm>
#include <cwchar>

#include "platform/ui/UserInputMessages.h"
#include "platform/ui/WindowTree.h"
#include "platform/ui/controls/ListItems.h"

namespace {

DWORD kindOf(const ui::WindowRecord& r) {
    return r.style & CBS_TYPEMASK;
}
LPARAM textParam(const Tvx_String& text) {
    return reinterpret_cast<LPARAM>(text.c_str());
}
Tvx_String textOf(LPARAM lParam) {
    return Tvx_String(lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"");
}

}  // namespace

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(L"COMBOBOX", L"", style | WS_CHILD, rect, parent, id);
}

int CComboBox::AddString(const Tvx_String& text) {
    return m_hWnd ? static_cast<int>(SendMessage(CB_ADDSTRING, 0, textParam(text))) : CB_ERR;
}

int CComboBox::InsertString(int index, const Tvx_String& text) {
    return m_hWnd ? static_cast<int>(
                        SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index), textParam(text)))
                  : CB_ERR;
}

int CComboBox::DeleteString(UINT index) {
    return m_hWnd ? static_cast<int>(SendMessage(CB_DELETESTRING, index)) : CB_ERR;
}

void CComboBox::ResetContent() {
    SendMessage(CB_RESETCONTENT);
}
int CComboBox::GetCount() const {
    return m_hWnd ? static_cast<int>(SendMessage(CB_GETCOUNT)) : CB_ERR;
}
int CComboBox::GetCurSel() const {
    return m_hWnd ? static_cast<int>(SendMessage(CB_GETCURSEL)) : CB_ERR;
}
int CComboBox::SetCurSel(int index) {
    return m_hWnd ? static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index)))
                  : CB_ERR;
}

int CComboBox::GetLBText(int index, Tvx_String& text) const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || !ui::isItemIndex(r->control.items, index)) {
        text = Tvx_String();
        return CB_ERR;
    }
    text = r->control.items[static_cast<size_t>(index)].text;
    return text.length();
}

int CComboBox::GetLBTextLen(int index) const {
    return m_hWnd ? static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index)))
                  : CB_ERR;
}

int CComboBox::FindString(int startAfter, const Tvx_String& prefix) const {
    return m_hWnd ? static_cast<int>(SendMessage(CB_FINDSTRING, static_cast<WPARAM>(startAfter),
                                                 textParam(prefix)))
                  : CB_ERR;
}

int CComboBox::FindStringExact(int startAfter, const Tvx_String& text) const {
    return m_hWnd ? static_cast<int>(SendMessage(CB_FINDSTRINGEXACT,
                                                 static_cast<WPARAM>(startAfter), textParam(text)))
                  : CB_ERR;
}

int CComboBox::SelectString(int startAfter, const Tvx_String& prefix) {
    return m_hWnd ? static_cast<int>(SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(startAfter),
                                                 textParam(prefix)))
                  : CB_ERR;
}

DWORD_PTR CComboBox::GetItemData(int index) const {
    const LRESULT r = m_hWnd ? SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index)) : CB_ERR;
    return static_cast<DWORD_PTR>(r);
}

int CComboBox::SetItemData(int index, DWORD_PTR data) {
    return m_hWnd ? static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index),
                                                 static_cast<LPARAM>(data)))
                  : CB_ERR;
}

BOOL CComboBox::SetEditSel(int start, int end) {
    if (!m_hWnd)
        return FALSE;
    return SendMessage(CB_SETEDITSEL, 0,
                       MAKELPARAM(static_cast<unsigned>(start), static_cast<unsigned>(end))) ==
                   CB_ERR
               ? FALSE
               : TRUE;
}

DWORD CComboBox::GetEditSel() const {
    return static_cast<DWORD>(SendMessage(CB_GETEDITSEL));
}

BOOL CComboBox::LimitText(int maxChars) {
    return m_hWnd && SendMessage(CB_LIMITTEXT, static_cast<WPARAM>(maxChars)) != CB_ERR;
}

void CComboBox::ShowDropDown(BOOL show) {
    SendMessage(CB_SHOWDROPDOWN, show ? TRUE : FALSE);
}
BOOL CComboBox::GetDroppedState() const {
    return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE));
}

void CComboBox::select(int index) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r)
        return;
    auto& c = r->control;
    c.curSel = ui::isItemIndex(c.items, index) ? index : -1;
    r->text = c.curSel >= 0 ? c.items[static_cast<size_t>(c.curSel)].text : Tvx_String();
    c.selStart = 0;
    c.selEnd = r->text.length();
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CComboBox::showList(bool show) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || kindOf(*r) == CBS_SIMPLE || r->control.dropped == show)
        return;
    r->control.dropped = show;
    notifyParent(show ? CBN_DROPDOWN : CBN_CLOSEUP);
}

LRESULT CComboBox::classProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r)
        return 0;
    auto& c = r->control;
    auto& items = c.items;
    const int index = static_cast<int>(static_cast<std::intptr_t>(wParam));
    const bool list = kindOf(*r) == CBS_DROPDOWNLIST;
    switch (message) {
        case CB_ADDSTRING:
            return (r->style & CBS_SORT) ? ui::insertSorted(items, textOf(lParam))
                                         : ui::insertAt(items, -1, textOf(lParam));
        case CB_INSERTSTRING: {
            if (index > static_cast<int>(items.size()))
                return CB_ERR;
            const int at = ui::insertAt(items, index, textOf(lParam));
            if (at >= 0 && c.curSel >= at)
                ++c.curSel;
            return at < 0 ? CB_ERR : at;
        }
        case CB_DELETESTRING:
            if (!ui::isItemIndex(items, index))
                return CB_ERR;
            items.erase(items.begin() + index);
            if (c.curSel == index) {
                c.curSel = -1;
                if (list)
                    r->text = Tvx_String();
            } else if (c.curSel > index) {
                --c.curSel;
            }
            return static_cast<LRESULT>(items.size());
        case CB_RESETCONTENT:
            items.clear();
            c.curSel = -1;
            r->text = Tvx_String();
            c.selStart = c.selEnd = 0;
            return CB_OKAY;
        case CB_GETCOUNT:
            return static_cast<LRESULT>(items.size());
        case CB_GETCURSEL:
            return c.curSel;
        case CB_SETCURSEL:
            select(index);
            return ui::isItemIndex(items, index) ? index : CB_ERR;
        case CB_GETLBTEXT: {
            if (!ui::isItemIndex(items, index))
                return CB_ERR;
            const Tvx_String& text = items[static_cast<size_t>(index)].text;
            if (lParam) {
                std::wmemcpy(reinterpret_cast<wchar_t*>(lParam), text.c_str(),
                             static_cast<size_t>(text.length()) + 1);
            }
            return text.length();
        }
        case CB_GETLBTEXTLEN:
            return ui::isItemIndex(items, index) ? items[static_cast<size_t>(index)].text.length()
                                                 : CB_ERR;
        case CB_FINDSTRING:
        case CB_FINDSTRINGEXACT:
            return ui::findItem(items, index, textOf(lParam), message == CB_FINDSTRINGEXACT);
        case CB_SELECTSTRING: {
            const int found = ui::findItem(items, index, textOf(lParam), false);
            if (found < 0)
                return CB_ERR;
            select(found);
            return found;
        }
        case CB_GETITEMDATA:
            return ui::isItemIndex(items, index)
                       ? static_cast<LRESULT>(items[static_cast<size_t>(index)].data)
                       : CB_ERR;
        case CB_SETITEMDATA:
            if (!ui::isItemIndex(items, index))
                return CB_ERR;
            items[static_cast<size_t>(index)].data = static_cast<DWORD_PTR>(lParam);
            return CB_OKAY;
        case CB_SETEDITSEL: {
            if (list)
                return CB_ERR;
            const int start = static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lParam)));
            const int end = static_cast<short>(HIWORD(static_cast<std::uintptr_t>(lParam)));
            const int length = r->text.length();
            c.selStart = start < 0 ? length : std::min(start, length);
            c.selEnd = end < 0 ? length : std::min(end, length);
            return TRUE;
        }
        case CB_GETEDITSEL:
            return static_cast<LRESULT>(
                MAKELPARAM(static_cast<unsigned>(c.selStart), static_cast<unsigned>(c.selEnd)));
        case CB_LIMITTEXT:
            if (list)
                return CB_ERR;
            c.textLimit = index;
            return TRUE;
        case CB_SHOWDROPDOWN:
            showList(wParam != 0);
            return TRUE;
        case CB_GETDROPPEDSTATE:
            return c.dropped ? TRUE : FALSE;
        case WM_SETTEXT: {
            const Tvx_String text = textOf(lParam);
            if (list) {
                const int found = ui::findItem(items, -1, text, true);
                if (found < 0)
                    return CB_ERR;
                select(found);
                return TRUE;
            }
            r->text = text;
            c.selStart = c.selEnd = 0;
            ::InvalidateRect(m_hWnd, nullptr, TRUE);
            return TRUE;
        }
        case WM_CHAR: {
            const auto ch = static_cast<wchar_t>(wParam);
            if (list) {
                if (ch < 0x20)
                    return 0;
                const int found = ui::findItem(items, c.curSel, Tvx_String(ch), false);
                if (found >= 0 && found != c.curSel) {
                    select(found);
                    notifyParent(CBN_SELCHANGE);
                }
                return 0;
            }
            Tvx_String text = r->text;
            const int start = std::min(c.selStart, c.selEnd);
            const int end = std::max(c.selStart, c.selEnd);
            if (ch == L'\b') {
                if (start == end && start == 0)
                    return 0;
                text.removeAt(start == end ? start - 1 : start, start == end ? 1 : end - start);
                c.selStart = c.selEnd = start == end ? start - 1 : start;
            } else if (ch >= 0x20) {
                if (c.textLimit > 0 && text.length() - (end - start) + 1 > c.textLimit)
                    return 0;
                text.removeAt(start, end - start);
                text.insertAt(start, Tvx_String(ch));
                c.selStart = c.selEnd = start + 1;
            } else {
                return 0;
            }
            r->text = text;
            ::InvalidateRect(m_hWnd, nullptr, TRUE);
            notifyParent(CBN_EDITUPDATE);
            notifyParent(CBN_EDITCHANGE);
            return 0;
        }
        case WM_KEYDOWN: {
            if (wParam != VK_DOWN && wParam != VK_UP)
                return 0;
            const int next = wParam == VK_DOWN ? c.curSel + 1 : std::max(c.curSel - 1, 0);
            if (!ui::isItemIndex(items, next) || next == c.curSel)
                return 0;
            select(next);
            notifyParent(CBN_SELCHANGE);
            return 0;
        }
        case WM_LBUTTONDOWN:
            ::SetFocus(m_hWnd);
            showList(!c.dropped);
            return 0;
        case ui::UIM_CLICKITEM: {
            if (!ui::isItemIndex(items, index) || (r->style & WS_DISABLED))
                return FALSE;
            const HWND self = m_hWnd;
            ::SetFocus(self);
            showList(true);
            if (!ui::findWindow(self))
                return FALSE;
            select(index);
            notifyParent(CBN_SELENDOK);
            showList(false);
            notifyParent(CBN_SELCHANGE);
            return TRUE;
        }
        case WM_SETFOCUS:
            notifyParent(CBN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS:
            if (c.dropped) {
                c.dropped = false;
                notifyParent(CBN_CLOSEUP);
            }
            notifyParent(CBN_KILLFOCUS);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTCHARS | DLGC_WANTARROWS;
        default:
            return CWnd::classProcedure(message, wParam, lParam);
    }
}
