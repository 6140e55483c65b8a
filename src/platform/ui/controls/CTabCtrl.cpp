// Tab controls: items, selection, geometry and the user's tab changes.
#include "platform/ui/controls/CTabCtrl.h"

#include <algorithm>
#include <cwchar>

#include "platform/ui/UserInputMessages.h"
#include "platform/ui/WindowTree.h"
#include "platform/ui/controls/CImageList.h"
#include "platform/ui/controls/ListItems.h"

namespace {

constexpr int kImageListKind = 0;

std::vector<ui::ListEntry>* itemsOf(HWND hwnd) {
    ui::WindowRecord* r = ui::findWindow(hwnd);
    return r ? &r->control.items : nullptr;
}

int tabWidth(const Tvx_String& text) {
    return std::max(40, 12 + 6 * text.length());
}

}  // namespace

BOOL CTabCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(L"SysTabControl32", L"", style | WS_CHILD, rect, parent, id);
}

LONG CTabCtrl::InsertItem(int index, const Tvx_String& text, int image) {
    TCITEM item;
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    item.iImage = image;
    return InsertItem(index, &item);
}

LONG CTabCtrl::InsertItem(int index, const TCITEM* item) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || !item || index < 0)
        return -1;
    const Tvx_String text((item->mask & TCIF_TEXT) && item->pszText ? item->pszText : L"");
    const int at = ui::insertAt(r->control.items, std::min(index, GetItemCount()), text);
    auto& entry = r->control.items[static_cast<size_t>(at)];
    if (item->mask & TCIF_IMAGE)
        entry.image = item->iImage;
    if (item->mask & TCIF_PARAM)
        entry.data = static_cast<DWORD_PTR>(item->lParam);
    if (r->control.curSel >= at)
        ++r->control.curSel;
    if (r->control.curSel < 0)
        r->control.curSel = 0;  // the first tab is current
    Invalidate();
    return at;
}

BOOL CTabCtrl::DeleteItem(int index) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || !ui::isItemIndex(r->control.items, index))
        return FALSE;
    r->control.items.erase(r->control.items.begin() + index);
    int& cur = r->control.curSel;
    if (cur == index)
        cur = -1;
    else if (cur > index)
        --cur;
    Invalidate();
    return TRUE;
}

BOOL CTabCtrl::DeleteAllItems() {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r)
        return FALSE;
    r->control.items.clear();
    r->control.curSel = -1;
    Invalidate();
    return TRUE;
}

int CTabCtrl::GetItemCount() const {
    const auto* items = itemsOf(m_hWnd);
    return items ? static_cast<int>(items->size()) : 0;
}

int CTabCtrl::GetCurSel() const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    return r ? r->control.curSel : -1;
}

int CTabCtrl::SetCurSel(int index) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || !ui::isItemIndex(r->control.items, index))
        return -1;
    const int previous = r->control.curSel;
    r->control.curSel = index;
    Invalidate();
    return previous;
}

BOOL CTabCtrl::GetItem(int index, TCITEM* item) const {
    const auto* items = itemsOf(m_hWnd);
    if (!items || !item || !ui::isItemIndex(*items, index))
        return FALSE;
    const auto& entry = (*items)[static_cast<size_t>(index)];
    if ((item->mask & TCIF_TEXT) && item->pszText && item->cchTextMax > 0) {
        const int n = std::min(entry.text.length(), item->cchTextMax - 1);
        std::wmemcpy(item->pszText, entry.text.c_str(), static_cast<size_t>(n));
        item->pszText[n] = L'\0';
    }
    if (item->mask & TCIF_IMAGE)
        item->iImage = entry.image;
    if (item->mask & TCIF_PARAM)
        item->lParam = static_cast<LPARAM>(entry.data);
    return TRUE;
}

BOOL CTabCtrl::SetItem(int index, const TCITEM* item) {
    auto* items = itemsOf(m_hWnd);
    if (!items || !item || !ui::isItemIndex(*items, index))
        return FALSE;
    auto& entry = (*items)[static_cast<size_t>(index)];
    if (item->mask & TCIF_TEXT)
        entry.text = Tvx_String(item->pszText ? item->pszText : L"");
    if (item->mask & TCIF_IMAGE)
        entry.image = item->iImage;
    if (item->mask & TCIF_PARAM)
        entry.data = static_cast<DWORD_PTR>(item->lParam);
    Invalidate();
    return TRUE;
}

Tvx_String CTabCtrl::GetItemText(int index) const {
    const auto* items = itemsOf(m_hWnd);
    if (!items || !ui::isItemIndex(*items, index))
        return {};
    return (*items)[static_cast<size_t>(index)].text;
}

BOOL CTabCtrl::GetItemRect(int index, LPRECT rect) const {
    const auto* items = itemsOf(m_hWnd);
    if (!items || !rect || !ui::isItemIndex(*items, index))
        return FALSE;
    int left = 2;
    for (int i = 0; i < index; ++i)
        left += tabWidth((*items)[static_cast<size_t>(i)].text);
    *rect =
        CRect(left, 2, left + tabWidth((*items)[static_cast<size_t>(index)].text), kTabStripHeight);
    return TRUE;
}

void CTabCtrl::AdjustRect(BOOL larger, LPRECT rect) const {
    if (!rect)
        return;
    CRect r(*rect);
    if (larger) {
        r.InflateRect(4, kTabStripHeight + 2, 4, 4);
    } else {
        r.DeflateRect(4, kTabStripHeight + 2, 4, 4);
    }
    *rect = r;
}

CImageList* CTabCtrl::SetImageList(CImageList* images) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r)
        return nullptr;
    HIMAGELIST& slot = r->control.imageLists[kImageListKind];
    CImageList* old = CImageList::FromHandle(slot);
    slot = images ? images->m_hImageList : nullptr;
    return old;
}

CImageList* CTabCtrl::GetImageList() const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r)
        return nullptr;
    auto it = r->control.imageLists.find(kImageListKind);
    return it == r->control.imageLists.end() ? nullptr : CImageList::FromHandle(it->second);
}

bool CTabCtrl::userSelects(int index) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || !ui::isItemIndex(r->control.items, index) || (r->style & WS_DISABLED))
        return false;
    const HWND self = m_hWnd;
    if (!(r->style & TCS_FOCUSNEVER))
        ::SetFocus(self);
    if (!(r = ui::findWindow(self)) || r->control.curSel == index)
        return r != nullptr;
    NMHDR header;
    if (notifyParent(TCN_SELCHANGING, header))
        return true;  // the parent keeps the tab
    if (!(r = ui::findWindow(self)))
        return false;
    r->control.curSel = index;
    ::InvalidateRect(self, nullptr, TRUE);
    NMHDR changed;
    notifyParent(TCN_SELCHANGE, changed);
    return true;
}

LRESULT CTabCtrl::classProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r)
        return 0;
    switch (message) {
        case ui::UIM_CLICKITEM:
            return userSelects(static_cast<int>(wParam)) ? TRUE : FALSE;
        case WM_KEYDOWN:
            if (wParam == VK_LEFT && r->control.curSel > 0)
                userSelects(r->control.curSel - 1);
            if (wParam == VK_RIGHT)
                userSelects(r->control.curSel + 1);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS;
        default:
            return CWnd::classProcedure(message, wParam, lParam);
    }
}
