// The profiling stopwatch and its replaceable clock.
#include "platform/core/Tvx_Timer.h"

#include <utility>

namespace {

std::function<Tvx_Timer::Duration()>& timerClock() {
    static std::function<Tvx_Timer::Duration()> clock;
    return clock;
}

Tvx_Timer::Duration now() {
    if (timerClock())
        return timerClock()();
    return std::chrono::duration_cast<Tvx_Timer::Duration>(
        std::chrono::steady_clock::now().time_since_epoch());
}

}  // namespace

void setTimerClock(std::function<Tvx_Timer::Duration()> clock) {
    timerClock() = std::move(clock);
}

void Tvx_Timer::start() {
    startedAt_ = now();
    running_ = true;
}

void Tvx_Timer::end() {
    if (!running_)
        return;
    total_ += now() - startedAt_;
    ++runs_;
    running_ = false;
}

void Tvx_Timer::reset() {
    total_ = Duration{0};
    runs_ = 0;
    running_ = false;
}
