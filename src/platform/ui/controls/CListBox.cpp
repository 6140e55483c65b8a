// List boxes: items, single and multiple selection, check marks and the
// user's clicks.
#include "platform/ui/controls/CListBox.h"

#include <algorithm>
#include <cwchar>

#include "platform/ui/UserInputMessages.h"
#include "platform/ui/WindowTree.h"
#include "platform/ui/controls/CCheckListBox.h"
#include "platform/ui/controls/ListItems.h"

namespace {

LPARAM textParam(const Tvx_String& text) {
    return reinterpret_cast<LPARAM>(text.c_str());
}
Tvx_String textOf(LPARAM lParam) {
    return Tvx_String(lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"");
}
bool multipleStyle(DWORD style) {
    return (style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}
bool ownerDrawn(DWORD style) {
    return (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

}  // namespace

BOOL CListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(L"LISTBOX", L"", style | WS_CHILD, rect, parent, id);
}

bool CListBox::isMultiple() const {
    return multipleStyle(GetStyle());
}

int CListBox::AddString(const Tvx_String& text) {
    return m_hWnd ? static_cast<int>(SendMessage(LB_ADDSTRING, 0, textParam(text))) : LB_ERR;
}
int CListBox::InsertString(int index, const Tvx_String& text) {
    return m_hWnd ? static_cast<int>(
                        SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index), textParam(text)))
                  : LB_ERR;
}
int CListBox::DeleteString(UINT index) {
    return m_hWnd ? static_cast<int>(SendMessage(LB_DELETESTRING, index)) : LB_ERR;
}
void CListBox::ResetContent() {
    SendMessage(LB_RESETCONTENT);
}
int CListBox::GetCount() const {
    return m_hWnd ? static_cast<int>(SendMessage(LB_GETCOUNT)) : LB_ERR;
}
int CListBox::GetCurSel() const {
    return m_hWnd ? static_cast<int>(SendMessage(LB_GETCURSEL)) : LB_ERR;
}
int CListBox::SetCurSel(int index) {
    return m_hWnd ? static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index)))
                  : LB_ERR;
}
int CListBox::SetSel(int index, BOOL select) {
    return m_hWnd ? static_cast<int>(
                        SendMessage(LB_SETSEL, select ? TRUE : FALSE, static_cast<LPARAM>(index)))
                  : LB_ERR;
}
int CListBox::GetSel(int index) const {
    return m_hWnd ? static_cast<int>(SendMessage(LB_GETSEL, static_cast<WPARAM>(index))) : LB_ERR;
}
int CListBox::GetSelCount() const {
    return m_hWnd ? static_cast<int>(SendMessage(LB_GETSELCOUNT)) : LB_ERR;
}
int CListBox::GetSelItems(int maxItems, int* indices) const {
    return m_hWnd ? static_cast<int>(SendMessage(LB_GETSELITEMS, static_cast<WPARAM>(maxItems),
                                                 reinterpret_cast<LPARAM>(indices)))
                  : LB_ERR;
}

int CListBox::GetText(int index, Tvx_String& text) const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || !ui::isItemIndex(r->control.items, index)) {
        text = Tvx_String();
        return LB_ERR;
    }
    text = r->control.items[static_cast<size_t>(index)].text;
    return text.length();
}

