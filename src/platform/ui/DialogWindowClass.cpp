// The default behaviour of dialog windows.
#include "platform/ui/DialogWindowClass.h"

#include "platform/ui/WindowTree.h"

LRESULT DialogWindowClass::classProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r)
        return 0;
    switch (message) {
        case WM_CLOSE: {
            const HWND cancel = ::GetDlgItem(m_hWnd, IDCANCEL);
            if (cancel && !::IsWindowEnabled(cancel))
                return 0;
            ::PostMessage(m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                          reinterpret_cast<LPARAM>(cancel));
            return 0;
        }
        case DM_GETDEFID:
            return static_cast<LRESULT>(
                MAKELPARAM(static_cast<unsigned>(r->control.defaultId), DC_HASDEFID));
        case DM_SETDEFID:
            r->control.defaultId = static_cast<int>(wParam);
            return TRUE;
        default:
            return CWnd::classProcedure(message, wParam, lParam);
    }
}
