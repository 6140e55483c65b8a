// Popup menus, their entries and the user's choice.
#include <gtest/gtest.h>

#include "UiTestPrinting.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/ScriptedUser.h"

namespace {

constexpr UINT kCut = 32800;
constexpr UINT kCopy = 32801;
constexpr UINT kInsertRow = 32816;

class MenuOwner : public CWnd {
  public:
    std::vector<UINT> commands;
    int initPopups = 0;
    MenuOwner() {
        CreateEx(0, nullptr, L"owner", WS_POPUP | WS_VISIBLE, CRect(0, 0, 50, 50), nullptr, 0);
        onMessage(WM_INITMENUPOPUP, [this](WPARAM, LPARAM) {
            ++initPopups;
            return LRESULT{0};
        });
    }
    BOOL OnCommand(WPARAM wParam, LPARAM) override {
        commands.push_back(LOWORD(wParam));
        return TRUE;
    }
};

// Cut, Copy, a separator and an "Edit" submenu holding Insert row.
void buildMenu(CMenu& menu) {
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, kCut, L"Cu&t\tCtrl+X");
    menu.AppendMenu(MF_STRING | MF_GRAYED, kCopy, L"&Copy");
    menu.AppendMenu(MF_SEPARATOR);
    CMenu sub;
    sub.CreatePopupMenu();
    sub.AppendMenu(MF_STRING, kInsertRow, L"Insert row");
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(sub.Detach()), L"Edit");
}

TEST(Menu, TheChosenCommandIsReturnedOrPostedToTheOwner) {
    MenuOwner owner;
    CMenu menu;
    buildMenu(menu);
    ui::ScriptedUser user;
    user.chooseMenuItem(L"insert ROW");
    user.chooseMenuItem(L"Cut");
    EXPECT_EQ(menu.trackPopupMenuCommand(TPM_RIGHTBUTTON, 10, 20, &owner), kInsertRow);
    EXPECT_TRUE(owner.commands.empty());
    EXPECT_TRUE(menu.TrackPopupMenu(TPM_RIGHTBUTTON, 10, 20, &owner));
    ui::pumpMessages();
    EXPECT_EQ(owner.commands, std::vector<UINT>{kCut});
    EXPECT_EQ(owner.initPopups, 2);
    // The prompt shows the menu flattened, the submenu's entries one deeper.
    const auto& entries = user.menus().at(0).entries;
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_TRUE(entries[2].separator);
    EXPECT_EQ(entries[4].id, kInsertRow);
    EXPECT_EQ(entries[4].depth, 1);
    EXPECT_FALSE(entries[1].enabled);
    EXPECT_EQ(user.menus().at(0).screenPoint, CPoint(10, 20));
    EXPECT_EQ(user.problems(), std::vector<Tvx_String>{});
    owner.DestroyWindow();
}

TEST(Menu, GrayedEntriesAndDismissedMenusChooseNothing) {
    MenuOwner owner;
    CMenu menu;
    buildMenu(menu);
    ui::ScriptedUser user;
    user.chooseMenuCommand(kCopy);
    user.dismissMenu();
    EXPECT_EQ(menu.trackPopupMenuCommand(0, 0, 0, &owner), 0u);
    EXPECT_FALSE(menu.TrackPopupMenu(0, 0, 0, &owner));
    ui::pumpMessages();
    EXPECT_TRUE(owner.commands.empty());
    EXPECT_EQ(user.problems(),
              std::vector<Tvx_String>{L"popup menu entry '&Copy' is disabled: dismissed"});
    owner.DestroyWindow();
}

TEST(Menu, EntryStatesAndBadIds) {
    CMenu menu;
    buildMenu(menu);
    EXPECT_EQ(menu.GetMenuItemCount(), 4);
    EXPECT_EQ(menu.EnableMenuItem(kCopy, MF_ENABLED), MF_GRAYED);
    EXPECT_EQ(menu.CheckMenuItem(kInsertRow, MF_CHECKED), MF_UNCHECKED);
    EXPECT_EQ(menu.GetMenuState(kInsertRow, MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);
    EXPECT_EQ(menu.GetMenuItemID(0), kCut);
    EXPECT_EQ(menu.GetMenuItemID(2), 0u);          // separator
    EXPECT_EQ(menu.GetMenuItemID(3), kMenuError);  // submenu
    EXPECT_EQ(menu.GetMenuItemID(9), kMenuError);
    EXPECT_EQ(menu.EnableMenuItem(4711, MF_GRAYED), kMenuError);
    Tvx_String text;
    EXPECT_EQ(menu.GetMenuString(3, text, MF_BYPOSITION), 4);
    EXPECT_EQ(text, Tvx_String(L"Edit"));
    CMenu* sub = menu.GetSubMenu(3);
    ASSERT_NE(sub, nullptr);
    const HMENU subHandle = sub->m_hMenu;
    EXPECT_TRUE(menu.DeleteMenu(kCut, MF_BYCOMMAND));
    EXPECT_EQ(menu.GetMenuItemCount(), 3);
    menu.DestroyMenu();
    EXPECT_FALSE(IsMenu(subHandle));  // submenus go with their menu
    EXPECT_EQ(menu.GetMenuItemCount(), -1);
}

}  // namespace
