// What a scripted user does with one window: a list of actions (type into a
// control, click it, pick an item, press a key ...) performed in order. A
// script is queued with ScriptedUser::onDialog for the next modal dialog of a
// template, or performed at once on any window with ScriptedUser::perform.
//
// Controls are named by their id and looked up when the action runs; every
// action goes through ui::input (UserInput.h), so it sends exactly what the
// real action sends, and fails (and is reported) when the control is missing,
// hidden or disabled.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>

#include "platform/core/Tvx_String.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/WinTypes.h"

namespace ui {

class DialogScript {
  public:
    struct Action {
        Tvx_String description;  // "type '250' into 1000"
        std::function<input::Result(HWND window)> perform;
    };

    DialogScript& type(int controlId, const Tvx_String& text);
    DialogScript& click(int controlId, UINT modifiers = 0);
    DialogScript& doubleClick(int controlId, UINT modifiers = 0);
    // Picks an item of a combo box, list box, tab control or list view, by
    // index or by its text (letter case ignored).
    DialogScript& pick(int controlId, int index);
    DialogScript& pick(int controlId, const Tvx_String& text);
    DialogScript& doubleClickItem(int controlId, int index);
    DialogScript& toggleItemCheck(int controlId, int index);
    DialogScript& focus(int controlId);
    // A key pressed on the focus window of the dialog.
    DialogScript& pressKey(UINT virtualKey, UINT modifiers = 0);
    // Mouse clicks at a point of the window's client area.
    DialogScript& clickAt(CPoint point, UINT modifiers = 0);
    // The pointer moves to a point of the window's client area.
    DialogScript& moveMouse(CPoint point);
    DialogScript& rightClick(int controlId, UINT modifiers = 0);
    DialogScript& rightClickAt(CPoint point, UINT modifiers = 0);
    DialogScript& resize(int width, int height);
    // The close box.
    DialogScript& close();
    // Lets time pass (timers fire) while the window is open.
    DialogScript& advance(std::uint64_t milliseconds);
    // Runs a callback of the test with the window (to look at its state
    // half-way, or to do something no user action covers).
    DialogScript& call(std::function<void(HWND window)> callback);

    const std::deque<Action>& actions() const { return actions_; }
    std::deque<Action>& actions() { return actions_; }

  private:
    DialogScript& add(Tvx_String description, std::function<input::Result(HWND)> perform);
    DialogScript& onControl(int controlId, Tvx_String description,
                            std::function<input::Result(HWND control)> perform);
    std::deque<Action> actions_;
};

}  // namespace ui
