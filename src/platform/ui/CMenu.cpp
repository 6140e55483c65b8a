// The menu table behind menu handles and popup menus answered by the user.
#include "platform/ui/CMenu.h"

#include <map>
#include <memory>
#include <vector>

#include "platform/ui/UserAgent.h"

namespace {

struct MenuItem {
    UINT flags = 0;  // MF_ bits (state, popup, separator)
    UINT id = 0;
    HMENU submenu = nullptr;
    Tvx_String text;
};

struct MenuData {
    bool popup = false;
    std::vector<MenuItem> items;
    CMenu* wrapper = nullptr;          // the object holding the handle, if any
    std::unique_ptr<CMenu> temporary;  // made by FromHandle when none holds it
};

struct MenuTable {
    std::map<HMENU, MenuData> menus;
    std::uintptr_t next = 0x100;
};

MenuTable& table() {
    static auto* t = new MenuTable;  // outlives static menus
    return *t;
}

MenuData* dataOf(HMENU menu) {
    auto it = table().menus.find(menu);
    return it == table().menus.end() ? nullptr : &it->second;
}

HMENU newMenu(bool popup) {
    const HMENU h = reinterpret_cast<HMENU>(table().next++);
    table().menus[h].popup = popup;
    return h;
}

void destroyMenu(HMENU menu) {
    MenuData* d = dataOf(menu);
    if (!d)
        return;
    const std::vector<MenuItem> items = d->items;
    if (d->wrapper)
        d->wrapper->m_hMenu = nullptr;
    if (d->temporary)
        d->temporary->m_hMenu = nullptr;
    table().menus.erase(menu);
    for (const MenuItem& item : items) {
        if (item.submenu)
            destroyMenu(item.submenu);
    }
}

// The entry named by a command id (searching submenus) or a position.
MenuItem* findItem(HMENU menu, UINT idOrPosition, UINT flags) {
    MenuData* d = dataOf(menu);
    if (!d)
        return nullptr;
    if (flags & MF_BYPOSITION) {
        return idOrPosition < d->items.size() ? &d->items[idOrPosition] : nullptr;
    }
    for (MenuItem& item : d->items) {
        if (item.submenu) {
            if (MenuItem* inner = findItem(item.submenu, idOrPosition, flags))
                return inner;
        } else if (!(item.flags & MF_SEPARATOR) && item.id == idOrPosition) {
            return &item;
        }
    }
    return nullptr;
}

MenuItem makeItem(UINT flags, UINT_PTR idOrSubmenu, LPCWSTR text) {
    MenuItem item;
    item.flags = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_POPUP | MF_SEPARATOR);
    if (flags & MF_POPUP) {
        item.submenu = reinterpret_cast<HMENU>(idOrSubmenu);
    } else if (!(flags & MF_SEPARATOR)) {
        item.id = static_cast<UINT>(idOrSubmenu);
    }
    item.text = Tvx_String(text ? text : L"");
    return item;
}

bool isValidItem(const MenuItem& item) {
    return !(item.flags & MF_POPUP) || dataOf(item.submenu);
}

void flatten(HMENU menu, int depth, std::vector<ui::MenuEntry>& out) {
    const MenuData* d = dataOf(menu);
    if (!d)
        return;
    for (const MenuItem& item : d->items) {
        ui::MenuEntry e;
        e.id = item.submenu ? 0 : item.id;
        e.text = item.text;
        e.enabled = !(item.flags & (MF_GRAYED | MF_DISABLED));
        e.checked = (item.flags & MF_CHECKED) != 0;
        e.separator = (item.flags & MF_SEPARATOR) != 0;
        e.depth = depth;
        out.push_back(e);
        if (item.submenu)
            flatten(item.submenu, depth + 1, out);
    }
}

// Runs the popup menu; the chosen enabled command id, or 0.
UINT track(HMENU menu, UINT flags, int x, int y, HWND owner) {
    if (!dataOf(menu) || !IsWindow(owner))
        return 0;
    SendMessage(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
    ui::MenuPrompt prompt;
    prompt.owner = owner;
    prompt.menu = menu;
    prompt.screenPoint = CPoint(x, y);
    prompt.flags = flags;
    flatten(menu, 0, prompt.entries);
    const UINT chosen = ui::currentUserAgent().answerPopupMenu(prompt);
    for (const ui::MenuEntry& e : prompt.entries) {
        if (chosen != 0 && e.id == chosen && e.enabled && !e.separator)
            return chosen;
    }
    return 0;
}

}  // namespace

CMenu::~CMenu() {
    DestroyMenu();
}

BOOL CMenu::CreateMenu() {
    if (m_hMenu)
        return FALSE;
    m_hMenu = newMenu(false);
    dataOf(m_hMenu)->wrapper = this;
    return TRUE;
}

BOOL CMenu::CreatePopupMenu() {
    if (m_hMenu)
        return FALSE;
    m_hMenu = newMenu(true);
    dataOf(m_hMenu)->wrapper = this;
    return TRUE;
}

BOOL CMenu::DestroyMenu() {
    if (!dataOf(m_hMenu)) {
        m_hMenu = nullptr;
        return FALSE;
    }
    destroyMenu(m_hMenu);
    m_hMenu = nullptr;
    return TRUE;
}

BOOL CMenu::Attach(HMENU menu) {
    MenuData* d = dataOf(menu);
    if (m_hMenu || !d)
        return FALSE;
    m_hMenu = menu;
    d->wrapper = this;
    return TRUE;
}

HMENU CMenu::Detach() {
    if (MenuData* d = dataOf(m_hMenu); d && d->wrapper == this)
        d->wrapper = nullptr;
    const HMENU h = m_hMenu;
    m_hMenu = nullptr;
    return h;
}

