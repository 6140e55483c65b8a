// Sending, posting and the message loop.
#include "platform/ui/MessageQueue.h"

#include <deque>
#include <set>

#include "platform/ui/CWnd.h"
#include "platform/ui/Timers.h"
#include "platform/ui/WindowTree.h"

namespace ui {

namespace {

std::deque<MSG>& queue() {
    static auto* q = new std::deque<MSG>;  // see WindowTree
    return *q;
}

// Sends WM_PAINT to one visible window marked for repainting, parents before
// children; false when none is marked.
bool paintOneWindow(std::set<HWND>& painted) {
    for (HWND h : WindowTree::instance().allWindows()) {
        WindowRecord* r = findWindow(h);
        if (r && r->needsPaint && r->redraw && IsWindowVisible(h) && painted.insert(h).second) {
            UpdateWindow(h);
            return true;
        }
    }
    return false;
}

}  // namespace

int pendingMessageCount() {
    return static_cast<int>(queue().size());
}

LRESULT dispatchFromLoop(MSG& msg) {
    WindowTree::BusyScope busy;
    for (HWND h = msg.hwnd; h; h = GetParent(h)) {
        CWnd* wnd = CWnd::FromHandle(h);
        if (wnd && wnd->PreTranslateMessage(&msg))
            return 0;
    }
    return SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

int pumpMessages() {
    int handled = 0;
    bool timersFired = false;
    std::set<HWND>
        painted;  // a window that invalidates itself while painting waits for the next pump
    for (;;) {
        if (!queue().empty()) {
            MSG msg = queue().front();
            queue().pop_front();
            if (findWindow(msg.hwnd)) {
                dispatchFromLoop(msg);
                ++handled;
            }
            continue;
        }
        if (paintOneWindow(painted))
            continue;  // painting is not counted as activity
        if (!timersFired) {
            timersFired = true;
            const int fired = fireDueTimers();
            handled += fired;
            if (fired > 0)
                continue;
        }
        return handled;
    }
}

}  // namespace ui

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ui::WindowRecord* record = ui::findWindow(hwnd);
    if (!record)
        return 0;
    CWnd* target = record->target();
    if (!target)
        return 0;
    ui::WindowTree& tree = ui::WindowTree::instance();
    tree.beginDispatch({hwnd, message, wParam, lParam});
    const LRESULT result = target->WindowProc(message, wParam, lParam);
    tree.endDispatch();
    return result;
}

BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!ui::findWindow(hwnd))
        return FALSE;
    MSG msg;
    msg.hwnd = hwnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = GetTickCount();
    ui::queue().push_back(msg);
    return TRUE;
}
