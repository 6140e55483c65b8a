// List views: columns, items, states and the user's clicks.
#include "platform/ui/controls/CListCtrl.h"

#include <algorithm>

#include "platform/ui/UserInputMessages.h"
#include "platform/ui/WindowTree.h"
#include "platform/ui/controls/CImageList.h"
#include "platform/ui/controls/ListItems.h"

namespace {

constexpr int kDefaultColumnWidth = 60;

UINT stateOf(const ui::ListEntry& e) {
    UINT state = e.state & ~(LVIS_SELECTED | LVIS_STATEIMAGEMASK);
    if (e.selected)
        state |= LVIS_SELECTED;
    state |= INDEXTOSTATEIMAGEMASK(static_cast<UINT>(e.check) + 1);
    return state;
}

void setStateOf(ui::ListEntry& e, UINT state, UINT mask) {
    const UINT next = (stateOf(e) & ~mask) | (state & mask);
    e.selected = (next & LVIS_SELECTED) != 0;
    e.state = next & ~(LVIS_SELECTED | LVIS_STATEIMAGEMASK);
    const UINT image = (next & LVIS_STATEIMAGEMASK) >> 12;
    e.check = image >= 2 ? 1 : 0;
}

}  // namespace

BOOL CListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(L"SysListView32", L"", style | WS_CHILD, rect, parent, id);
}

int CListCtrl::InsertColumn(int column, const Tvx_String& heading, int format, int width, int) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || column < 0)
        return -1;
    auto& columns = r->control.columns;
    column = std::min(column, static_cast<int>(columns.size()));
    columns.insert(columns.begin() + column,
                   ui::ListColumn{heading, format, width < 0 ? kDefaultColumnWidth : width});
    // Sub-item texts follow their column (column 0 is the item text).
    if (column > 0) {
        for (auto& item : r->control.items) {
            if (static_cast<int>(item.subItems.size()) >= column) {
                item.subItems.insert(item.subItems.begin() + (column - 1), Tvx_String());
            }
        }
    }
    Invalidate();
    return column;
}

BOOL CListCtrl::DeleteColumn(int column) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || column < 0 || column >= static_cast<int>(r->control.columns.size()))
        return FALSE;
    r->control.columns.erase(r->control.columns.begin() + column);
    for (auto& item : r->control.items) {
        if (column == 0) {
            item.text = item.subItems.empty() ? Tvx_String() : item.subItems.front();
            if (!item.subItems.empty())
                item.subItems.erase(item.subItems.begin());
        } else if (static_cast<int>(item.subItems.size()) >= column) {
            item.subItems.erase(item.subItems.begin() + (column - 1));
        }
    }
    Invalidate();
    return TRUE;
}

int CListCtrl::GetColumnCount() const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    return r ? static_cast<int>(r->control.columns.size()) : 0;
}

int CListCtrl::GetColumnWidth(int column) const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || column < 0 || column >= static_cast<int>(r->control.columns.size()))
        return 0;
    return r->control.columns[static_cast<size_t>(column)].width;
}

BOOL CListCtrl::SetColumnWidth(int column, int width) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || column < 0 || column >= static_cast<int>(r->control.columns.size()))
        return FALSE;
    r->control.columns[static_cast<size_t>(column)].width = std::max(width, 0);
    Invalidate();
    return TRUE;
}

Tvx_String CListCtrl::GetColumnHeading(int column) const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || column < 0 || column >= static_cast<int>(r->control.columns.size()))
        return {};
    return r->control.columns[static_cast<size_t>(column)].heading;
}

int CListCtrl::InsertItem(int index, const Tvx_String& text, int image) {
    LVITEM item;
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    item.iImage = image;
    return InsertItem(&item);
}

int CListCtrl::InsertItem(const LVITEM* item) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || !item || item->iItem < 0)
        return -1;
    auto& items = r->control.items;
    const Tvx_String text((item->mask & LVIF_TEXT) && item->pszText ? item->pszText : L"");
    const int at = ui::insertAt(items, std::min(item->iItem, static_cast<int>(items.size())), text);
    auto& entry = items[static_cast<size_t>(at)];
    if (item->mask & LVIF_IMAGE)
        entry.image = item->iImage;
    if (item->mask & LVIF_PARAM)
        entry.data = static_cast<DWORD_PTR>(item->lParam);
    if (item->mask & LVIF_STATE)
        setStateOf(entry, item->state, item->stateMask);
    Invalidate();
    NMLISTVIEW info;
    info.iItem = at;
    notifyParent(LVN_INSERTITEM, info.hdr);
    return at;
}

