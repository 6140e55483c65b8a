// CTabCtrl: a row of tabs, each with a text, an image index and a value.
//
// The user clicking tab i (or pressing Left / Right on the focused control)
// sends TCN_SELCHANGING; when the parent answers TRUE the selection stays,
// otherwise tab i becomes current and TCN_SELCHANGE follows. SetCurSel from
// code sends nothing. Geometry: the tab strip is kTabStripHeight pixels high
// across the top; tab i starts where tab i-1 ends, 2 pixels in, and is 12
// pixels wider than its text at 6 pixels per character (at least 40). The
// display area is the client area below the strip, 4 pixels in from the sides
// and bottom and 2 below the strip.
//
// Bad input: an index outside the tabs makes each operation fail (FALSE, -1).
#pragma once

#include "platform/ui/CWnd.h"

class CImageList;

inline constexpr UINT TCIF_TEXT = 0x0001;
inline constexpr UINT TCIF_IMAGE = 0x0002;
inline constexpr UINT TCIF_PARAM = 0x0008;
inline constexpr UINT TCIF_STATE = 0x0010;

struct TCITEM {
    UINT mask = 0;
    DWORD dwState = 0;
    DWORD dwStateMask = 0;
    LPWSTR pszText = nullptr;  // for GetItem: a buffer of cchTextMax characters
    int cchTextMax = 0;
    int iImage = -1;
    LPARAM lParam = 0;
};

class CTabCtrl : public CWnd {
  public:
    static constexpr int kTabStripHeight = 20;

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Inserts before index (past the end: at the end); returns the new index,
    // -1 on failure.
    LONG InsertItem(int index, const Tvx_String& text, int image = -1);
    LONG InsertItem(int index, const TCITEM* item);
    BOOL DeleteItem(int index);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    int GetCurSel() const;
    // Returns the previously selected tab; -1 for a bad index (no change).
    int SetCurSel(int index);
    int GetCurFocus() const { return GetCurSel(); }
    BOOL GetItem(int index, TCITEM* item) const;
    BOOL SetItem(int index, const TCITEM* item);
    // The text of a tab; empty for a bad index.
    Tvx_String GetItemText(int index) const;
    BOOL GetItemRect(int index, LPRECT rect) const;
    // larger FALSE: the window rectangle becomes the display area; TRUE: the
    // display area becomes the window rectangle.
    void AdjustRect(BOOL larger, LPRECT rect) const;
    CImageList* SetImageList(CImageList* images);
    CImageList* GetImageList() const;

  protected:
    LRESULT classProcedure(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool userSelects(int index);
};
