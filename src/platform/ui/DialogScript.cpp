// The actions of a dialog script.
#include "platform/ui/DialogScript.h"

#include "platform/ui/Timers.h"
#include "platform/ui/WinApi.h"

namespace ui {

namespace {

Tvx_String pointText(CPoint p) {
    return L"(" + Tvx_String(p.x) + L", " + Tvx_String(p.y) + L")";
}

}  // namespace

DialogScript& DialogScript::add(Tvx_String description,
                                std::function<input::Result(HWND)> perform) {
    actions_.push_back(Action{std::move(description), std::move(perform)});
    return *this;
}

DialogScript& DialogScript::onControl(int controlId, Tvx_String description,
                                      std::function<input::Result(HWND)> perform) {
    return add(std::move(description), [controlId, perform](HWND window) {
        const HWND control = GetDlgItem(window, controlId);
        if (!control) {
            return input::Result{false, L"control " + Tvx_String(controlId) + L" does not exist"};
        }
        return perform(control);
    });
}

DialogScript& DialogScript::type(int controlId, const Tvx_String& text) {
    return onControl(controlId, L"type '" + text + L"' into " + Tvx_String(controlId),
                     [text](HWND c) { return input::type(c, text); });
}

DialogScript& DialogScript::click(int controlId, UINT modifiers) {
    return onControl(controlId, L"click " + Tvx_String(controlId),
                     [modifiers](HWND c) { return input::click(c, modifiers); });
}

DialogScript& DialogScript::doubleClick(int controlId, UINT modifiers) {
    return onControl(controlId, L"double-click " + Tvx_String(controlId),
                     [modifiers](HWND c) { return input::doubleClick(c, modifiers); });
}

DialogScript& DialogScript::pick(int controlId, int index) {
    return onControl(controlId, L"pick item " + Tvx_String(index) + L" of " + Tvx_String(controlId),
                     [index](HWND c) { return input::pickItem(c, index); });
}

DialogScript& DialogScript::pick(int controlId, const Tvx_String& text) {
    return onControl(controlId, L"pick '" + text + L"' in " + Tvx_String(controlId),
                     [text](HWND c) { return input::pickItem(c, text); });
}

DialogScript& DialogScript::doubleClickItem(int controlId, int index) {
    return onControl(controlId,
                     L"double-click item " + Tvx_String(index) + L" of " + Tvx_String(controlId),
                     [index](HWND c) { return input::doubleClickItem(c, index); });
}

DialogScript& DialogScript::toggleItemCheck(int controlId, int index) {
    return onControl(
        controlId,
        L"toggle the check of item " + Tvx_String(index) + L" of " + Tvx_String(controlId),
        [index](HWND c) { return input::toggleItemCheck(c, index); });
}

DialogScript& DialogScript::focus(int controlId) {
    return onControl(controlId, L"focus " + Tvx_String(controlId),
                     [](HWND c) { return input::focus(c); });
}

DialogScript& DialogScript::pressKey(UINT virtualKey, UINT modifiers) {
    return add(
        L"press key " + Tvx_String(static_cast<int>(virtualKey)),
        [virtualKey, modifiers](HWND w) { return input::pressKey(w, virtualKey, modifiers); });
}

DialogScript& DialogScript::clickAt(CPoint point, UINT modifiers) {
    return add(L"click at " + pointText(point),
               [point, modifiers](HWND w) { return input::clickAt(w, point, modifiers); });
}

DialogScript& DialogScript::moveMouse(CPoint point) {
    return add(L"move the mouse to " + pointText(point),
               [point](HWND w) { return input::moveMouse(w, point); });
}

DialogScript& DialogScript::rightClick(int controlId, UINT modifiers) {
    return onControl(controlId, L"right-click " + Tvx_String(controlId),
                     [modifiers](HWND c) { return input::rightClick(c, modifiers); });
}

DialogScript& DialogScript::rightClickAt(CPoint point, UINT modifiers) {
    return add(L"right-click at " + pointText(point),
               [point, modifiers](HWND w) { return input::rightClickAt(w, point, modifiers); });
}

DialogScript& DialogScript::resize(int width, int height) {
    return add(L"resize to " + Tvx_String(width) + L" x " + Tvx_String(height),
               [width, height](HWND w) { return input::resize(w, width, height); });
}

DialogScript& DialogScript::close() {
    return add(L"close", [](HWND w) { return input::close(w); });
}

DialogScript& DialogScript::advance(std::uint64_t milliseconds) {
    return add(L"wait " + Tvx_String(static_cast<int>(milliseconds)) + L" ms",
               [milliseconds](HWND) {
                   advanceClock(milliseconds);
                   return input::Result{};
               });
}

DialogScript& DialogScript::call(std::function<void(HWND window)> callback) {
    return add(L"call", [callback](HWND w) {
        callback(w);
        return input::Result{};
    });
}

}  // namespace ui
