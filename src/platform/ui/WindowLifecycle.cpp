// Creating and destroying windows.
#include "platform/ui/WindowLifecycle.h"

#include <algorithm>

#include "platform/ui/CWnd.h"
#include "platform/ui/Timers.h"
#include "platform/ui/WindowClassRegistry.h"
#include "platform/ui/WindowTree.h"

namespace ui {

namespace {

bool isInside(HWND hwnd, HWND ancestor) {
    for (WindowRecord* r = findWindow(hwnd); r; r = findWindow(r->parent)) {
        if (r->handle == ancestor)
            return true;
    }
    return false;
}

void destroyTree(WindowRecord& record);

// Destroys the windows owned by `owner` (top-level windows whose owner it is).
void destroyOwnedWindows(HWND owner) {
    for (HWND h : WindowTree::instance().topLevelWindows()) {
        WindowRecord* r = findWindow(h);
        if (r && r->owner == owner && !r->destroying)
            destroyTree(*r);
    }
}

void destroyTree(WindowRecord& record) {
    WindowTree& tree = WindowTree::instance();
    const HWND h = record.handle;
    record.destroying = true;
    destroyOwnedWindows(h);
    if (isInside(tree.focus(), h))
        tree.setFocusHandle(nullptr);
    if (isInside(tree.capture(), h))
        tree.setCapture(nullptr);
    SendMessage(h, WM_DESTROY);
    const std::vector<HWND> children = record.children;
    for (HWND child : children) {
        if (WindowRecord* c = findWindow(child); c && !c->destroying)
            destroyTree(*c);
    }
    killWindowTimers(h);
    SendMessage(h, WM_NCDESTROY);
    // The receiving object has let go of the handle in OnNcDestroy (and may be
    // gone: a modeless dialog deletes itself in PostNcDestroy).
    record.handler = nullptr;
    if (record.classObject)
        record.classObject->m_hWnd = nullptr;
    if (WindowRecord* parent = findWindow(record.parent))
        std::erase(parent->children, h);
    tree.retire(h);
}

}  // namespace

HWND createWindow(const CREATESTRUCT& create, int id, CWnd* receiver) {
    const Tvx_String className(create.lpszClass ? create.lpszClass : L"");
    WindowClassRegistry& classes = WindowClassRegistry::instance();
    if (!classes.isRegistered(className))
        return nullptr;
    if (receiver && receiver->m_hWnd)
        return nullptr;
    const bool child = (create.style & WS_CHILD) != 0;
    WindowRecord* parent = findWindow(create.hwndParent);
    if (child && (!parent || parent->destroying))
        return nullptr;

    WindowTree::BusyScope busy;
    WindowRecord& record = WindowTree::instance().add();
    const HWND h = record.handle;
    record.className = classes.canonicalName(className);
    record.style = create.style;
    record.exStyle = create.dwExStyle;
    record.text = Tvx_String(create.lpszName ? create.lpszName : L"");
    record.rect = CRect(create.x, create.y, create.x + std::max(create.cx, 0),
                        create.y + std::max(create.cy, 0));
    if (child) {
        record.parent = parent->handle;
        record.id = id;
        parent->children.push_back(h);
        record.font = parent->font;
    } else {
        record.owner = parent ? GetTopLevelWindow(parent->handle) : nullptr;
    }
    record.classObject = classes.make(className);
    record.classObject->m_hWnd = h;
    if (receiver) {
        receiver->m_hWnd = h;
        record.handler = receiver;
    }

    CREATESTRUCT params = create;
    if (SendMessage(h, WM_CREATE, 0, reinterpret_cast<LPARAM>(&params)) == -1) {
        DestroyWindow(h);
        if (receiver)
            receiver->m_hWnd = nullptr;
        return nullptr;
    }
    if (!findWindow(h))
        return nullptr;  // destroyed itself while being created
    const CRect rect = findWindow(h)->rect;
    SendMessage(h, WM_SIZE, SIZE_RESTORED, MAKELPARAM(rect.Width(), rect.Height()));
    SendMessage(h, WM_MOVE, 0, MAKELPARAM(rect.left, rect.top));
    if (!child && (create.style & WS_VISIBLE))
        WindowTree::instance().setActiveWindow(h);
    return findWindow(h) ? h : nullptr;
}

}  // namespace ui

HWND CreateWindowEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menuOrId, HINSTANCE, void* param) {
    CREATESTRUCT create;
    create.lpCreateParams = param;
    create.hwndParent = parent;
    create.x = x;
    create.y = y;
    create.cx = width;
    create.cy = height;
    create.style = style;
    create.dwExStyle = exStyle;
    create.lpszName = windowName;
    create.lpszClass = className;
    const int id = static_cast<int>(reinterpret_cast<std::intptr_t>(menuOrId));
    return ui::createWindow(create, id, nullptr);
}

BOOL DestroyWindow(HWND hwnd) {
    ui::WindowRecord* record = ui::findWindow(hwnd);
    if (!record || record->destroying)
        return FALSE;
    ui::WindowTree::BusyScope busy;
    ui::destroyTree(*record);
    return TRUE;
}

BOOL IsWindow(HWND hwnd) {
    return ui::findWindow(hwnd) ? TRUE : FALSE;
}