CMenu* CMenu::FromHandle(HMENU menu) {
    MenuData* d = dataOf(menu);
    if (!d)
        return nullptr;
    if (d->wrapper)
        return d->wrapper;
    if (!d->temporary) {
        d->temporary = std::make_unique<CMenu>();
        d->temporary->m_hMenu = menu;
    }
    return d->temporary.get();
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idOrSubmenu, LPCWSTR text) {
    MenuData* d = dataOf(m_hMenu);
    const MenuItem item = makeItem(flags, idOrSubmenu, text);
    if (!d || !isValidItem(item))
        return FALSE;
    d->items.push_back(item);
    return TRUE;
}

BOOL CMenu::InsertMenu(UINT position, UINT flags, UINT_PTR idOrSubmenu, LPCWSTR text) {
    MenuData* d = dataOf(m_hMenu);
    const MenuItem item = makeItem(flags, idOrSubmenu, text);
    if (!d || !isValidItem(item))
        return FALSE;
    size_t at = d->items.size();
    if (flags & MF_BYPOSITION) {
        at = std::min<size_t>(position, d->items.size());
    } else {
        for (size_t i = 0; i < d->items.size(); ++i) {
            if (!d->items[i].submenu && d->items[i].id == position) {
                at = i;
                break;
            }
        }
    }
    d->items.insert(d->items.begin() + static_cast<std::ptrdiff_t>(at), item);
    return TRUE;
}

BOOL CMenu::ModifyMenu(UINT position, UINT flags, UINT_PTR idOrSubmenu, LPCWSTR text) {
    MenuItem* item = findItem(m_hMenu, position, flags);
    const MenuItem replacement = makeItem(flags, idOrSubmenu, text);
    if (!item || !isValidItem(replacement))
        return FALSE;
    *item = replacement;
    return TRUE;
}

BOOL CMenu::DeleteMenu(UINT position, UINT flags) {
    MenuItem* item = findItem(m_hMenu, position, flags);
    if (!item)
        return FALSE;
    const HMENU submenu = item->submenu;
    RemoveMenu(position, flags);
    if (submenu)
        destroyMenu(submenu);
    return TRUE;
}

BOOL CMenu::RemoveMenu(UINT position, UINT flags) {
    MenuItem* item = findItem(m_hMenu, position, flags);
    if (!item)
        return FALSE;
    // Find the list that holds the entry (it may sit in a submenu).
    for (auto& [handle, data] : table().menus) {
        for (size_t i = 0; i < data.items.size(); ++i) {
            if (&data.items[i] == item) {
                data.items.erase(data.items.begin() + static_cast<std::ptrdiff_t>(i));
                return TRUE;
            }
        }
    }
    return FALSE;
}

UINT CMenu::EnableMenuItem(UINT idOrPosition, UINT flags) {
    MenuItem* item = findItem(m_hMenu, idOrPosition, flags);
    if (!item)
        return kMenuError;
    const UINT old = item->flags & (MF_GRAYED | MF_DISABLED);
    item->flags = (item->flags & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
    return old;
}

UINT CMenu::CheckMenuItem(UINT idOrPosition, UINT flags) {
    MenuItem* item = findItem(m_hMenu, idOrPosition, flags);
    if (!item)
        return kMenuError;
    const UINT old = item->flags & MF_CHECKED;
    item->flags = (item->flags & ~MF_CHECKED) | (flags & MF_CHECKED);
    return old;
}

UINT CMenu::GetMenuState(UINT idOrPosition, UINT flags) const {
    const MenuItem* item = findItem(m_hMenu, idOrPosition, flags);
    return item ? item->flags : kMenuError;
}

int CMenu::GetMenuItemCount() const {
    const MenuData* d = dataOf(m_hMenu);
    return d ? static_cast<int>(d->items.size()) : -1;
}

UINT CMenu::GetMenuItemID(int position) const {
    const MenuData* d = dataOf(m_hMenu);
    if (!d || position < 0 || position >= static_cast<int>(d->items.size()))
        return kMenuError;
    const MenuItem& item = d->items[static_cast<size_t>(position)];
    if (item.submenu)
        return kMenuError;
    return (item.flags & MF_SEPARATOR) ? 0 : item.id;
}

int CMenu::GetMenuString(UINT idOrPosition, Tvx_String& text, UINT flags) const {
    const MenuItem* item = findItem(m_hMenu, idOrPosition, flags);
    text = item ? item->text : Tvx_String();
    return item ? text.length() : 0;
}

CMenu* CMenu::GetSubMenu(int position) const {
    const MenuData* d = dataOf(m_hMenu);
    if (!d || position < 0 || position >= static_cast<int>(d->items.size()))
        return nullptr;
    return FromHandle(d->items[static_cast<size_t>(position)].submenu);
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect) {
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner ? owner->m_hWnd : nullptr, rect);
}

UINT CMenu::trackPopupMenuCommand(UINT flags, int x, int y, CWnd* owner) {
    return static_cast<UINT>(TrackPopupMenu(flags | TPM_RETURNCMD, x, y, owner));
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, LPCRECT) {
    if (!dataOf(menu) || !IsWindow(owner))
        return FALSE;
    const UINT chosen = track(menu, flags, x, y, owner);
    if (flags & TPM_RETURNCMD)
        return static_cast<BOOL>(chosen);
    if (chosen == 0)
        return FALSE;
    PostMessage(owner, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    return TRUE;
}

BOOL IsMenu(HMENU menu) {
    return dataOf(menu) ? TRUE : FALSE;
}
