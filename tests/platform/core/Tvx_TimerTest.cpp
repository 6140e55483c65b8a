// The profiling stopwatch on a fake clock.
#include "platform/core/Tvx_Timer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using std::chrono::milliseconds;

class TimerTest : public testing::Test {
  protected:
    void SetUp() override {
        setTimerClock([this] { return Tvx_Timer::Duration(now); });
    }
    void TearDown() override { setTimerClock({}); }
    void advance(milliseconds step) { now += step; }
    Tvx_Timer::Duration now{0};
};

TEST_F(TimerTest, AddsUpClosedRunsAndCountsThem) {
    Tvx_Timer timer;
    timer.start();
    advance(milliseconds(30));
    timer.end();
    advance(milliseconds(1000));  // not running: not counted
    timer.start();
    advance(milliseconds(20));
    EXPECT_TRUE(timer.isRunning());
    EXPECT_EQ(timer.elapsed(), milliseconds(30));  // the open run is not in yet
    timer.end();
    EXPECT_FALSE(timer.isRunning());
    EXPECT_EQ(timer.elapsed(), milliseconds(50));
    EXPECT_EQ(timer.count(), 2);
    EXPECT_DOUBLE_EQ(timer.elapsedSeconds(), 0.05);
}

TEST_F(TimerTest, RestartDropsTheOpenRunAndStrayEndIsIgnored) {
    Tvx_Timer timer;
    timer.end();
    EXPECT_EQ(timer.count(), 0);
    timer.start();
    advance(milliseconds(500));  // a failed step leaves the timer running
    timer.start();
    advance(milliseconds(7));
    timer.end();
    timer.end();
    EXPECT_EQ(timer.elapsed(), milliseconds(7));
    EXPECT_EQ(timer.count(), 1);

    timer.start();
    timer.reset();
    EXPECT_EQ(timer.elapsed(), milliseconds(0));
    EXPECT_EQ(timer.count(), 0);
    EXPECT_FALSE(timer.isRunning());
}

// The system clock (whichever the timers read: the steady clock, or the
// counter converted at its measured rate) agrees with the steady clock.
TEST(Timer, RealClockAgreesWithTheSteadyClock) {
    Tvx_Timer timer;
    const auto spin = [](std::chrono::microseconds span) {
        const auto until = std::chrono::steady_clock::now() + span;
        while (std::chrono::steady_clock::now() < until) {
        }
    };
    // The process may be paused between the readings of the two clocks (on
    // a busy machine), so runs are repeated until one agrees; a timer whose
    // clock is wrong agrees in none.
    int agreeing = 0;
    for (int run = 0; run < 20 && agreeing < 3; ++run) {
        const auto before = std::chrono::steady_clock::now();
        timer.start();
        spin(std::chrono::milliseconds(4));
        timer.end();
        const auto after = std::chrono::steady_clock::now();
        const double expected = std::chrono::duration<double>(after - before).count();
        const double measured = std::chrono::duration<double>(timer.elapsed()).count();
        if (std::abs(measured - expected) < expected * 0.05)
            ++agreeing;
        timer.reset();
    }
    EXPECT_EQ(agreeing, 3);
}

}  // namespace