int CListBox::GetTextLen(int index) const {
    return m_hWnd ? static_cast<int>(SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index)))
                  : LB_ERR;
}
int CListBox::FindString(int startAfter, const Tvx_String& prefix) const {
    return m_hWnd ? static_cast<int>(SendMessage(LB_FINDSTRING, static_cast<WPARAM>(startAfter),
                                                 textParam(prefix)))
                  : LB_ERR;
}
int CListBox::FindStringExact(int startAfter, const Tvx_String& text) const {
    return m_hWnd ? static_cast<int>(SendMessage(LB_FINDSTRINGEXACT,
                                                 static_cast<WPARAM>(startAfter), textParam(text)))
                  : LB_ERR;
}
int CListBox::SelectString(int startAfter, const Tvx_String& prefix) {
    return m_hWnd ? static_cast<int>(SendMessage(LB_SELECTSTRING, static_cast<WPARAM>(startAfter),
                                                 textParam(prefix)))
                  : LB_ERR;
}
DWORD_PTR CListBox::GetItemData(int index) const {
    return static_cast<DWORD_PTR>(m_hWnd ? SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index))
                                         : LB_ERR);
}
int CListBox::SetItemData(int index, DWORD_PTR data) {
    return m_hWnd ? static_cast<int>(SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index),
                                                 static_cast<LPARAM>(data)))
                  : LB_ERR;
}
int CListBox::GetTopIndex() const {
    return m_hWnd ? static_cast<int>(SendMessage(LB_GETTOPINDEX)) : LB_ERR;
}
int CListBox::SetTopIndex(int index) {
    return m_hWnd ? static_cast<int>(SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(index)))
                  : LB_ERR;
}

