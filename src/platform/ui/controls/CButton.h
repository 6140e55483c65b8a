// CButton: push buttons, check boxes (two- and three-state), radio buttons
// (with groups), group boxes, push-like, icon and bitmap buttons.
//
// A click (mouse press and release over the button, BM_CLICK, or Space)
// takes the focus, then, for the automatic kinds, changes the state (check
// box: unchecked <-> checked; three-state: unchecked -> checked -> indeterminate
// -> unchecked; radio button: checked, every other automatic radio button of
// its group unchecked) and sends BN_CLICKED to the parent. Group boxes do not
// react to clicks. Setting the check state from code sends nothing.
#pragma once

#include "platform/ui/CWnd.h"

class CButton : public CWnd {
  public:
    // Creates a button child; FALSE as CWnd::Create.
    BOOL Create(LPCWSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE; 0 without a window.
    int GetCheck() const;
    // A two-state button takes any non-zero state as checked; push buttons
    // keep no check state.
    void SetCheck(int check);
    // BST_PUSHED and BST_FOCUS bits together with the check state.
    UINT GetState() const;
    void SetState(BOOL highlight);
    // The BS_ type bits (BS_TYPEMASK) of the style.
    UINT GetButtonStyle() const;
    // Replaces the type bits, keeping the other style bits.
    void SetButtonStyle(UINT style, BOOL redraw = TRUE);
    HICON SetIcon(HICON icon);
    HICON GetIcon() const;
    HBITMAP SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const;

  protected:
    LRESULT classProcedure(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void click();
};
