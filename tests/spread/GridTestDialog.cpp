// The grid tests' dialog and grid window class.
#include "GridTestDialog.h"

#include <memory>

#include "platform/grid/GridControl.h"
#include "platform/grid/GridHandles.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/WinMessages.h"
#include "platform/ui/WindowClassRegistry.h"

namespace spreadtest {

namespace {

// A grid window: owns a grid control, registered under its handle while the
// window lives, told its size.
class GridWindow : public CWnd {
  protected:
    LRESULT classProcedure(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_CREATE: {
                grid::registerGrid(m_hWnd, control_);
                const auto* create = reinterpret_cast<const CREATESTRUCT*>(lParam);
                control_.setWindowSize(create->cx, create->cy);
                break;
            }
            case WM_SIZE:
                control_.setWindowSize(LOWORD(static_cast<std::uintptr_t>(lParam)),
                                       HIWORD(static_cast<std::uintptr_t>(lParam)));
                break;
            case WM_DESTROY:
                grid::unregisterGrid(m_hWnd);
                break;
            default:
                break;
        }
        return CWnd::classProcedure(message, wParam, lParam);
    }

  private:
    grid::GridControl control_;
};

}  // namespace

void ensureGridWindowClass() {
    if (!ui::WindowClassRegistry::instance().isRegistered(L"fpUSpread70"))
        ui::registerWindowClass(L"fpUSpread70", [] { return std::make_unique<GridWindow>(); });
}

GridTestDialog::GridTestDialog() {
    ensureGridWindowClass();
    ui::DialogTemplate t(kTemplate, 0, 0, 300, 200, L"Grid test",
                         WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_VISIBLE);
    t.control(kGridPlaceholder, L"STATIC", L"", WS_VISIBLE, 20, 40, 200, 120)
        .control(kSecondPlaceholder, L"STATIC", L"", WS_VISIBLE, 230, 40, 60, 60)
        .pushButton(kOtherButton, L"Other", 230, 170, 50, 14);
    ui::registerDialogTemplate(t);
    Create(kTemplate);
}

}  // namespace spreadtest
