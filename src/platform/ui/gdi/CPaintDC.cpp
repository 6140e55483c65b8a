// Window contexts and the surfaces the renderer lends to windows.
#include "platform/ui/gdi/CPaintDC.h"

#include <map>

#include "platform/ui/CWnd.h"

namespace {

std::map<HWND, std::shared_ptr<gdi::Surface>>& lent() {
    static std::map<HWND, std::shared_ptr<gdi::Surface>> surfaces;
    return surfaces;
}

std::shared_ptr<gdi::Surface> surfaceFor(CWnd* wnd) {
    const HWND hwnd = wnd ? wnd->GetSafeHwnd() : nullptr;
    if (auto surface = gdi::lentSurface(hwnd))
        return surface;
    CRect client;
    if (hwnd)
        wnd->GetClientRect(&client);
    return std::make_shared<gdi::Surface>(
        gdi::Surface{PixelImage(std::max(client.Width(), 1), std::max(client.Height(), 1), false,
                                RGB(255, 255, 255)),
                     {}});
}

}  // namespace

CClientDC::CClientDC(CWnd* wnd) : CDC(surfaceFor(wnd)) {
    if (wnd && wnd->GetSafeHwnd()) {
        if (CFont* font = wnd->GetFont())
            SelectObject(font);
    }
}

namespace gdi {

PaintSurfaceScope::PaintSurfaceScope(HWND hwnd, std::shared_ptr<Surface> surface)
    : hwnd_(hwnd), previous_(lentSurface(hwnd)) {
    lent()[hwnd] = std::move(surface);
}

PaintSurfaceScope::~PaintSurfaceScope() {
    if (previous_) {
        lent()[hwnd_] = std::move(previous_);
    } else {
        lent().erase(hwnd_);
    }
}

std::shared_ptr<Surface> lentSurface(HWND hwnd) {
    const auto found = lent().find(hwnd);
    return found == lent().end() ? nullptr : found->second;
}

}  // namespace gdi
