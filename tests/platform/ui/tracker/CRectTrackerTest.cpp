// Rectangle trackers: handles, hit tests, drags answered by the user agent, drawing.
#include "platform/ui/tracker/CRectTracker.h"

#include <gtest/gtest.h>

#include <deque>

#include "platform/ui/CWnd.h"
#include "platform/ui/UiTestPrinting.h"
#include "platform/ui/UserAgent.h"
#include "platform/ui/WinApi.h"
#include "platform/ui/WinConstants.h"
#include "platform/ui/gdi/CDC.h"

namespace {

// A user who lets go of each drag where the test says, and records the prompts.
class DragUser : public ui::UserAgent {
  public:
    std::deque<std::optional<CPoint>> releases;
    std::vector<ui::DragPrompt> prompts;

    bool actOnModalDialog(CDialog&) override { return false; }
    void modalDialogForcedToEnd(CDialog&) override {}
    int answerMessageBox(const ui::MessageBoxPrompt& p) override { return p.defaultAnswer; }
    std::optional<ui::FileDialogAnswer> answerFileDialog(const ui::FileDialogPrompt&) override {
        return std::nullopt;
    }
    UINT answerPopupMenu(const ui::MenuPrompt&) override { return 0; }
    std::optional<CPoint> answerDrag(const ui::DragPrompt& prompt) override {
        prompts.push_back(prompt);
        if (releases.empty())
            return std::nullopt;
        const auto release = releases.front();
        releases.pop_front();
        return release;
    }
};

class TrackerTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(
            surface.CreateEx(0, L"", L"surface", WS_POPUP, CRect(0, 0, 200, 100), nullptr, 0));
        previous = ui::installUserAgent(&user);
    }
    void TearDown() override {
        ui::installUserAgent(previous);
        surface.DestroyWindow();
    }
    // The designer's tracker: solid line, handles outside, 5 pixels.
    static CRectTracker designerTracker(CRect rect) {
        CRectTracker t(&rect, CRectTracker::solidLine | CRectTracker::resizeOutside);
        t.m_nHandleSize = 5;
        return t;
    }

    CWnd surface;
    DragUser user;
    ui::UserAgent* previous = nullptr;
};

TEST_F(TrackerTest, PointsHitHandlesInsideOrNothing) {
    const CRectTracker t = designerTracker(CRect(20, 20, 60, 50));
    struct Case {
        CPoint point;
        int hit;
    };
    const Case cases[] = {
        {{15, 15}, CRectTracker::hitTopLeft},     {{62, 16}, CRectTracker::hitTopRight},
        {{64, 54}, CRectTracker::hitBottomRight}, {{16, 51}, CRectTracker::hitBottomLeft},
        {{40, 16}, CRectTracker::hitTop},         {{61, 35}, CRectTracker::hitRight},
        {{40, 52}, CRectTracker::hitBottom},      {{17, 35}, CRectTracker::hitLeft},
        {{30, 30}, CRectTracker::hitMiddle},      {{5, 5}, CRectTracker::hitNothing},
        {{60, 30}, CRectTracker::hitNothing},  // right edge is outside, handle not there
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.point.x << "," << c.point.y);
        EXPECT_EQ(t.HitTest(c.point), c.hit);
    }
    CRect whole;
    t.GetTrueRect(&whole);
    EXPECT_EQ(whole, CRect(15, 15, 65, 55));
}

TEST_F(TrackerTest, SmallRectanglesLoseTheirSideHandlesUnlessTheMaskSaysOtherwise) {
    const CRectTracker small = designerTracker(CRect(0, 0, 10, 40));
    EXPECT_EQ(small.GetHandleMask(),
              0x0Fu | (1u << CRectTracker::hitLeft) | (1u << CRectTracker::hitRight));
    CRect square;
    EXPECT_FALSE(small.GetHandleRect(CRectTracker::hitTop, &square));

    struct AllHandles : CRectTracker {
        using CRectTracker::CRectTracker;
        UINT GetHandleMask() const override { return 255; }
    };
    CRect rect(0, 0, 10, 10);
    AllHandles all(&rect, CRectTracker::resizeOutside);
    all.m_nHandleSize = 5;
    EXPECT_TRUE(all.GetHandleRect(CRectTracker::hitTop, &square));
    EXPECT_EQ(square, CRect(2, -5, 7, 0));
}

TEST_F(TrackerTest, InvertedRectanglesNameTheOppositeHandles) {
    CRectTracker t = designerTracker(CRect(60, 50, 20, 20));  // inverted both ways
    EXPECT_EQ(t.HitTest(CPoint(15, 15)), CRectTracker::hitBottomRight);
    EXPECT_EQ(t.NormalizeHit(CRectTracker::hitLeft), CRectTracker::hitRight);
    EXPECT_EQ(t.NormalizeHit(CRectTracker::hitMiddle), CRectTracker::hitMiddle);
}

TEST_F(TrackerTest, DraggingTheInsideMovesAndAHandleResizes) {
    CRectTracker t = designerTracker(CRect(20, 20, 60, 50));
    user.releases = {CPoint(40, 35), CPoint(80, 70)};
    ASSERT_TRUE(t.Track(&surface, CPoint(30, 30)));
    EXPECT_EQ(t.m_rect, CRect(30, 25, 70, 55));
    ASSERT_EQ(user.prompts.size(), 1u);
    EXPECT_EQ(user.prompts[0].window, surface.GetSafeHwnd());
    EXPECT_FALSE(user.prompts[0].rubberBand);

    ASSERT_TRUE(t.Track(&surface, CPoint(72, 57)));  // bottom-right handle
    EXPECT_EQ(t.m_rect, CRect(30, 25, 78, 68));

    // A point that misses the tracker starts no drag.
    EXPECT_FALSE(t.Track(&surface, CPoint(5, 5)));
    EXPECT_EQ(t.m_rect, CRect(30, 25, 78, 68));
    EXPECT_EQ(user.prompts.size(), 2u);
}

