// The pool of hidden standards windows.
#include "frame/VtSSDlgsMgr.h"

#include <gtest/gtest.h>

#include "frame/FrameTemplates.h"
#include "platform/host/MainWindow.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/DialogTemplate.h"

namespace {

class VtSSDlgsMgrTest : public testing::Test {
  protected:
    void SetUp() override { registerFrameTemplates(); }
};

TEST_F(VtSSDlgsMgrTest, WindowsAreHiddenStandardsDialogsWithTheSheetPlaceholder) {
    VtSSDlgsMgr pool;
    auto* dialog = static_cast<CDialog*>(pool.getDlg());
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->IsWindowVisible());
    EXPECT_NE(dialog->GetDlgItem(kStandardsSheetPlaceholder), nullptr);
    EXPECT_EQ(dialog->GetOwner(), adsw_acadMainWnd());
    EXPECT_EQ(dialog->templateId(), 253u);
}

TEST_F(VtSSDlgsMgrTest, FreeWindowsAreReusedAndNestingGrowsThePool) {
    VtSSDlgsMgr pool;
    void* outer = pool.getDlg();
    void* inner = pool.getDlg();  // a child sheet inside the outer evaluation
    EXPECT_NE(outer, inner);
    EXPECT_EQ(pool.windowCount(), 2);
    EXPECT_EQ(pool.releaseDlg(inner), eOk);
    EXPECT_EQ(pool.releaseDlg(outer), eOk);
    EXPECT_EQ(pool.inUseCount(), 0);
    EXPECT_EQ(pool.getDlg(), outer) << "the first free window";
    EXPECT_EQ(pool.getDlg(), inner);
    EXPECT_EQ(pool.windowCount(), 2);
}

TEST_F(VtSSDlgsMgrTest, ReleasingAForeignPointerFails) {
    VtSSDlgsMgr pool;
    VtSSDlgsMgr other;
    void* mine = pool.getDlg();
    void* theirs = other.getDlg();
    int stranger = 0;
    EXPECT_EQ(pool.releaseDlg(theirs), eInvalidInput);
    EXPECT_EQ(pool.releaseDlg(&stranger), eInvalidInput);
    EXPECT_EQ(pool.releaseDlg(nullptr), eInvalidInput);
    EXPECT_EQ(pool.inUseCount(), 1);
    EXPECT_EQ(pool.releaseDlg(mine), eOk);
}

TEST_F(VtSSDlgsMgrTest, DestroyAllEmptiesThePool) {
    VtSSDlgsMgr pool;
    auto* dialog = static_cast<CDialog*>(pool.getDlg());
    const HWND hwnd = dialog->GetSafeHwnd();
    pool.getDlg();
    pool.destroyAll();
    EXPECT_EQ(pool.windowCount(), 0);
    EXPECT_EQ(pool.inUseCount(), 0);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_NE(pool.getDlg(), nullptr) << "usable again";
}

TEST_F(VtSSDlgsMgrTest, CopiesNeverShareWindows) {
    VtSSDlgsMgr pool;
    void* window = pool.getDlg();
    {
        VtSSDlgsMgr copy(pool);
        EXPECT_EQ(copy.windowCount(), 0);
        VtSSDlgsMgr assigned;
        assigned.getDlg();
        assigned = pool;
        EXPECT_EQ(assigned.windowCount(), 1);
        EXPECT_EQ(assigned.releaseDlg(window), eInvalidInput);
    }
    // The copies are gone; the original's window is still alive.
    EXPECT_TRUE(IsWindow(static_cast<CDialog*>(window)->GetSafeHwnd()));
    EXPECT_EQ(pool.releaseDlg(window), eOk);
}

TEST_F(VtSSDlgsMgrTest, AMissingTemplateMakesNoWindow) {
    VtSSDlgsMgr pool;
    // Replace template 253 by one whose control class does not exist.
    ui::DialogTemplate broken(kStandardsDialogTemplate, 0, 0, 10, 10, L"x", WS_POPUP);
    broken.control(1, L"NoSuchClass", L"", 0, 0, 0, 5, 5);
    ui::registerDialogTemplate(broken);
    EXPECT_EQ(pool.getDlg(), nullptr);
    EXPECT_EQ(pool.windowCount(), 0);
    registerFrameTemplates();
    EXPECT_NE(pool.getDlg(), nullptr);
}

}  // namespace
