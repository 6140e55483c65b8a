// Thread timers and window timers on the virtual clock.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "SampleDialog.h"
#include "UiTestPrinting.h"
#include "platform/ui/ScriptedUser.h"
#include "platform/ui/Timers.h"

namespace {

using Firing = std::pair<std::uint64_t, UINT_PTR>;  // virtual time, timer id

std::vector<Firing>& firings() {
    static std::vector<Firing> list;
    return list;
}

void recordFiring(HWND, UINT message, UINT_PTR id, DWORD tick) {
    EXPECT_EQ(message, WM_TIMER);
    EXPECT_EQ(tick, GetTickCount());
    firings().emplace_back(ui::clockNow(), id);
}

class TimersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        firings().clear();
        start = ui::clockNow();
    }
    // Firing times relative to the start of the test.
    std::vector<Firing> relativeFirings() const {
        std::vector<Firing> out;
        for (auto [time, id] : firings())
            out.emplace_back(time - start, id);
        return out;
    }
    std::uint64_t start = 0;
};

TEST_F(TimersTest, AThreadTimerFiresAtEveryIntervalUntilKilled) {
    const UINT_PTR id = SetTimer(nullptr, 0, 50, recordFiring);
    ASSERT_NE(id, 0u);
    ui::advanceClock(49);
    EXPECT_TRUE(firings().empty());
    ui::advanceClock(1);
    ui::advanceClock(200);
    EXPECT_EQ(relativeFirings(),
              (std::vector<Firing>{{50, id}, {100, id}, {150, id}, {200, id}, {250, id}}));
    EXPECT_TRUE(KillTimer(nullptr, id));
    ui::advanceClock(500);
    EXPECT_EQ(firings().size(), 5u);
    EXPECT_FALSE(KillTimer(nullptr, id));
}

TEST_F(TimersTest, TimersFireInTheOrderOfTheirDueTimes) {
    const UINT_PTR a = SetTimer(nullptr, 0, 30, recordFiring);
    const UINT_PTR b = SetTimer(nullptr, 0, 50, recordFiring);
    ui::advanceClock(100);
    EXPECT_EQ(relativeFirings(),
              (std::vector<Firing>{{30, a}, {50, b}, {60, a}, {90, a}, {100, b}}));
    KillTimer(nullptr, a);
    KillTimer(nullptr, b);
}

TEST_F(TimersTest, ThreadTimerIdsAreGivenOutAndReusingOneReplacesTheTimer) {
    const UINT_PTR id = SetTimer(nullptr, 12345, 100, recordFiring);
    EXPECT_NE(id, 12345u);  // a new thread timer ignores the id asked for
    EXPECT_EQ(SetTimer(nullptr, id, 20, recordFiring), id);
    ui::advanceClock(40);
    EXPECT_EQ(relativeFirings(), (std::vector<Firing>{{20, id}, {40, id}}));
    EXPECT_EQ(SetTimer(nullptr, 0, 50, nullptr), 0u);  // a thread timer needs a callback
    KillTimer(nullptr, id);
}

TEST_F(TimersTest, IntervalsBelowTenMillisecondsCountAsTen) {
    const UINT_PTR id = SetTimer(nullptr, 0, 1, recordFiring);
    ui::advanceClock(25);
    EXPECT_EQ(relativeFirings(), (std::vector<Firing>{{10, id}, {20, id}}));
    KillTimer(nullptr, id);
}

// A window that records its WM_TIMER messages.
class TimerWindow : public CWnd {
  public:
    std::vector<Firing> ticks;
    void OnTimer(UINT_PTR id) override { ticks.emplace_back(ui::clockNow(), id); }
};

TEST_F(TimersTest, AWindowTimerSendsWmTimerAndDiesWithItsWindow) {
    TimerWindow window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, L"timers", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    const int before = ui::timerCount();
    EXPECT_EQ(window.SetTimer(7, 100), 7u);
    EXPECT_EQ(window.SetTimer(8, 40, recordFiring), 8u);  // a callback replaces WM_TIMER
    ui::advanceClock(250);
    ASSERT_EQ(window.ticks.size(), 2u);
    EXPECT_EQ(window.ticks[0], Firing(start + 100, 7));
    EXPECT_EQ(window.ticks[1], Firing(start + 200, 7));
    EXPECT_EQ(firings().size(), 6u);
    EXPECT_EQ(ui::timerCount(), before + 2);
    window.DestroyWindow();
    EXPECT_EQ(ui::timerCount(), before);
    ui::advanceClock(500);
    EXPECT_EQ(window.ticks.size(), 2u);
}

// A dialog that ends itself from a timer, as a delayed close does.
class SelfClosingDialog : public sample::SampleDialog {
  public:
    BOOL OnInitDialog() override {
        sample::SampleDialog::OnInitDialog();
        SetTimer(1, 50);
        return TRUE;
    }
    void OnTimer(UINT_PTR id) override {
        KillTimer(id);
        closedAt = ui::clockNow();
        EndDialog(IDRETRY);
    }
    std::uint64_t closedAt = 0;
};

TEST_F(TimersTest, TimersFireFromTheModalLoopWhileTheUserWaits) {
    sample::registerTemplate();
    ui::ScriptedUser user;
    user.onDialog(sample::kTemplate).advance(30).advance(30);
    SelfClosingDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDRETRY);
    EXPECT_EQ(dialog.closedAt - start, 50u);
    EXPECT_EQ(user.problems(), std::vector<Tvx_String>{});
}

}  // namespace
