// CComboBox: drop-down (CBS_DROPDOWN, an edit with a list), drop-down list
// (CBS_DROPDOWNLIST, a choice among the items only) and simple combo boxes,
// optionally sorted (CBS_SORT, letter case ignored).
//
// The window text is the edit text (drop-down) or the selected item's text
// (drop-down list). Setting the selection from code sets that text and sends
// nothing. Setting the text of a drop-down list selects the item with exactly
// that text (letter case ignored), or fails (CB_ERR) leaving the selection.
//
// The user picking item i from the list sends, in this order: CBN_SETFOCUS
// (when the combo box did not have the focus), CBN_DROPDOWN, then with the
// new selection and text in place CBN_SELENDOK, CBN_CLOSEUP and CBN_SELCHANGE.
// Typing into a drop-down's edit sends CBN_EDITUPDATE and CBN_EDITCHANGE;
// typing a letter into a drop-down list selects the next item beginning with
// it (CBN_SELCHANGE). Up and Down move the selection (CBN_SELCHANGE).
//
// Bad input: an index outside the items makes each operation return CB_ERR.
#pragma once

#include "platform/ui/CWnd.h"

class CComboBox : public CWnd {
  public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int AddString(const Tvx_String& text);
    // -1 inserts at the end; no sorting.
    int InsertString(int index, const Tvx_String& text);
    // The number of items left, or CB_ERR.
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    // -1 clears the selection; an index outside the items clears it and
    // returns CB_ERR.
    int SetCurSel(int index);
    int GetLBText(int index, Tvx_String& text) const;
    int GetLBTextLen(int index) const;
    int FindString(int startAfter, const Tvx_String& prefix) const;
    int FindStringExact(int startAfter, const Tvx_String& text) const;
    // Selects the first item (after startAfter) beginning with prefix; CB_ERR
    // and no change when none.
    int SelectString(int startAfter, const Tvx_String& prefix);
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);
    BOOL SetEditSel(int start, int end);
    DWORD GetEditSel() const;
    BOOL LimitText(int maxChars);
    void ShowDropDown(BOOL show = TRUE);
    BOOL GetDroppedState() const;

  protected:
    LRESULT classProcedure(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void select(int index);
    void showList(bool show);
};
