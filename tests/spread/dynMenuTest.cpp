// Popup menus built from lists of texts and enabled flags.
#include "spread/dynMenu.h"

#include <gtest/gtest.h>

#include "platform/ui/ScriptedUser.h"
#include "platform/ui/WinStyles.h"

namespace {

class OwnerWindow : public CWnd {
  public:
    OwnerWindow() {
        CreateEx(0, nullptr, L"owner", WS_POPUP | WS_VISIBLE, CRect(0, 0, 50, 50), nullptr, 0);
    }
};

TEST(dynMenu, EntriesGetTheCommandIdsInOrderSeparatorsNone) {
    dynMenu menu;
    ASSERT_TRUE(menu.build({true, true, true, false}, {L"Copy", L"", L"Paste", L"Check all"}));
    CMenu* popup = menu.popup();
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(popup->GetMenuItemCount(), 4);
    EXPECT_EQ(popup->GetMenuItemID(0), 32811u);
    EXPECT_EQ(popup->GetMenuItemID(1), 0u);
    EXPECT_EQ(popup->GetMenuItemID(2), 32812u);
    EXPECT_EQ(popup->GetMenuItemID(3), 32816u);
    EXPECT_NE(popup->GetMenuState(3, MF_BYPOSITION) & MF_GRAYED, 0u);
    EXPECT_EQ(popup->GetMenuState(0, MF_BYPOSITION) & MF_GRAYED, 0u);
    EXPECT_EQ(menu.menuText(2).str(), L"Paste");
    EXPECT_TRUE(menu.menuText(1).isEmpty());
    EXPECT_TRUE(menu.menuText(9).isEmpty());
}

TEST(dynMenu, OnlyTenCommandsFitAndMissingFlagsMeanEnabled) {
    Tvx_StringArray texts;
    for (int i = 0; i < 12; ++i)
        texts.append(Tvx_String(i + 1));
    dynMenu menu;
    ASSERT_TRUE(menu.build({}, texts));
    ASSERT_EQ(menu.popup()->GetMenuItemCount(), 10);
    EXPECT_EQ(menu.popup()->GetMenuItemID(9), 32804u);
    EXPECT_EQ(menu.popup()->GetMenuState(9, MF_BYPOSITION) & MF_GRAYED, 0u);
}

TEST(dynMenu, CommandIndexOfEachId) {
    for (size_t i = 0; i < dynMenu::kCommandIds.size(); ++i)
        EXPECT_EQ(dynMenu::commandIndex(dynMenu::kCommandIds[i]), static_cast<int>(i));
    EXPECT_EQ(dynMenu::commandIndex(32813), -1);
    EXPECT_EQ(dynMenu::commandIndex(0), -1);
}

TEST(dynMenu, TrackShowsTheMenuAndReturnsTheChoice) {
    ui::ScriptedUser user;
    user.chooseMenuItem(L"Paste");
    user.dismissMenu();
    OwnerWindow owner;
    dynMenu menu;
    EXPECT_EQ(menu.track(TPM_RETURNCMD, 10, 20, &owner, {}, {L"Copy", L"Paste"}), 32812u);
    ASSERT_EQ(user.menus().size(), 1u);
    EXPECT_EQ(user.menus()[0].screenPoint, CPoint(10, 20));
    EXPECT_EQ(menu.track(TPM_RETURNCMD, 0, 0, &owner, {}, {L"Copy"}), 0u);
    EXPECT_EQ(menu.track(TPM_RETURNCMD, 0, 0, nullptr, {}, {L"Copy"}), 0u);
    EXPECT_TRUE(user.problems().empty());
}

}  // namespace
