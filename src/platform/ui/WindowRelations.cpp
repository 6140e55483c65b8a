// Parents, owners, siblings, control ids, class names and window longs.
#include <algorithm>
#include <cwchar>

#include "platform/ui/WinApi.h"
#include "platform/ui/WindowTree.h"

namespace {

// The windows among which `record` is a sibling, in Z order (top first).
std::vector<HWND> siblingsOf(const ui::WindowRecord& record) {
    if (const ui::WindowRecord* parent = ui::findWindow(record.parent))
        return parent->children;
    return ui::WindowTree::instance().topLevelWindows();
}

}  // namespace

HWND GetParent(HWND hwnd) {
    const ui::WindowRecord* r = ui::findWindow(hwnd);
    if (!r)
        return nullptr;
    return r->parent ? r->parent : r->owner;
}

HWND SetParent(HWND hwnd, HWND newParent) {
    ui::WindowRecord* r = ui::findWindow(hwnd);
    if (!r)
        return nullptr;
    ui::WindowRecord* p = ui::findWindow(newParent);
    if (!r->parent) {
        // A top-level window: the new "parent" becomes its owner.
        if (newParent && !p)
            return nullptr;
        const HWND old = r->owner;
        r->owner = p ? GetTopLevelWindow(newParent) : nullptr;
        return old;
    }
    if (!p)
        return nullptr;
    for (HWND h = newParent; h; h = GetParent(h)) {
        if (h == hwnd)
            return nullptr;  // would make the window its own ancestor
    }
    const HWND old = r->parent;
    if (ui::WindowRecord* oldParent = ui::findWindow(old))
        std::erase(oldParent->children, hwnd);
    p->children.push_back(hwnd);
    r->parent = newParent;
    return old;
}

HWND GetWindow(HWND hwnd, UINT cmd) {
    const ui::WindowRecord* r = ui::findWindow(hwnd);
    if (!r)
        return nullptr;
    if (cmd == GW_CHILD)
        return r->children.empty() ? nullptr : r->children.front();
    if (cmd == GW_OWNER)
        return r->owner;
    const std::vector<HWND> siblings = siblingsOf(*r);
    const auto it = std::find(siblings.begin(), siblings.end(), hwnd);
    if (it == siblings.end())
        return nullptr;
    switch (cmd) {
        case GW_HWNDFIRST:
            return siblings.front();
        case GW_HWNDLAST:
            return siblings.back();
        case GW_HWNDNEXT:
            return it + 1 == siblings.end() ? nullptr : *(it + 1);
        case GW_HWNDPREV:
            return it == siblings.begin() ? nullptr : *(it - 1);
        default:
            return nullptr;
    }
}

HWND GetDlgItem(HWND dialog, int id) {
    const ui::WindowRecord* r = ui::findWindow(dialog);
    if (!r)
        return nullptr;
    for (HWND child : r->children) {
        const ui::WindowRecord* c = ui::findWindow(child);
        if (c && c->id == id)
            return child;
    }
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
    const ui::WindowRecord* r = ui::findWindow(hwnd);
    return r ? r->id : 0;
}

BOOL IsChild(HWND parent, HWND hwnd) {
    if (!ui::findWindow(parent))
        return FALSE;
    for (const ui::WindowRecord* r = ui::findWindow(hwnd); r && r->parent;
         r = ui::findWindow(r->parent)) {
        if (r->parent == parent)
            return TRUE;
    }
    return FALSE;
}

HWND GetTopLevelWindow(HWND hwnd) {
    const ui::WindowRecord* r = ui::findWindow(hwnd);
    if (!r)
        return nullptr;
    while (const ui::WindowRecord* p = ui::findWindow(r->parent))
        r = p;
    return r->handle;
}

int GetClassName(HWND hwnd, LPWSTR buffer, int maxCount) {
    const ui::WindowRecord* r = ui::findWindow(hwnd);
    if (!r || !buffer || maxCount <= 0)
        return 0;
    const int n = std::min(r->className.length(), maxCount - 1);
    std::wmemcpy(buffer, r->className.c_str(), static_cast<size_t>(n));
    buffer[n] = L'\0';
    return n;
}

std::intptr_t GetWindowLong(HWND hwnd, int index) {
    const ui::WindowRecord* r = ui::findWindow(hwnd);
    if (!r)
        return 0;
    switch (index) {
        case GWL_STYLE:
            return static_cast<std::intptr_t>(r->style);
        case GWL_EXSTYLE:
            return static_cast<std::intptr_t>(r->exStyle);
        case GWL_ID:
            return r->id;
        case GWLP_USERDATA:
            return r->userData;
        default:
            return 0;
    }
}

std::intptr_t SetWindowLong(HWND hwnd, int index, std::intptr_t value) {
    ui::WindowRecord* r = ui::findWindow(hwnd);
    if (!r)
        return 0;
    const std::intptr_t old = GetWindowLong(hwnd, index);
    switch (index) {
        case GWL_STYLE:
            r->style = static_cast<DWORD>(value);
            break;
        case GWL_EXSTYLE:
            r->exStyle = static_cast<DWORD>(value);
            break;
        case GWL_ID:
            r->id = static_cast<int>(value);
            break;
        case GWLP_USERDATA:
            r->userData = value;
            break;
        default:
            return 0;
    }
    return old;
}

std::intptr_t GetWindowLongPtr(HWND hwnd, int index) {
    return GetWindowLong(hwnd, index);
}
std::intptr_t SetWindowLongPtr(HWND hwnd, int index, std::intptr_t value) {
    return SetWindowLong(hwnd, index, value);
}