BOOL CListCtrl::DeleteItem(int index) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || !ui::isItemIndex(r->control.items, index))
        return FALSE;
    const HWND self = m_hWnd;
    NMLISTVIEW info;
    info.iItem = index;
    info.lParam = static_cast<LPARAM>(r->control.items[static_cast<size_t>(index)].data);
    notifyParent(LVN_DELETEITEM, info.hdr);
    if (!(r = ui::findWindow(self)) || !ui::isItemIndex(r->control.items, index))
        return FALSE;
    r->control.items.erase(r->control.items.begin() + index);
    ::InvalidateRect(self, nullptr, TRUE);
    return TRUE;
}

BOOL CListCtrl::DeleteAllItems() {
    if (!ui::findWindow(m_hWnd))
        return FALSE;
    const HWND self = m_hWnd;
    NMLISTVIEW info;
    notifyParent(LVN_DELETEALLITEMS, info.hdr);
    ui::WindowRecord* r = ui::findWindow(self);
    if (!r)
        return FALSE;
    r->control.items.clear();
    ::InvalidateRect(self, nullptr, TRUE);
    return TRUE;
}

int CListCtrl::GetItemCount() const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    return r ? static_cast<int>(r->control.items.size()) : 0;
}

BOOL CListCtrl::SetItemText(int index, int subItem, const Tvx_String& text) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || !ui::isItemIndex(r->control.items, index) || subItem < 0)
        return FALSE;
    const int columns = std::max(static_cast<int>(r->control.columns.size()), 1);
    if (subItem >= columns)
        return FALSE;
    auto& item = r->control.items[static_cast<size_t>(index)];
    if (subItem == 0) {
        item.text = text;
    } else {
        if (static_cast<int>(item.subItems.size()) < subItem) {
            item.subItems.resize(static_cast<size_t>(subItem));
        }
        item.subItems[static_cast<size_t>(subItem) - 1] = text;
    }
    Invalidate();
    return TRUE;
}

Tvx_String CListCtrl::GetItemText(int index, int subItem) const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || !ui::isItemIndex(r->control.items, index) || subItem < 0)
        return {};
    const auto& item = r->control.items[static_cast<size_t>(index)];
    if (subItem == 0)
        return item.text;
    if (subItem > static_cast<int>(item.subItems.size()))
        return {};
    return item.subItems[static_cast<size_t>(subItem) - 1];
}

BOOL CListCtrl::SetItemData(int index, DWORD_PTR data) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || !ui::isItemIndex(r->control.items, index))
        return FALSE;
    r->control.items[static_cast<size_t>(index)].data = data;
    return TRUE;
}

DWORD_PTR CListCtrl::GetItemData(int index) const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || !ui::isItemIndex(r->control.items, index))
        return 0;
    return r->control.items[static_cast<size_t>(index)].data;
}

bool CListCtrl::changeState(int index, UINT state, UINT mask) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || !ui::isItemIndex(r->control.items, index))
        return false;
    const HWND self = m_hWnd;
    ui::ListEntry& entry = r->control.items[static_cast<size_t>(index)];
    const UINT oldState = stateOf(entry);
    ui::ListEntry probe = entry;
    setStateOf(probe, state, mask);
    const UINT newState = stateOf(probe);
    if (newState == oldState)
        return true;
    NMLISTVIEW info;
    info.iItem = index;
    info.uNewState = newState;
    info.uOldState = oldState;
    info.uChanged = LVIF_STATE;
    info.lParam = static_cast<LPARAM>(entry.data);
    if (notifyParent(LVN_ITEMCHANGING, info.hdr))
        return false;
    r = ui::findWindow(self);
    if (!r || !ui::isItemIndex(r->control.items, index))
        return false;
    setStateOf(r->control.items[static_cast<size_t>(index)], state, mask);
    ::InvalidateRect(self, nullptr, TRUE);
    NMLISTVIEW changed = info;
    notifyParent(LVN_ITEMCHANGED, changed.hdr);
    return true;
}

BOOL CListCtrl::SetItemState(int index, UINT state, UINT mask) {
    if (index == -1) {
        bool all = true;
        for (int i = 0; i < GetItemCount(); ++i)
            all = changeState(i, state, mask) && all;
        return all ? TRUE : FALSE;
    }
    return changeState(index, state, mask) ? TRUE : FALSE;
}

UINT CListCtrl::GetItemState(int index, UINT mask) const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || !ui::isItemIndex(r->control.items, index))
        return 0;
    return stateOf(r->control.items[static_cast<size_t>(index)]) & mask;
}

