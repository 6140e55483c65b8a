// The spreadsheet editor window: opened once beside the host's main window,
// closed by OK, made anew on the next open.
#include "sheeteditor/DlgSSAsTool.h"

#include <gtest/gtest.h>

#include "GridTestDialog.h"
#include "platform/host/EditorRequests.h"
#include "platform/host/MainWindow.h"
#include "platform/ui/ScriptedUser.h"
#include "platform/ui/WinConstants.h"

namespace {

class EditorWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        spreadtest::ensureGridWindowClass();
        host::editorRequests().clear();
    }
};

TEST_F(EditorWindowTest, OpensOnceOwnedByTheMainWindowAndHandsBackTheFocus) {
    DlgSSAsTool tool;
    EXPECT_EQ(tool.getSpread(), nullptr);
    ASSERT_TRUE(tool.open());
    CDlgSSAsTool* window = tool.window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->IsWindowVisible());
    EXPECT_EQ(window->GetOwner(), adsw_acadMainWnd());
    EXPECT_EQ(CWnd::GetFocus(), adsw_acadMainWnd());

    Tvx_Spread* sheet = tool.getSpread();
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->isCreated());
    EXPECT_EQ(window->GetDlgItem(CDlgSSAsTool::kGridPlaceholder), sheet);

    ASSERT_TRUE(tool.open());
    EXPECT_EQ(tool.window(), window);
}

TEST_F(EditorWindowTest, OkClosesTheWindowAndTheNextOpenMakesItAgain) {
    DlgSSAsTool tool;
    ASSERT_TRUE(tool.open());
    ui::ScriptedUser user;
    ASSERT_TRUE(user.perform(*tool.window(), ui::DialogScript().click(IDOK)));
    EXPECT_FALSE(tool.isCreated());
    EXPECT_EQ(tool.getSpread(), nullptr);
    EXPECT_EQ(host::editorRequests().promptCount(), 1);

    ASSERT_TRUE(tool.open());
    ASSERT_NE(tool.getSpread(), nullptr);
    EXPECT_TRUE(tool.getSpread()->setMaxRows(3));
}

TEST_F(EditorWindowTest, GridFollowsTheResizedWindow) {
    DlgSSAsTool tool;
    ASSERT_TRUE(tool.open());
    CRect before;
    tool.getSpread()->GetWindowRect(&before);
    CRect window;
    tool.window()->GetWindowRect(&window);
    ui::ScriptedUser user;
    ASSERT_TRUE(user.perform(*tool.window(),
                             ui::DialogScript().resize(window.Width() + 60, window.Height() + 40)));
    CRect after;
    tool.getSpread()->GetWindowRect(&after);
    EXPECT_EQ(after.Size(), CSize(before.Width() + 60, before.Height() + 40));
}

TEST_F(EditorWindowTest, DestroyingTheHolderDestroysTheWindow) {
    HWND window = nullptr;
    {
        DlgSSAsTool tool;
        ASSERT_TRUE(tool.open());
        window = tool.window()->GetSafeHwnd();
        EXPECT_TRUE(IsWindow(window));
    }
    EXPECT_FALSE(IsWindow(window));
}

}  // namespace