LRESULT CListBox::classProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r)
        return 0;
    auto& c = r->control;
    auto& items = c.items;
    const int index = static_cast<int>(static_cast<std::intptr_t>(wParam));
    const bool multiple = multipleStyle(r->style);
    const bool notify = (r->style & LBS_NOTIFY) != 0;
    switch (message) {
        case LB_ADDSTRING:
            return (r->style & LBS_SORT) ? ui::insertSorted(items, textOf(lParam))
                                         : ui::insertAt(items, -1, textOf(lParam));
        case LB_INSERTSTRING: {
            if (index > static_cast<int>(items.size()))
                return LB_ERR;
            const int at = ui::insertAt(items, index, textOf(lParam));
            if (at < 0)
                return LB_ERR;
            if (c.curSel >= at)
                ++c.curSel;
            if (c.caretIndex >= at)
                ++c.caretIndex;
            return at;
        }
        case LB_DELETESTRING:
            if (!ui::isItemIndex(items, index))
                return LB_ERR;
            items.erase(items.begin() + index);
            if (c.curSel == index)
                c.curSel = -1;
            else if (c.curSel > index)
                --c.curSel;
            if (c.caretIndex == index)
                c.caretIndex = -1;
            else if (c.caretIndex > index)
                --c.caretIndex;
            return static_cast<LRESULT>(items.size());
        case LB_RESETCONTENT:
            items.clear();
            c.curSel = c.caretIndex = -1;
            c.topIndex = 0;
            return LB_OKAY;
        case LB_GETCOUNT:
            return static_cast<LRESULT>(items.size());
        case LB_GETCURSEL:
            if (multiple)
                return c.caretIndex;
            return c.curSel;
        case LB_SETCURSEL:
            if (multiple)
                return LB_ERR;
            c.curSel = ui::isItemIndex(items, index) ? index : -1;
            c.caretIndex = c.curSel;
            ::InvalidateRect(m_hWnd, nullptr, TRUE);
            return (c.curSel < 0 && index != -1) ? LB_ERR : c.curSel;
        case LB_SETSEL: {
            const int item = static_cast<int>(lParam);
            if (!multiple)
                return LB_ERR;
            if (item == -1) {
                for (auto& e : items)
                    e.selected = wParam != 0;
            } else if (ui::isItemIndex(items, item)) {
                items[static_cast<size_t>(item)].selected = wParam != 0;
                c.caretIndex = item;
            } else {
                return LB_ERR;
            }
            ::InvalidateRect(m_hWnd, nullptr, TRUE);
            return LB_OKAY;
        }
        case LB_GETSEL:
            if (!ui::isItemIndex(items, index))
                return LB_ERR;
            return multiple ? (items[static_cast<size_t>(index)].selected ? 1 : 0)
                            : (c.curSel == index ? 1 : 0);
        case LB_GETSELCOUNT:
            if (!multiple)
                return LB_ERR;
            return std::count_if(items.begin(), items.end(),
                                 [](const ui::ListEntry& e) { return e.selected; });
        case LB_GETSELITEMS: {
            if (!multiple)
                return LB_ERR;
            auto* out = reinterpret_cast<int*>(lParam);
            int n = 0;
            for (int i = 0; i < static_cast<int>(items.size()) && n < index; ++i) {
                if (items[static_cast<size_t>(i)].selected) {
                    if (out)
                        out[n] = i;
                    ++n;
                }
            }
            return n;
        }
        case LB_GETTEXT: {
            if (!ui::isItemIndex(items, index))
                return LB_ERR;
            const Tvx_String& text = items[static_cast<size_t>(index)].text;
            if (lParam) {
                std::wmemcpy(reinterpret_cast<wchar_t*>(lParam), text.c_str(),
                             static_cast<size_t>(text.length()) + 1);
            }
            return text.length();
        }
        case LB_GETTEXTLEN:
            return ui::isItemIndex(items, index) ? items[static_cast<size_t>(index)].text.length()
                                                 : LB_ERR;
        case LB_FINDSTRING:
        case LB_FINDSTRINGEXACT:
            return ui::findItem(items, index, textOf(lParam), message == LB_FINDSTRINGEXACT);
        case LB_SELECTSTRING: {
            if (multiple)
                return LB_ERR;
            const int found = ui::findItem(items, index, textOf(lParam), false);
            if (found < 0)
                return LB_ERR;
            c.curSel = c.caretIndex = found;
            return found;
        }
        case LB_GETITEMDATA:
            return ui::isItemIndex(items, index)
                       ? static_cast<LRESULT>(items[static_cast<size_t>(index)].data)
                       : LB_ERR;
        case LB_SETITEMDATA:
            if (!ui::isItemIndex(items, index))
                return LB_ERR;
            items[static_cast<size_t>(index)].data = static_cast<DWORD_PTR>(lParam);
            return LB_OKAY;
        case LB_GETTOPINDEX:
            return c.topIndex;
        case LB_SETTOPINDEX:
            if (!ui::isItemIndex(items, index))
                return LB_ERR;
            c.topIndex = index;
            return LB_OKAY;
        case ui::UIM_CLICKITEM: {
            if (!ui::isItemIndex(items, index) || (r->style & WS_DISABLED) ||
                (r->style & LBS_NOSEL)) {
                return FALSE;
            }
            const HWND self = m_hWnd;
            ::SetFocus(self);
            if (!(r = ui::findWindow(self)))
                return FALSE;
            bool changed = true;
            if (multiple) {
                auto& item = r->control.items[static_cast<size_t>(index)];
                item.selected = !item.selected;
                r->control.caretIndex = index;
            } else {
                changed = r->control.curSel != index;
                r->control.curSel = r->control.caretIndex = index;
            }
            ::InvalidateRect(self, nullptr, TRUE);
            if (notify && changed)
                notifyParent(LBN_SELCHANGE);
            return TRUE;
        }
        case ui::UIM_DOUBLECLICKITEM:
            if (!classProcedure(ui::UIM_CLICKITEM, wParam, lParam))
                return FALSE;
            if (notify)
                notifyParent(LBN_DBLCLK);
            return TRUE;
        case ui::UIM_TOGGLEITEMCHECK: {
            if (!ownerDrawn(r->style) || !ui::isItemIndex(items, index) ||
                (r->style & WS_DISABLED) || !items[static_cast<size_t>(index)].enabled) {
                return FALSE;
            }
            const HWND self = m_hWnd;
            ::SetFocus(self);
            if (!(r = ui::findWindow(self)))
                return FALSE;
            auto& item = r->control.items[static_cast<size_t>(index)];
            const bool threeState = r->control.check == kCheckStyleThreeState;
            item.check = threeState ? (item.check + 1) % 3 : (item.check ? 0 : 1);
            ::InvalidateRect(self, nullptr, TRUE);
            notifyParent(CLBN_CHKCHANGE);
            return TRUE;
        }
        case WM_SETFOCUS:
            notifyParent(LBN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS:
            notifyParent(LBN_KILLFOCUS);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        default:
            return CWnd::classProcedure(message, wParam, lParam);
    }
}
