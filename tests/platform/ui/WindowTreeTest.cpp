// The window tree: geometry, Z order, destruction, painting and resizing.
#include <gtest/gtest.h>

#include <functional>

#include "SampleDialog.h"
#include "UiTestPrinting.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/ScriptedUser.h"

namespace {

using Events = std::vector<Tvx_String>;

// A window that records the messages it gets, under its name.
class RecordingWindow : public CWnd {
  public:
    RecordingWindow(Events& log, const wchar_t* name) : log_(log), name_(name) {}
    void OnSize(UINT, int cx, int cy) override {
        log_.push_back(name_ + L" size " + Tvx_String(cx) + L"x" + Tvx_String(cy));
    }
    void OnDestroy() override { log_.push_back(name_ + L" destroy"); }
    void OnNcDestroy() override {
        log_.push_back(name_ + L" ncdestroy");
        CWnd::OnNcDestroy();
    }
    void OnPaint() override {
        log_.push_back(name_ + L" paint");
        CWnd::OnPaint();
    }
    BOOL OnEraseBkgnd(CDC* dc) override {
        log_.push_back(name_ + (dc ? L" erase" : L" erase without a context"));
        return TRUE;
    }

  private:
    Events& log_;
    Tvx_String name_;
};

TEST(WindowTree, ChildRectanglesAreInTheParentsClientCoordinates) {
    Events log;
    RecordingWindow top(log, L"top"), child(log, L"child"), grandchild(log, L"grandchild");
    ASSERT_TRUE(
        top.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(100, 50, 400, 350), nullptr, 0));
    ASSERT_TRUE(
        child.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(10, 20, 110, 120), &top, 1));
    ASSERT_TRUE(
        grandchild.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(5, 5, 25, 15), &child, 2));
    CRect screen;
    grandchild.GetWindowRect(&screen);
    EXPECT_EQ(screen, CRect(115, 75, 135, 85));
    top.ScreenToClient(&screen);
    EXPECT_EQ(screen, CRect(15, 25, 35, 35));
    CRect client;
    child.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 100, 100));
    log.clear();
    child.MoveWindow(0, 0, 100, 100);  // same size: no WM_SIZE
    child.MoveWindow(0, 0, 60, 40);
    EXPECT_EQ(log, Events{L"child size 60x40"});
    // Hiding the parent hides the children from view, not their own flag.
    top.ShowWindow(SW_HIDE);
    EXPECT_FALSE(grandchild.IsWindowVisible());
    EXPECT_TRUE(grandchild.GetStyle() & WS_VISIBLE);
    top.DestroyWindow();
}

TEST(WindowTree, DestructionRunsParentFirstThenFinishesChildrenFirst) {
    Events log;
    RecordingWindow top(log, L"top"), child(log, L"child"), owned(log, L"owned");
    top.CreateEx(0, nullptr, L"", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0);
    child.Create(nullptr, L"", WS_CHILD, CRect(0, 0, 10, 10), &top, 1);
    owned.CreateEx(0, nullptr, L"", WS_POPUP, CRect(0, 0, 10, 10), &top, 0);
    EXPECT_EQ(owned.GetOwner(), &top);
    log.clear();
    top.DestroyWindow();
    EXPECT_EQ(log, (Events{L"owned destroy", L"owned ncdestroy", L"top destroy", L"child destroy",
                           L"child ncdestroy", L"top ncdestroy"}));
    EXPECT_EQ(owned.m_hWnd, nullptr);
    EXPECT_EQ(child.m_hWnd, nullptr);
}

TEST(WindowTree, ZOrderFollowsSetWindowPos) {
    CWnd top;
    top.CreateEx(0, nullptr, L"", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0);
    HWND a =
        CreateWindowEx(0, L"STATIC", L"a", WS_CHILD, 0, 0, 5, 5, top, reinterpret_cast<HMENU>(1));
    HWND b =
        CreateWindowEx(0, L"STATIC", L"b", WS_CHILD, 0, 0, 5, 5, top, reinterpret_cast<HMENU>(2));
    HWND c =
        CreateWindowEx(0, L"STATIC", L"c", WS_CHILD, 0, 0, 5, 5, top, reinterpret_cast<HMENU>(3));
    EXPECT_EQ(GetWindow(top, GW_CHILD), a);
    SetWindowPos(a, c, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);  // a goes behind c
    EXPECT_EQ(GetWindow(top, GW_CHILD), b);
    EXPECT_EQ(GetWindow(c, GW_HWNDNEXT), a);
    SetWindowPos(c, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetWindow(top, GW_CHILD), c);
    EXPECT_EQ(GetWindow(b, GW_HWNDLAST), a);
    top.DestroyWindow();
}

TEST(WindowTree, InvalidatedVisibleWindowsArePaintedByTheLoopOnce) {
    Events log;
    RecordingWindow top(log, L"top");
    top.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 50, 50), nullptr, 0);
    ui::pumpMessages();
    log.clear();
    top.Invalidate();
    top.Invalidate();
    ui::pumpMessages();
    ui::pumpMessages();
    EXPECT_EQ(log, (Events{L"top erase", L"top paint"}));
    top.SetRedraw(FALSE);
    top.Invalidate();
    ui::pumpMessages();
    EXPECT_EQ(log.size(), 2u);
    top.DestroyWindow();
}

