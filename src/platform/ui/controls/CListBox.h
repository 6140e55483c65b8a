// CListBox: single-selection, multiple-selection (LBS_MULTIPLESEL,
// LBS_EXTENDEDSEL) and sorted (LBS_SORT, letter case ignored) list boxes.
// An owner-drawn list box (LBS_OWNERDRAWFIXED / LBS_OWNERDRAWVARIABLE) can
// carry check boxes, which CCheckListBox reads and sets.
//
// The user clicking item i gives it the focus and, for a single-selection
// list, selects it (for a multiple-selection list, toggles it); then with
// LBS_NOTIFY LBN_SELCHANGE is sent, when the selection changed. A double click
// sends LBN_DBLCLK (with LBS_NOTIFY). Clicking the check box of an item of a
// check-list box toggles the check (unchecked/checked, or through
// indeterminate for three-state check styles) and sends CLBN_CHKCHANGE;
// disabled items cannot be toggled. Selections set from code send nothing.
//
// Bad input: an index outside the items makes each operation return LB_ERR.
#pragma once

#include "platform/ui/CWnd.h"

class CListBox : public CWnd {
  public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int AddString(const Tvx_String& text);
    int InsertString(int index, const Tvx_String& text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    // Single-selection lists: the selected item, LB_ERR when none. Multiple-
    // selection lists: the focus item.
    int GetCurSel() const;
    // Single-selection lists only (LB_ERR for the others); -1 clears.
    int SetCurSel(int index);
    // Multiple-selection lists: select or deselect one item, all with -1.
    int SetSel(int index, BOOL select = TRUE);
    // Positive when selected, 0 when not, LB_ERR for a bad index.
    int GetSel(int index) const;
    int GetSelCount() const;
    // Writes up to maxItems selected indices; returns how many.
    int GetSelItems(int maxItems, int* indices) const;
    int GetText(int index, Tvx_String& text) const;
    int GetTextLen(int index) const;
    int FindString(int startAfter, const Tvx_String& prefix) const;
    int FindStringExact(int startAfter, const Tvx_String& text) const;
    int SelectString(int startAfter, const Tvx_String& prefix);
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);
    int GetTopIndex() const;
    int SetTopIndex(int index);

  protected:
    LRESULT classProcedure(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool isMultiple() const;
};
