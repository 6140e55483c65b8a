// CListCtrl: a list view of items (rows) with sub-item texts in report
// columns, images from image lists, selection, focus and optional check boxes
// (LVS_EX_CHECKBOXES).
//
// Every change of an item's state, from code or from the user, is announced to
// the parent with LVN_ITEMCHANGING (a TRUE answer keeps the old state) and
// LVN_ITEMCHANGED, as on the platform; inserting and deleting items send
// LVN_INSERTITEM, LVN_DELETEITEM and LVN_DELETEALLITEMS. The user clicking
// item i focuses the control, makes i the only selected item and the focused
// one, then sends NM_CLICK; a double click also sends NM_DBLCLK; clicking an
// item's check box toggles it (LVN_ITEMCHANGED with the state-image bits).
//
// Bad input: an index outside the items or columns makes each operation fail
// (FALSE, -1, an empty text).
#pragma once

#include "platform/ui/CWnd.h"

class CImageList;

inline constexpr int LVCFMT_LEFT = 0;
inline constexpr int LVCFMT_RIGHT = 1;
inline constexpr int LVCFMT_CENTER = 2;
inline constexpr UINT LVIF_TEXT = 0x0001;
inline constexpr UINT LVIF_IMAGE = 0x0002;
inline constexpr UINT LVIF_PARAM = 0x0004;
inline constexpr UINT LVIF_STATE = 0x0008;
inline constexpr UINT LVIS_FOCUSED = 0x0001;
inline constexpr UINT LVIS_SELECTED = 0x0002;
inline constexpr UINT LVIS_STATEIMAGEMASK = 0xF000;
inline constexpr int LVNI_ALL = 0;
inline constexpr int LVNI_FOCUSED = 1;
inline constexpr int LVNI_SELECTED = 2;
inline constexpr int LVSIL_NORMAL = 0;
inline constexpr int LVSIL_SMALL = 1;
inline constexpr int LVSIL_STATE = 2;
constexpr UINT INDEXTOSTATEIMAGEMASK(UINT i) {
    return i << 12;
}

struct LVITEM {
    UINT mask = 0;
    int iItem = 0;
    int iSubItem = 0;
    UINT state = 0;
    UINT stateMask = 0;
    LPWSTR pszText = nullptr;
    int cchTextMax = 0;
    int iImage = -1;
    LPARAM lParam = 0;
};

struct NMLISTVIEW {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
    UINT uChanged = 0;
    POINT ptAction{};
    LPARAM lParam = 0;
};

struct NMITEMACTIVATE {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
    UINT uChanged = 0;
    POINT ptAction{};
    LPARAM lParam = 0;
    UINT uKeyFlags = 0;
};

// An iteration position over selected items; null at the end.
struct POSITION__;
using POSITION = POSITION__*;

using PFNLVCOMPARE = int (*)(LPARAM, LPARAM, LPARAM);

class CListCtrl : public CWnd {
  public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Returns the new column's index; -1 on failure. A width of -1 takes 60.
    int InsertColumn(int column, const Tvx_String& heading, int format = LVCFMT_LEFT,
                     int width = -1, int subItem = -1);
    BOOL DeleteColumn(int column);
    int GetColumnCount() const;
    int GetColumnWidth(int column) const;
    BOOL SetColumnWidth(int column, int width);
    Tvx_String GetColumnHeading(int column) const;

    int InsertItem(int index, const Tvx_String& text, int image = -1);
    int InsertItem(const LVITEM* item);
    BOOL DeleteItem(int index);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    BOOL SetItemText(int index, int subItem, const Tvx_String& text);
    Tvx_String GetItemText(int index, int subItem) const;
    BOOL SetItemData(int index, DWORD_PTR data);
    DWORD_PTR GetItemData(int index) const;
    BOOL SetItemState(int index, UINT state, UINT mask);
    UINT GetItemState(int index, UINT mask) const;
    // The next item after start (-1: from the first) having the flags
    // (LVNI_SELECTED, LVNI_FOCUSED; LVNI_ALL: any); -1 when none.
    int GetNextItem(int start, int flags) const;
    UINT GetSelectedCount() const;
    POSITION GetFirstSelectedItemPosition() const;
    // The selected item at pos; moves pos to the next one (null at the end).
    int GetNextSelectedItem(POSITION& pos) const;
    BOOL SetCheck(int index, BOOL check = TRUE);
    BOOL GetCheck(int index) const;
    DWORD SetExtendedStyle(DWORD style);
    DWORD GetExtendedStyle() const;
    CImageList* SetImageList(CImageList* images, int kind);
    CImageList* GetImageList(int kind) const;
    BOOL EnsureVisible(int index, BOOL partialOk);
    // Sorts by the items' data with compare(data1, data2, sortData).
    BOOL SortItems(PFNLVCOMPARE compare, DWORD_PTR sortData);

  protected:
    LRESULT classProcedure(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // Applies a state change with the LVN_ITEMCHANGING / CHANGED pair; false
    // when refused or impossible.
    bool changeState(int index, UINT state, UINT mask);
    bool userClicks(int index, bool doubleClick);
};
