// CStatic: labels, frames, icons and pictures. With SS_NOTIFY a click sends
// STN_CLICKED (and a double click STN_DBLCLK) to the parent; without it the
// label lets clicks through to what lies beneath.
#pragma once

#include "platform/ui/CWnd.h"

class CStatic : public CWnd {
  public:
    BOOL Create(LPCWSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id = 0xFFFF);
    // Each returns the previous image; null without a window.
    HICON SetIcon(HICON icon);
    HICON GetIcon() const;
    HBITMAP SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const;

  protected:
    LRESULT classProcedure(UINT message, WPARAM wParam, LPARAM lParam) override;
};
