// Creating a window for a given receiving object: what CWnd::CreateEx and the
// dialog builder use underneath CreateWindowEx.
#pragma once

#include "platform/ui/WinTypes.h"

class CWnd;

namespace ui {

// Creates a window as CreateWindowEx does (create.hwndParent is the parent of
// a child window, the owner of any other; the control id is `id`) and makes
// `receiver` receive its messages from the start (WM_CREATE on). A null
// receiver leaves the messages to the class object. Returns null on failure:
// unknown class, missing parent of a child, receiver with a window already,
// WM_CREATE answering -1.
HWND createWindow(const CREATESTRUCT& create, int id, CWnd* receiver);

}  // namespace ui
