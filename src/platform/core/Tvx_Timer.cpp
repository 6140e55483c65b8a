// The profiling stopwatch and its clocks.
#include "platform/core/Tvx_Timer.h"

#include <fstream>
#include <string>
#include <utility>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#define VTSS_HAS_TIME_STAMP_COUNTER 1
#endif

namespace {

using Nanoseconds = std::chrono::nanoseconds;

std::int64_t steadyNanoseconds() {
    return std::chrono::duration_cast<Nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The processor's time-stamp counter, when the system itself keeps time by
// it: Linux picks it as its clock source only when it runs at a constant
// rate and in step on every core. Reading it costs a few nanoseconds, against
// a few tens for the steady clock, and the timers are read hundreds of times
// per evaluation. Its ticks become nanoseconds at the rate measured against
// the steady clock since the first reading; once that span is long enough
// for the rate to be exact to a few millionths, the rate is kept.
class TickCounter {
  public:
    TickCounter() : available_(systemKeepsTimeByCounter()) {
        if (available_)
            readBoth(firstTicks_, firstNs_);
    }

    bool available() const { return available_; }

    std::uint64_t ticks() const {
#ifdef VTSS_HAS_TIME_STAMP_COUNTER
        return __rdtsc();
#else
        return 0;
#endif
    }

    Nanoseconds toDuration(std::uint64_t ticks) {
        if (!settled_)
            measureRate();
        return Nanoseconds(static_cast<std::int64_t>(static_cast<double>(ticks) * nsPerTick_));
    }

  private:
    static constexpr std::int64_t kSettledAfterNs = 10'000'000;

    // Both clocks at one moment: the counter is read on both sides of the
    // steady clock, again while something (the process being paused) came in
    // between, so that the rate is not thrown off by the pause.
    void readBoth(std::uint64_t& atTicks, std::int64_t& atNs) const {
        constexpr std::uint64_t kCloseTicks = 20'000;  // a few microseconds
        std::uint64_t closest = ~std::uint64_t{0};
        for (int attempt = 0; attempt < 16 && closest > kCloseTicks; ++attempt) {
            const std::uint64_t before = ticks();
            const std::int64_t ns = steadyNanoseconds();
            const std::uint64_t after = ticks();
            if (after - before < closest) {
                closest = after - before;
                atTicks = before + (after - before) / 2;
                atNs = ns;
            }
        }
    }

    static bool systemKeepsTimeByCounter() {
#ifdef VTSS_HAS_TIME_STAMP_COUNTER
        std::ifstream source("/sys/devices/system/clocksource/clocksource0/current_clocksource");
        std::string name;
        return source >> name && name == "tsc";
#else
        return false;
#endif
    }

    void measureRate() {
        // A rate needs some time to measure; at most a microsecond is waited
        // for, once, by a run that ends right after the first reading.
        while (steadyNanoseconds() - firstNs_ < 1000) {
        }
        std::uint64_t nowTicks = 0;
        std::int64_t nowNs = 0;
        readBoth(nowTicks, nowNs);
        const std::int64_t spanNs = nowNs - firstNs_;
        const std::uint64_t spanTicks = nowTicks - firstTicks_;
        if (spanTicks > 0 && spanNs > 0)
            nsPerTick_ = static_cast<double>(spanNs) / static_cast<double>(spanTicks);
        settled_ = spanNs >= kSettledAfterNs;
    }

    bool available_ = false;
    bool settled_ = false;
    std::uint64_t firstTicks_ = 0;
    std::int64_t firstNs_ = 0;
    double nsPerTick_ = 1.0;
};

// The clock of all timers: what a timer reads at start and end is
// nanoseconds of the replaced or the steady clock, or ticks of the counter.
struct TimerClock {
    std::function<Tvx_Timer::Duration()> replaced;
    TickCounter counter;

    std::int64_t read() const {
        if (replaced)
            return replaced().count();
        if (counter.available())
            return static_cast<std::int64_t>(counter.ticks());
        return steadyNanoseconds();
    }

    Tvx_Timer::Duration runTime(std::int64_t startedAt, std::int64_t endedAt) {
        if (!replaced && counter.available())
            return counter.toDuration(static_cast<std::uint64_t>(endedAt - startedAt));
        return Nanoseconds(endedAt - startedAt);
    }
};

TimerClock& timerClock() {
    static TimerClock clock;
    return clock;
}

}  // namespace

void setTimerClock(std::function<Tvx_Timer::Duration()> clock) {
    timerClock().replaced = std::move(clock);
}

void Tvx_Timer::start() {
    startedAt_ = timerClock().read();
    running_ = true;
}

void Tvx_Timer::end() {
    if (!running_)
        return;
    TimerClock& clock = timerClock();
    total_ += clock.runTime(startedAt_, clock.read());
    ++runs_;
    running_ = false;
}

void Tvx_Timer::reset() {
    total_ = Duration{0};
    runs_ = 0;
    running_ = false;
}