TEST(WindowTree, TheLoopErasesTheBackgroundBeforePaintingWhenAsked) {
    struct Case {
        const char* what;
        std::function<void(CWnd& top)> change;
        Events expected;
    };
    const Case cases[] = {
        {"invalidated with erasing",
         [](CWnd& w) { w.InvalidateRect(nullptr, TRUE); },
         {L"top erase", L"top paint"}},
        {"invalidated without erasing",
         [](CWnd& w) { w.InvalidateRect(nullptr, FALSE); },
         {L"top paint"}},
        {"erasing asked once of two invalidations",
         [](CWnd& w) {
             w.InvalidateRect(nullptr, TRUE);
             w.InvalidateRect(nullptr, FALSE);
         },
         {L"top erase", L"top paint"}},
        {"validated again before the loop runs",
         [](CWnd& w) {
             w.InvalidateRect(nullptr, TRUE);
             w.RedrawWindow(nullptr, nullptr, RDW_VALIDATE);
         },
         {}},
        {"redraw off",
         [](CWnd& w) {
             w.SetRedraw(FALSE);
             w.InvalidateRect(nullptr, TRUE);
         },
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Events log;
        RecordingWindow top(log, L"top");
        top.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 50, 50), nullptr, 0);
        ui::pumpMessages();
        log.clear();
        c.change(top);
        ui::pumpMessages();
        EXPECT_EQ(log, c.expected);
        top.DestroyWindow();
    }
}

// A dialog that paints its own background.
class BackgroundDialog : public sample::SampleDialog {
  public:
    BOOL OnEraseBkgnd(CDC* dc) override {
        log.push_back(dc ? L"erase" : L"erase without a context");
        return TRUE;
    }
    void OnPaint() override {
        log.push_back(L"paint");
        sample::SampleDialog::OnPaint();
    }
};

TEST(WindowTree, ADialogShownErasesItsBackgroundThenPaints) {
    sample::registerTemplate();
    ui::ScriptedUser user;
    user.onDialog(sample::kTemplate).click(IDCANCEL);
    BackgroundDialog dialog;
    dialog.DoModal();
    std::vector<Tvx_String> painting;
    for (const Tvx_String& entry : dialog.log) {
        if (entry.startsWith(L"erase", true) || entry.equal(L"paint", true))
            painting.push_back(entry);
    }
    ASSERT_GE(painting.size(), 2u);
    EXPECT_EQ(painting[0], Tvx_String(L"erase"));
    EXPECT_EQ(painting[1], Tvx_String(L"paint"));
    EXPECT_TRUE(user.problems().empty());
}

TEST(WindowTree, PostedMessagesOfAWindowDestroyedMeanwhileAreDropped) {
    Events log;
    RecordingWindow top(log, L"top");
    top.CreateEx(0, nullptr, L"", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0);
    EXPECT_TRUE(top.PostMessage(WM_SIZE, 0, MAKELPARAM(1, 1)));
    const int pending = ui::pendingMessageCount();
    top.DestroyWindow();
    EXPECT_EQ(ui::pumpMessages(), 0);
    EXPECT_LT(ui::pendingMessageCount(), pending);
}

// A resizable dialog with a minimum tracking size, and a button that destroys
// the dialog from its own click handler.
class ResizableDialog : public sample::SampleDialog {
  public:
    CSize minimum{200, 150};
    void OnGetMinMaxInfo(MINMAXINFO* info) override {
        info->ptMinTrackSize = POINT{minimum.cx, minimum.cy};
    }
};

TEST(WindowTree, TheUserCannotResizeBelowTheMinimumTrackingSize) {
    sample::registerTemplate();
    ui::ScriptedUser user;
    ResizableDialog dialog;
    ASSERT_TRUE(dialog.Create(sample::kTemplate));
    dialog.ShowWindow(SW_SHOW);
    user.perform(dialog, ui::DialogScript().resize(120, 400));
    CRect rect;
    dialog.GetWindowRect(&rect);
    EXPECT_EQ(rect.Size(), CSize(200, 400));
    dialog.MoveWindow(0, 0, 50, 50);  // the program itself is not held back
    dialog.GetWindowRect(&rect);
    EXPECT_EQ(rect.Size(), CSize(50, 50));
    EXPECT_EQ(user.problems(), Events{});
    dialog.DestroyWindow();
}

TEST(WindowTree, AModelessDialogMayDestroyItselfFromAControlsNotification) {
    sample::registerTemplate();
    ui::ScriptedUser user;
    struct ClosingDialog : sample::SampleDialog {
        ClosingDialog() {
            onClicked(sample::kOptionCheck, [this] { DestroyWindow(); });
        }
    } dialog;
    ASSERT_TRUE(dialog.Create(sample::kTemplate));
    dialog.ShowWindow(SW_SHOW);
    const HWND check = dialog.GetDlgItem(sample::kOptionCheck)->m_hWnd;
    EXPECT_TRUE(ui::input::click(check));
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_FALSE(IsWindow(check));
}

}  // namespace
