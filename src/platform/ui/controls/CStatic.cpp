// Static controls: images and click notifications.
#include "platform/ui/controls/CStatic.h"

#include "platform/ui/WindowTree.h"

BOOL CStatic::Create(LPCWSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(L"STATIC", text, style | WS_CHILD, rect, parent, id);
}

HICON CStatic::SetIcon(HICON icon) {
    return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(icon)));
}

HICON CStatic::GetIcon() const {
    return reinterpret_cast<HICON>(SendMessage(STM_GETICON));
}

HBITMAP CStatic::SetBitmap(HBITMAP bitmap) {
    return reinterpret_cast<HBITMAP>(
        SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
}

HBITMAP CStatic::GetBitmap() const {
    return reinterpret_cast<HBITMAP>(SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
}

LRESULT CStatic::classProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r)
        return 0;
    switch (message) {
        case STM_SETICON: {
            const HICON old = r->control.icon;
            r->control.icon = reinterpret_cast<HICON>(wParam);
            ::InvalidateRect(m_hWnd, nullptr, TRUE);
            return reinterpret_cast<LRESULT>(old);
        }
        case STM_GETICON:
            return reinterpret_cast<LRESULT>(r->control.icon);
        case STM_SETIMAGE: {
            if (wParam == IMAGE_ICON)
                return classProcedure(STM_SETICON, static_cast<WPARAM>(lParam), 0);
            const HBITMAP old = r->control.bitmap;
            r->control.bitmap = reinterpret_cast<HBITMAP>(lParam);
            ::InvalidateRect(m_hWnd, nullptr, TRUE);
            return reinterpret_cast<LRESULT>(old);
        }
        case STM_GETIMAGE:
            return wParam == IMAGE_ICON ? reinterpret_cast<LRESULT>(r->control.icon)
                                        : reinterpret_cast<LRESULT>(r->control.bitmap);
        case WM_LBUTTONUP:
            if ((r->style & SS_NOTIFY) && !(r->style & WS_DISABLED))
                notifyParent(STN_CLICKED);
            return 0;
        case WM_LBUTTONDBLCLK:
            if ((r->style & SS_NOTIFY) && !(r->style & WS_DISABLED))
                notifyParent(STN_DBLCLK);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_STATIC;
        default:
            return CWnd::classProcedure(message, wParam, lParam);
    }
}
