// A grid window (of the registered class) inside a plain parent window, for
// the tests that drive the grid through its window handle.
#pragma once

#include "platform/grid/GridWindow.h"

namespace grid {

inline HWND createGrid(CWnd& parent) {
    parent.CreateEx(0, nullptr, L"parent", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr,
                    0);
    return CreateWindowEx(0, kGridWindowClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200,
                          parent.m_hWnd, reinterpret_cast<HMENU>(1196));
}

}  // namespace grid
