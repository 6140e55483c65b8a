// The headless window system's registry of live windows: handles, the record
// behind each, keyboard focus, active window, mouse capture and the stack of
// messages being dispatched.
//
// Handles are allocated from a counter and never reused, so an operation on the
// handle of a destroyed window finds nothing and fails. Records of destroyed
// windows (and the class objects they own) are kept until no message is being
// dispatched any more, so that a control may destroy its own dialog from inside
// a handler without pulling the object out from under the running code.
#pragma once

#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/ui/WindowRecord.h"

namespace ui {

// Window handles start here, above the special values HWND_TOP (0) and
// HWND_BOTTOM (1) of SetWindowPos.
inline constexpr std::uintptr_t kFirstHandle = 0x1000;

class WindowTree {
  public:
    static WindowTree& instance();

    // The record of a live window (also while it is being destroyed), or null
    // for null, unknown and destroyed handles.
    WindowRecord* find(HWND handle) const;
    // A new record with a fresh handle, registered as live.
    WindowRecord& add();
    // Takes a destroyed window's record out of the live set; it is freed once
    // no message is being dispatched.
    void retire(HWND handle);

    // Top-level windows in creation order.
    std::vector<HWND> topLevelWindows() const;
    // Every live window in creation order.
    std::vector<HWND> allWindows() const;

    HWND focus() const { return focus_; }
    void setFocusHandle(HWND handle) { focus_ = handle; }
    HWND activeWindow() const { return active_; }
    void setActiveWindow(HWND handle) { active_ = handle; }
    HWND capture() const { return capture_; }
    void setCapture(HWND handle) { capture_ = handle; }

    // The messages being dispatched, innermost last (for CWnd::Default).
    struct Dispatch {
        HWND hwnd;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    void beginDispatch(const Dispatch& d) {
        dispatching_.push_back(d);
        ++busy_;
    }
    void endDispatch();
    const Dispatch* currentDispatch() const {
        return dispatching_.empty() ? nullptr : &dispatching_.back();
    }

    // Holds back the freeing of retired records for the duration of an
    // operation (a dispatch, a DestroyWindow) that may still touch them.
    class BusyScope {
      public:
        BusyScope() { ++instance().busy_; }
        ~BusyScope() {
            --instance().busy_;
            instance().freeRetiredWhenIdle();
        }
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;
    };

  private:
    WindowTree() = default;
    void freeRetiredWhenIdle();

    std::unordered_map<HWND, std::unique_ptr<WindowRecord>> live_;
    std::vector<HWND> creationOrder_;
    std::vector<std::unique_ptr<WindowRecord>> retired_;
    std::vector<Dispatch> dispatching_;
    int busy_ = 0;
    std::uintptr_t nextHandle_ = kFirstHandle;
    HWND focus_ = nullptr;
    HWND active_ = nullptr;
    HWND capture_ = nullptr;
};

// True for null and the special SetWindowPos values, which never name a window.
bool isPseudoHandle(HWND handle);

// Shortcut for WindowTree::instance().find(handle).
WindowRecord* findWindow(HWND handle);

// The object that implements a window's class (the control behaviour, or the
// grid's engine), whatever object has subclassed the window; null for unknown
// handles.
CWnd* windowClassObject(HWND handle);

}  // namespace ui