TEST_F(TrackerTest, ResizingKeepsTheMinimumUnlessInversionIsAllowed) {
    CRectTracker t = designerTracker(CRect(20, 20, 60, 50));
    t.m_sizeMin = CSize(10, 10);
    user.releases = {CPoint(100, 35), CPoint(100, 35)};
    ASSERT_TRUE(t.Track(&surface, CPoint(17, 35)));  // left handle to the far right
    EXPECT_EQ(t.m_rect, CRect(50, 20, 60, 50));

    CRectTracker inverting = designerTracker(CRect(20, 20, 60, 50));
    ASSERT_TRUE(inverting.Track(&surface, CPoint(17, 35), TRUE));
    EXPECT_EQ(inverting.m_rect, CRect(103, 20, 60, 50));
}

TEST_F(TrackerTest, MovesStayInsideTheClippingWindow) {
    CRectTracker t = designerTracker(CRect(20, 20, 60, 50));
    user.releases = {CPoint(500, -300)};
    ASSERT_TRUE(t.Track(&surface, CPoint(30, 30), FALSE, &surface));
    CRect client;
    surface.GetClientRect(&client);
    EXPECT_EQ(t.m_rect, CRect(client.right - 40, 0, client.right, 30));
}

TEST_F(TrackerTest, ACancelledDragChangesNothing) {
    CRectTracker t = designerTracker(CRect(20, 20, 60, 50));
    EXPECT_FALSE(t.Track(&surface, CPoint(30, 30)));
    EXPECT_EQ(t.m_rect, CRect(20, 20, 60, 50));
    EXPECT_FALSE(t.Track(nullptr, CPoint(30, 30)));
    EXPECT_FALSE(t.TrackRubberBand(&surface, CPoint(1, 1)));
}

TEST_F(TrackerTest, RubberBandsAreNormalisedUnlessInversionIsAllowed) {
    CRectTracker band;
    user.releases = {CPoint(10, 5), CPoint(10, 5)};
    ASSERT_TRUE(band.TrackRubberBand(&surface, CPoint(50, 40), TRUE));
    EXPECT_EQ(band.m_rect, CRect(50, 40, 10, 5));
    EXPECT_TRUE(user.prompts.back().rubberBand);
    ASSERT_TRUE(band.TrackRubberBand(&surface, CPoint(50, 40), FALSE));
    EXPECT_EQ(band.m_rect, CRect(10, 5, 50, 40));
}

TEST_F(TrackerTest, DrawingShowsTheFrameAndEveryHandle) {
    const CRectTracker t = designerTracker(CRect(20, 20, 60, 50));
    CDC dc(CSize(100, 100));
    t.Draw(&dc);
    ASSERT_EQ(dc.commands().size(), 9u);
    EXPECT_EQ(dc.commands()[0].kind, DrawCommand::Kind::FrameRect);
    EXPECT_EQ(dc.GetPixel(15, 15), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetPixel(30, 30), RGB(255, 255, 255));
}

TEST_F(TrackerTest, TheCursorIsTheTrackersOnlyWhileThePointerIsOverIt) {
    const CRectTracker t = designerTracker(CRect(20, 20, 60, 50));
    surface.MoveWindow(100, 50, 200, 100);  // client (0, 0) is screen (100, 50)
    struct Case {
        const char* what;
        CPoint screen;
        UINT hitTest;
        BOOL claimed;
    };
    const Case cases[] = {
        {"inside", {130, 80}, HTCLIENT, TRUE},
        {"on the top-left handle outside the frame", {115, 65}, HTCLIENT, TRUE},
        {"beside it", {170, 80}, HTCLIENT, FALSE},
        {"a screen point that is inside only as a client point", {30, 30}, HTCLIENT, FALSE},
        {"over the window's frame rather than its client area", {130, 80}, HTCAPTION, FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetCursorPos(c.screen.x, c.screen.y);
        EXPECT_EQ(t.SetCursor(&surface, c.hitTest), c.claimed);
    }
    CWnd gone;
    EXPECT_FALSE(t.SetCursor(&gone, HTCLIENT));
    EXPECT_FALSE(t.SetCursor(nullptr, HTCLIENT));
}

TEST_F(TrackerTest, ThePointerStaysWhereADragLetGo) {
    CRectTracker t = designerTracker(CRect(20, 20, 60, 50));
    surface.MoveWindow(100, 50, 200, 100);
    SetCursorPos(0, 0);
    user.releases = {CPoint(70, 40), std::nullopt};
    ASSERT_TRUE(t.Track(&surface, CPoint(30, 30)));
    CPoint pointer;
    ASSERT_TRUE(GetCursorPos(&pointer));
    EXPECT_EQ(pointer, CPoint(170, 90));
    // A cancelled drag leaves it alone.
    EXPECT_FALSE(t.TrackRubberBand(&surface, CPoint(5, 5)));
    GetCursorPos(&pointer);
    EXPECT_EQ(pointer, CPoint(170, 90));
}

}  // namespace
