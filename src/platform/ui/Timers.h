// Thread timers and window timers on a virtual clock.
//
// Time does not pass by itself: the clock stands still until advanceClock (or
// the scripted user's advance) moves it. Due timers are called from the message
// loop, the way the platform delivers WM_TIMER: a window timer sends WM_TIMER
// to its window (or calls its callback when it has one), a thread timer calls
// its callback. After firing, a timer is next due one interval after the time
// it fired; while the clock is advanced, each timer fires at every due time on
// the way, in the order of those times (ties: the timer set first fires first).
#pragma once

#include <cstdint>

#include "platform/ui/WinTypes.h"

// Sets a timer. With a window: the timer (window, id) is created or replaced,
// and id is returned (0 for an unknown window). Without a window: a thread
// timer, which needs a callback; an id of an existing thread timer replaces
// it, any other id is ignored and a new id is returned. 0 on failure. An
// interval below 10 ms counts as 10 ms.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC callback);
// Removes a timer; FALSE (and nothing happens) when there is no such timer.
BOOL KillTimer(HWND hwnd, UINT_PTR id);
// The virtual clock in milliseconds.
DWORD GetTickCount();

namespace ui {

// The virtual clock, in milliseconds since the start of the process.
std::uint64_t clockNow();
// Runs the message loop while moving the clock forward by `milliseconds`,
// firing every timer at each of its due times on the way.
void advanceClock(std::uint64_t milliseconds);
// Fires the timers that are due at the current time, once each. Returns the
// number fired.
int fireDueTimers();
// The number of live timers (thread and window).
int timerCount();
// Removes the timers of a window (called when it is destroyed).
void killWindowTimers(HWND hwnd);

}  // namespace ui
