// The registry of live windows, focus and the dispatch stack.
#include "platform/ui/WindowTree.h"

#include <algorithm>

#include "platform/ui/CWnd.h"
#include "platform/ui/WinConstants.h"

namespace ui {

CWnd* WindowRecord::target() const {
    return handler ? handler : classObject.get();
}

WindowTree& WindowTree::instance() {
    // Never destroyed: windows held by objects with static lifetime are
    // destroyed during static destruction and must still find the tree.
    static WindowTree* tree = new WindowTree;
    return *tree;
}

WindowRecord* WindowTree::find(HWND handle) const {
    if (!handle)
        return nullptr;
    auto it = live_.find(handle);
    return it == live_.end() ? nullptr : it->second.get();
}

WindowRecord& WindowTree::add() {
    auto record = std::make_unique<WindowRecord>();
    record->handle = reinterpret_cast<HWND>(nextHandle_++);
    WindowRecord& ref = *record;
    creationOrder_.push_back(ref.handle);
    live_.emplace(ref.handle, std::move(record));
    return ref;
}

void WindowTree::retire(HWND handle) {
    auto it = live_.find(handle);
    if (it == live_.end())
        return;
    retired_.push_back(std::move(it->second));
    live_.erase(it);
    std::erase(creationOrder_, handle);
    if (focus_ == handle)
        focus_ = nullptr;
    if (active_ == handle)
        active_ = nullptr;
    if (capture_ == handle)
        capture_ = nullptr;
    freeRetiredWhenIdle();
}

std::vector<HWND> WindowTree::topLevelWindows() const {
    std::vector<HWND> result;
    for (HWND h : creationOrder_) {
        if (!live_.at(h)->parent)
            result.push_back(h);
    }
    return result;
}

std::vector<HWND> WindowTree::allWindows() const {
    return creationOrder_;
}

void WindowTree::endDispatch() {
    dispatching_.pop_back();
    --busy_;
    freeRetiredWhenIdle();
}

void WindowTree::freeRetiredWhenIdle() {
    if (busy_ > 0)
        return;
    // Freeing a class object may destroy further windows (a control that owns
    // a popup); keep going until nothing is left.
    while (!retired_.empty()) {
        auto batch = std::move(retired_);
        retired_.clear();
        batch.clear();
    }
}

bool isPseudoHandle(HWND handle) {
    const auto value = reinterpret_cast<std::uintptr_t>(handle);
    return value < kFirstHandle || handle == HWND_TOPMOST || handle == HWND_NOTOPMOST;
}

WindowRecord* findWindow(HWND handle) {
    return WindowTree::instance().find(handle);
}

CWnd* windowClassObject(HWND handle) {
    WindowRecord* r = findWindow(handle);
    return r ? r->classObject.get() : nullptr;
}

}  // namespace ui
