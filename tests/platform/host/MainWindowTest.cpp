// The host's main window.
#include "platform/host/MainWindow.h"

#include <gtest/gtest.h>

#include "platform/ui/CWnd.h"

namespace {

TEST(MainWindow, IsOneVisibleTopLevelWindowMadeAgainWhenDestroyed) {
    CWnd* main = adsw_acadMainWnd();
    ASSERT_NE(main->GetSafeHwnd(), nullptr);
    EXPECT_EQ(adsw_acadMainWnd()->GetSafeHwnd(), main->GetSafeHwnd());
    EXPECT_TRUE(main->IsWindowVisible());
    EXPECT_EQ(main->GetParent(), nullptr);
    const HWND first = main->GetSafeHwnd();
    main->DestroyWindow();
    EXPECT_NE(adsw_acadMainWnd()->GetSafeHwnd(), nullptr);
    EXPECT_NE(adsw_acadMainWnd()->GetSafeHwnd(), first);
}

}  // namespace
