// Restoring and storing dialog sizes.
#include "platform/ui/registry/DialogSizes.h"

#include <algorithm>

#include "platform/ui/CWnd.h"
#include "platform/ui/registry/DialogMemory.h"

bool getDlgSize(CWnd* dialog, int& width, int& height) {
    if (!dialog || !dialog->GetSafeHwnd())
        return false;
    CRect rect;
    dialog->GetWindowRect(&rect);
    width = rect.Width();
    height = rect.Height();
    return true;
}

bool ChangeDlgSize(CWnd* dialog, const Tvx_String& key) {
    if (!dialog || !dialog->GetSafeHwnd())
        return false;
    auto size = registry::readDialogSize(key);
    if (!size)
        return false;
    // A stored size never makes the dialog smaller than it allows.
    MINMAXINFO limits;
    dialog->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    size->cx = std::max<int>(size->cx, limits.ptMinTrackSize.x);
    size->cy = std::max<int>(size->cy, limits.ptMinTrackSize.y);
    return dialog->SetWindowPos(nullptr, 0, 0, size->cx, size->cy,
                                SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
}

bool WriteDlgSize(CWnd* dialog, const Tvx_String& key) {
    int width = 0;
    int height = 0;
    if (!getDlgSize(dialog, width, height))
        return false;
    return registry::writeDialogSize(key, CSize(width, height));
}
