// The device contexts a window draws with in its paint handler (CPaintDC) and
// elsewhere (CClientDC). While a picture of the window is being made (the SVG
// renderer lends it a surface), they draw on that surface; at any other time
// on a white surface of their own of the window's client size, which goes
// with them.
#pragma once

#include <memory>

#include "platform/ui/gdi/CDC.h"

class CWnd;

class CClientDC : public CDC {
  public:
    explicit CClientDC(CWnd* wnd);
};

class CPaintDC : public CClientDC {
  public:
    explicit CPaintDC(CWnd* wnd) : CClientDC(wnd) {}
};

namespace gdi {

// The renderer's side: while the scope lives, contexts made for hwnd draw on
// surface. Scopes nest per window (the latest wins until it ends).
class PaintSurfaceScope {
  public:
    PaintSurfaceScope(HWND hwnd, std::shared_ptr<Surface> surface);
    ~PaintSurfaceScope();
    PaintSurfaceScope(const PaintSurfaceScope&) = delete;
    PaintSurfaceScope& operator=(const PaintSurfaceScope&) = delete;

  private:
    HWND hwnd_;
    std::shared_ptr<Surface> previous_;
};

// The surface lent to hwnd, or null.
std::shared_ptr<Surface> lentSurface(HWND hwnd);

}  // namespace gdi
