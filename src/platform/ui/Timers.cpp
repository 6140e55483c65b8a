// The timer table and the virtual clock.
#include "platform/ui/Timers.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "platform/ui/MessageQueue.h"
#include "platform/ui/WinApi.h"
#include "platform/ui/WindowTree.h"

namespace ui {

namespace {

constexpr UINT kMinimumInterval = 10;
// Thread timer ids are given out from here, far above typical window timer ids.
constexpr UINT_PTR kFirstThreadTimerId = 0x7F00;

struct Timer {
    HWND hwnd;
    UINT_PTR id;
    UINT interval;
    TIMERPROC callback;
    std::uint64_t due;
    std::uint64_t order;  // creation order, for ties
};

struct TimerTable {
    std::vector<Timer> timers;
    std::uint64_t now = 0;
    std::uint64_t nextOrder = 0;
    UINT_PTR nextThreadId = kFirstThreadTimerId;
};

TimerTable& table() {
    static TimerTable* t = new TimerTable;  // outlives static objects that kill timers
    return *t;
}

Timer* findTimer(HWND hwnd, UINT_PTR id) {
    for (Timer& t : table().timers) {
        if (t.hwnd == hwnd && t.id == id)
            return &t;
    }
    return nullptr;
}

// The earliest due timer at or before `limit`, null when none.
const Timer* nextDue(std::uint64_t limit) {
    const Timer* best = nullptr;
    for (const Timer& t : table().timers) {
        if (t.due > limit)
            continue;
        if (!best || t.due < best->due || (t.due == best->due && t.order < best->order))
            best = &t;
    }
    return best;
}

void fire(HWND hwnd, UINT_PTR id) {
    Timer* t = findTimer(hwnd, id);
    if (!t)
        return;
    t->due = table().now + t->interval;
    const TIMERPROC callback = t->callback;
    const DWORD tick = static_cast<DWORD>(table().now);
    if (callback) {
        callback(hwnd, WM_TIMER, id, tick);
    } else {
        SendMessage(hwnd, WM_TIMER, id, 0);
    }
}

}  // namespace

std::uint64_t clockNow() {
    return table().now;
}

int fireDueTimers() {
    // Each timer due now fires once; collect first, since callbacks may add,
    // kill or re-arm timers.
    std::vector<std::pair<HWND, UINT_PTR>> due;
    std::vector<const Timer*> ordered;
    for (const Timer& t : table().timers) {
        if (t.due <= table().now)
            ordered.push_back(&t);
    }
    std::sort(ordered.begin(), ordered.end(), [](const Timer* a, const Timer* b) {
        return a->due != b->due ? a->due < b->due : a->order < b->order;
    });
    for (const Timer* t : ordered)
        due.emplace_back(t->hwnd, t->id);
    for (auto [hwnd, id] : due)
        fire(hwnd, id);
    return static_cast<int>(due.size());
}

void advanceClock(std::uint64_t milliseconds) {
    const std::uint64_t target = table().now + milliseconds;
    pumpMessages();
    while (const Timer* t = nextDue(target)) {
        table().now = std::max(table().now, t->due);
        fire(t->hwnd, t->id);
        pumpMessages();
    }
    table().now = target;
    pumpMessages();
}

int timerCount() {
    return static_cast<int>(table().timers.size());
}

void killWindowTimers(HWND hwnd) {
    std::erase_if(table().timers, [hwnd](const Timer& t) { return t.hwnd == hwnd; });
}

}  // namespace ui

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC callback) {
    using ui::table;
    const UINT interval = std::max(elapse, ui::kMinimumInterval);
    if (hwnd) {
        if (!ui::findWindow(hwnd))
            return 0;
    } else {
        if (!callback)
            return 0;
        if (!ui::findTimer(nullptr, id))
            id = table().nextThreadId++;
    }
    if (ui::Timer* existing = ui::findTimer(hwnd, id)) {
        existing->interval = interval;
        existing->callback = callback;
        existing->due = table().now + interval;
        return id;
    }
    table().timers.push_back(
        {hwnd, id, interval, callback, table().now + interval, table().nextOrder++});
    return id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    auto& timers = ui::table().timers;
    const auto before = timers.size();
    std::erase_if(timers, [&](const ui::Timer& t) { return t.hwnd == hwnd && t.id == id; });
    return timers.size() != before ? TRUE : FALSE;
}

DWORD GetTickCount() {
    return static_cast<DWORD>(ui::clockNow());
}