int CListCtrl::GetNextItem(int start, int flags) const {
    for (int i = std::max(start + 1, 0); i < GetItemCount(); ++i) {
        const UINT state = GetItemState(i, LVIS_SELECTED | LVIS_FOCUSED);
        if ((flags & LVNI_SELECTED) && !(state & LVIS_SELECTED))
            continue;
        if ((flags & LVNI_FOCUSED) && !(state & LVIS_FOCUSED))
            continue;
        return i;
    }
    return -1;
}

UINT CListCtrl::GetSelectedCount() const {
    UINT n = 0;
    for (int i = 0; i < GetItemCount(); ++i) {
        if (GetItemState(i, LVIS_SELECTED))
            ++n;
    }
    return n;
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const {
    const int first = GetNextItem(-1, LVNI_SELECTED);
    return first < 0 ? nullptr : reinterpret_cast<POSITION>(static_cast<std::uintptr_t>(first) + 1);
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const {
    if (!pos)
        return -1;
    const int index = static_cast<int>(reinterpret_cast<std::uintptr_t>(pos)) - 1;
    const int next = GetNextItem(index, LVNI_SELECTED);
    pos = next < 0 ? nullptr : reinterpret_cast<POSITION>(static_cast<std::uintptr_t>(next) + 1);
    return index;
}

BOOL CListCtrl::SetCheck(int index, BOOL check) {
    return SetItemState(index, INDEXTOSTATEIMAGEMASK(check ? 2 : 1), LVIS_STATEIMAGEMASK);
}

BOOL CListCtrl::GetCheck(int index) const {
    return GetItemState(index, LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2) ? TRUE : FALSE;
}

DWORD CListCtrl::SetExtendedStyle(DWORD style) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r)
        return 0;
    const DWORD old = r->control.extendedStyle;
    r->control.extendedStyle = style;
    Invalidate();
    return old;
}

DWORD CListCtrl::GetExtendedStyle() const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    return r ? r->control.extendedStyle : 0;
}

CImageList* CListCtrl::SetImageList(CImageList* images, int kind) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r)
        return nullptr;
    HIMAGELIST& slot = r->control.imageLists[kind];
    CImageList* old = CImageList::FromHandle(slot);
    slot = images ? images->m_hImageList : nullptr;
    Invalidate();
    return old;
}

CImageList* CListCtrl::GetImageList(int kind) const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r)
        return nullptr;
    auto it = r->control.imageLists.find(kind);
    return it == r->control.imageLists.end() ? nullptr : CImageList::FromHandle(it->second);
}

BOOL CListCtrl::EnsureVisible(int index, BOOL) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || !ui::isItemIndex(r->control.items, index))
        return FALSE;
    r->control.topIndex = std::min(r->control.topIndex, index);
    return TRUE;
}

BOOL CListCtrl::SortItems(PFNLVCOMPARE compare, DWORD_PTR sortData) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || !compare)
        return FALSE;
    std::stable_sort(r->control.items.begin(), r->control.items.end(),
                     [&](const ui::ListEntry& a, const ui::ListEntry& b) {
                         return compare(static_cast<LPARAM>(a.data), static_cast<LPARAM>(b.data),
                                        static_cast<LPARAM>(sortData)) < 0;
                     });
    Invalidate();
    return TRUE;
}

bool CListCtrl::userClicks(int index, bool doubleClick) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || !ui::isItemIndex(r->control.items, index) || (r->style & WS_DISABLED))
        return false;
    const HWND self = m_hWnd;
    ::SetFocus(self);
    for (int i = 0; i < GetItemCount(); ++i) {
        if (i != index)
            changeState(i, 0, LVIS_SELECTED | LVIS_FOCUSED);
    }
    changeState(index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    if (!ui::findWindow(self))
        return false;
    NMITEMACTIVATE click;
    click.iItem = index;
    notifyParent(NM_CLICK, click.hdr);
    if (doubleClick && ui::findWindow(self)) {
        NMITEMACTIVATE twice;
        twice.iItem = index;
        notifyParent(NM_DBLCLK, twice.hdr);
    }
    return true;
}

LRESULT CListCtrl::classProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r)
        return 0;
    const int index = static_cast<int>(wParam);
    switch (message) {
        case ui::UIM_CLICKITEM:
            return userClicks(index, false) ? TRUE : FALSE;
        case ui::UIM_DOUBLECLICKITEM:
            return userClicks(index, true) ? TRUE : FALSE;
        case ui::UIM_TOGGLEITEMCHECK:
            if (!(r->control.extendedStyle & LVS_EX_CHECKBOXES) || (r->style & WS_DISABLED) ||
                !ui::isItemIndex(r->control.items, index)) {
                return FALSE;
            }
            ::SetFocus(m_hWnd);
            return SetCheck(index, !GetCheck(index));
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        default:
            return CWnd::classProcedure(message, wParam, lParam);
    }
}
