// The host's main window.
#include "platform/host/MainWindow.h"

#include "platform/ui/CWnd.h"

CWnd* adsw_acadMainWnd() {
    // Never deleted: it outlives every window parented to it, up to the end of
    // the process.
    static CWnd* window = new CWnd;
    if (!window->GetSafeHwnd()) {
        window->CreateEx(0, L"", L"Drawing host", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                         CRect(0, 0, 1280, 800), nullptr, 0);
    }
    return window;
}
