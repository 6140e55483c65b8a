// The grid window class: messages into the grid control, notifications out.
#include "platform/grid/GridWindow.h"

#include "platform/grid/GridHandles.h"
#include "platform/grid/GridLayout.h"
#include "platform/grid/GridPainter.h"
#include "platform/grid/SSTypes.h"
#include "platform/ui/Timers.h"
#include "platform/ui/WindowClassRegistry.h"
#include "platform/ui/render/SvgRenderer.h"

namespace grid {
namespace {

bool isKeyDown(int virtualKey) {
    return GetKeyState(virtualKey) < 0;
}

// The window timer that waits for the pointer to rest before a text tip.
constexpr UINT_PTR kTextTipTimer = 1;

CPoint pointOf(LPARAM lParam) {
    return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

// Registered when the library is loaded, so that every dialog finds the class.
const bool kRegisteredAtLoad = registerGridWindowClass();

}  // namespace

bool registerGridWindowClass() {
    ui::WindowClassRegistry& classes = ui::WindowClassRegistry::instance();
    if (classes.isRegistered(kGridWindowClass))
        return true;
    render::registerClassPainter(kGridWindowClass, [](CWnd& window, CDC& dc) {
        if (const GridControl* grid = gridOf(window.m_hWnd))
            paintGrid(*grid, dc);
    });
    return classes.registerClass(kGridWindowClass, [] { return std::make_unique<GridWindow>(); });
}

GridWindow::GridWindow() {
    (void)kRegisteredAtLoad;
    control_.setNotificationSink([this](const GridEvent& event) { report(event); });
    control_.setRepaintHandler([this] {
        if (m_hWnd)
            ::InvalidateRect(m_hWnd, nullptr, FALSE);
    });
}

GridWindow::~GridWindow() {
    forgetGridWindow(this);
}

void GridWindow::report(const GridEvent& event) {
    if (!m_hWnd)
        return;
    SS_CELLNOTIFY data;
    data.column = event.column;
    data.row = event.row;
    data.newColumn = event.newColumn;
    data.newRow = event.newRow;
    data.changed = event.changed ? 1 : 0;
    data.x = event.x;
    data.y = event.y;
    notifyParent(static_cast<UINT>(event.code), data.hdr);
}

LRESULT GridWindow::classProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCT*>(lParam);
            if (create)
                control_.setWindowSize(create->cx, create->cy);
            return 0;
        }
        case WM_SIZE:
            control_.setWindowSize(LOWORD(static_cast<std::uintptr_t>(lParam)),
                                   HIWORD(static_cast<std::uintptr_t>(lParam)));
            return 0;
        case WM_LBUTTONDOWN: {
            ::SetFocus(m_hWnd);
            const CPoint point = pointOf(lParam);
            if (const auto cell = cellAtPoint(control_, point.x, point.y)) {
                control_.userClick(cell->first, cell->second);
            }
            return 0;
        }
        case WM_LBUTTONDBLCLK: {
            const CPoint point = pointOf(lParam);
            if (const auto cell = cellAtPoint(control_, point.x, point.y)) {
                control_.userDoubleClick(cell->first, cell->second);
            }
            return 0;
        }
        case WM_RBUTTONDOWN: {
            const CPoint point = pointOf(lParam);
            const auto cell = cellAtPoint(control_, point.x, point.y);
            control_.userRightClick(cell ? cell->first : -1, cell ? cell->second : -1, point.x,
                                    point.y);
            return 0;
        }
        case WM_MOUSEMOVE: {
            const CPoint point = pointOf(lParam);
            const auto cell = cellAtPoint(control_, point.x, point.y);
            if (control_.pointerMoved(cell ? cell->first : -1, cell ? cell->second : -1, point.x,
                                      point.y)) {
                ::SetTimer(m_hWnd, kTextTipTimer,
                           static_cast<UINT>(control_.settings().textTip.delay), nullptr);
            }
            return 0;
        }
        case WM_TIMER:
            if (wParam != kTextTipTimer)
                return CWnd::classProcedure(message, wParam, lParam);
            ::KillTimer(m_hWnd, kTextTipTimer);
            control_.pointerRested();
            return 0;
        case WM_KEYDOWN:
            if (control_.userKey(static_cast<int>(wParam), isKeyDown(VK_SHIFT),
                                 isKeyDown(VK_CONTROL))) {
                return 0;
            }
            return CWnd::classProcedure(message, wParam, lParam);
        case WM_CHAR:
            control_.userChar(static_cast<wchar_t>(wParam));
            return 0;
        case WM_GETDLGCODE: {
            if (control_.isEditing())
                return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS;
            UINT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
            if (control_.option(kOptionProcessTab))
                code |= DLGC_WANTTAB;
            return code;
        }
        default:
            return CWnd::classProcedure(message, wParam, lParam);
    }
}

}  // namespace grid
