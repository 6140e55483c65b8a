// The mouse pointer: where the user's mouse actions leave it on the screen,
// and what the window under it is told (WM_SETCURSOR, WM_MOUSEMOVE).
#include <gtest/gtest.h>

#include "ControlHost.h"
#include "UiTestPrinting.h"
#include "platform/ui/ScriptedUser.h"
#include "platform/ui/UserInput.h"
#include "platform/ui/WinApi.h"
#include "platform/ui/WinConstants.h"
#include "platform/ui/WinMessages.h"
#include "platform/ui/tracker/CRectTracker.h"

namespace {

using uitest::ControlHost;

CPoint pointer() {
    CPoint point;
    GetCursorPos(&point);
    return point;
}

// A visible surface at screen (100, 50) that shows a tracker and lets it
// choose the cursor, as the designer's drawing area does; it records what
// the pointer told it.
class TrackerSurface : public CWnd {
  public:
    TrackerSurface() {
        const CRect shown(20, 20, 60, 50);
        tracker_ = CRectTracker(&shown, CRectTracker::resizeOutside);
        tracker_.m_nHandleSize = 5;
        CreateEx(0, nullptr, L"surface", WS_POPUP | WS_VISIBLE, CRect(100, 50, 300, 150), nullptr,
                 0);
    }
    ~TrackerSurface() override { DestroyWindow(); }

    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) override {
        claims.push_back(tracker_.SetCursor(this, hitTest));
        cursorMessages.push_back(message);
        return CWnd::OnSetCursor(wnd, hitTest, message);
    }
    void OnMouseMove(UINT, CPoint point) override { moves.push_back(point); }

    std::vector<BOOL> claims;
    std::vector<UINT> cursorMessages;  // the mouse message each WM_SETCURSOR announced
    std::vector<CPoint> moves;

  private:
    CRectTracker tracker_;
};

TEST(Pointer, MovingOverAWindowTellsItAndLetsATrackerClaimTheCursor) {
    struct Case {
        const char* what;
        CPoint client;
        BOOL claimed;
    };
    const Case cases[] = {
        {"inside the tracker", {30, 30}, TRUE},
        {"on its bottom-right handle", {63, 53}, TRUE},
        {"beside it", {120, 30}, FALSE},
    };
    TrackerSurface surface;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        surface.claims.clear();
        surface.moves.clear();
        ASSERT_TRUE(ui::input::moveMouse(surface.GetSafeHwnd(), c.client));
        EXPECT_EQ(pointer(), CPoint(100 + c.client.x, 50 + c.client.y));
        EXPECT_EQ(surface.claims, std::vector<BOOL>{c.claimed});
        EXPECT_EQ(surface.moves, std::vector<CPoint>{c.client});
    }
    EXPECT_EQ(surface.cursorMessages, std::vector<UINT>(3, WM_MOUSEMOVE));
}

TEST(Pointer, AClickAnnouncesItsButtonAndLeavesThePointerOnTheControl) {
    TrackerSurface surface;
    ASSERT_TRUE(ui::input::clickAt(surface.GetSafeHwnd(), CPoint(40, 30)));
    EXPECT_EQ(pointer(), CPoint(140, 80));
    EXPECT_EQ(surface.cursorMessages, std::vector<UINT>{WM_LBUTTONDOWN});
    EXPECT_EQ(surface.claims, std::vector<BOOL>{TRUE});
    ASSERT_TRUE(ui::input::rightClickAt(surface.GetSafeHwnd(), CPoint(150, 10)));
    EXPECT_EQ(pointer(), CPoint(250, 60));
    EXPECT_EQ(surface.cursorMessages.back(), static_cast<UINT>(WM_RBUTTONDOWN));

    // A control is clicked at its centre: the host sits at (100, 100), the
    // first control at (10, 10) in it, 120 by 24.
    ControlHost host;
    const HWND button = host.add(L"BUTTON", BS_PUSHBUTTON, 10);
    ASSERT_TRUE(ui::input::click(button));
    EXPECT_EQ(pointer(), CPoint(100 + 10 + 60, 100 + 10 + 12));
}

TEST(Pointer, PuttingThePointerSomewhereSendsNothing) {
    TrackerSurface surface;
    ASSERT_TRUE(SetCursorPos(130, 80));
    EXPECT_EQ(pointer(), CPoint(130, 80));
    EXPECT_TRUE(surface.claims.empty());
    EXPECT_TRUE(surface.moves.empty());
    EXPECT_FALSE(GetCursorPos(nullptr));
}

TEST(Pointer, MovingOverAHiddenOrUnknownWindowFailsAndLeavesThePointer) {
    TrackerSurface surface;
    SetCursorPos(1, 2);
    surface.ShowWindow(SW_HIDE);
    EXPECT_FALSE(ui::input::moveMouse(surface.GetSafeHwnd(), CPoint(30, 30)));
    EXPECT_FALSE(ui::input::moveMouse(nullptr, CPoint(30, 30)));
    EXPECT_EQ(pointer(), CPoint(1, 2));
    EXPECT_TRUE(surface.moves.empty());
}

TEST(Pointer, TheScriptedUserMovesThePointerToo) {
    TrackerSurface surface;
    ui::ScriptedUser user;
    ASSERT_TRUE(user.perform(surface.GetSafeHwnd(), ui::DialogScript().moveMouse(CPoint(30, 30))));
    EXPECT_EQ(pointer(), CPoint(130, 80));
    EXPECT_EQ(surface.claims, std::vector<BOOL>{TRUE});
    EXPECT_TRUE(user.problems().empty());
}

}  // namespace
