// Menus: menu bars and popup menus of text entries (with command ids, grayed
// and checked states), separators and submenus, and TrackPopupMenu, which
// lets the current user agent choose an entry (see UserAgent.h).
//
// TrackPopupMenu sends WM_INITMENUPOPUP to the owner window first. The user's
// choice must be an enabled command entry of the menu (or of its submenus);
// any other answer counts as dismissing the menu. With TPM_RETURNCMD the
// chosen command id is returned (0 when dismissed) and nothing is sent;
// otherwise WM_COMMAND (id, 0) is posted to the owner and TRUE returned.
//
// Bad input: an unknown menu, position or command id makes each operation
// fail (FALSE, -1 as 0xFFFFFFFF for states, null) and change nothing.
#pragma once

#include "platform/core/Tvx_String.h"
#include "platform/ui/CWnd.h"

inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_ENABLED = 0x0000;
inline constexpr UINT MF_GRAYED = 0x0001;
inline constexpr UINT MF_DISABLED = 0x0002;
inline constexpr UINT MF_UNCHECKED = 0x0000;
inline constexpr UINT MF_CHECKED = 0x0008;
inline constexpr UINT MF_POPUP = 0x0010;
inline constexpr UINT MF_BYCOMMAND = 0x0000;
inline constexpr UINT MF_BYPOSITION = 0x0400;
inline constexpr UINT MF_SEPARATOR = 0x0800;
inline constexpr UINT TPM_LEFTALIGN = 0x0000;
inline constexpr UINT TPM_CENTERALIGN = 0x0004;
inline constexpr UINT TPM_RIGHTALIGN = 0x0008;
inline constexpr UINT TPM_LEFTBUTTON = 0x0000;
inline constexpr UINT TPM_RIGHTBUTTON = 0x0002;
inline constexpr UINT TPM_NONOTIFY = 0x0080;
inline constexpr UINT TPM_RETURNCMD = 0x0100;
inline constexpr UINT kMenuError = 0xFFFFFFFF;

class CMenu {
  public:
    CMenu() = default;
    // Destroys the menu it holds (and its submenus).
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;
    HMENU GetSafeHmenu() const { return m_hMenu; }
    operator HMENU() const { return m_hMenu; }

    // FALSE when this object holds a menu already.
    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    // Destroys the menu and its submenus.
    BOOL DestroyMenu();
    BOOL Attach(HMENU menu);
    HMENU Detach();
    static CMenu* FromHandle(HMENU menu);

    // idOrSubmenu is the command id, or with MF_POPUP the submenu's handle
    // (which then belongs to this menu).
    BOOL AppendMenu(UINT flags, UINT_PTR idOrSubmenu = 0, LPCWSTR text = nullptr);
    BOOL InsertMenu(UINT position, UINT flags, UINT_PTR idOrSubmenu = 0, LPCWSTR text = nullptr);
    BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR idOrSubmenu = 0, LPCWSTR text = nullptr);
    // Removes an entry, destroying its submenu.
    BOOL DeleteMenu(UINT position, UINT flags);
    // Removes an entry, keeping its submenu alive.
    BOOL RemoveMenu(UINT position, UINT flags);
    // Each returns the previous state bits, kMenuError for an unknown entry.
    UINT EnableMenuItem(UINT idOrPosition, UINT flags);
    UINT CheckMenuItem(UINT idOrPosition, UINT flags);
    UINT GetMenuState(UINT idOrPosition, UINT flags) const;
    int GetMenuItemCount() const;
    // The command id at a position: 0 for a separator, kMenuError for a
    // submenu or a bad position.
    UINT GetMenuItemID(int position) const;
    int GetMenuString(UINT idOrPosition, Tvx_String& text, UINT flags) const;
    // The submenu at a position; null when the entry has none.
    CMenu* GetSubMenu(int position) const;
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect = nullptr);
    // TrackPopupMenu of TPM_RETURNCMD: the chosen command id, 0 when dismissed.
    UINT trackPopupMenuCommand(UINT flags, int x, int y, CWnd* owner);
};

// TrackPopupMenu on a handle; see CMenu.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, LPCRECT rect);
BOOL IsMenu(HMENU menu);
