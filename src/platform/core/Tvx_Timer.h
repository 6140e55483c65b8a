// Tvx_Timer: a stopwatch that adds up the time between start and end over
// many runs; the module's profiling timers (gCalcMain, ...) are of this type.
//
// Rules:
// - start begins a run. A start while a run is open restarts it: the open run
//   is dropped, not counted (a step that failed leaves its timer running, and
//   its next start must not charge the idle time in between). So when one
//   timer is started again inside its own run (a re-entrant evaluation), only
//   the inner run is counted.
// - end closes the open run: its time is added and the run counted. An end
//   without an open run does nothing.
// - What is read back: elapsed() is the total time of all closed runs,
//   count() their number, isRunning() whether a run is open. reset() clears
//   all three.
// Time comes from a clock that tests may replace (setTimerClock), so that no
// test waits on real time. Otherwise it is the steady system clock, or, where
// the system keeps its own time by the processor's time-stamp counter, that
// counter (much cheaper to read) converted at its measured rate. Replace the
// clock only while no timer is running: a run is read by one clock at both
// ends. The timers belong to one thread.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

class Tvx_Timer {
  public:
    using Duration = std::chrono::nanoseconds;

    void start();
    void end();
    void reset();

    Duration elapsed() const { return total_; }
    double elapsedSeconds() const { return std::chrono::duration<double>(total_).count(); }
    long long count() const { return runs_; }
    bool isRunning() const { return running_; }

  private:
    Duration total_{0};
    std::int64_t startedAt_ = 0;  // in the clock's own units
    long long runs_ = 0;
    bool running_ = false;
};

// Replaces the clock of all timers (time since any fixed origin, never going
// back); an empty function returns to the steady system clock.
void setTimerClock(std::function<Tvx_Timer::Duration()> clock);
