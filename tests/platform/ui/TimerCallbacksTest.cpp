// Timers changed from inside timer callbacks: killing themselves or others,
// setting new ones, replacing their own interval, all on the virtual clock.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "platform/ui/Timers.h"

namespace {

using Firing = std::pair<std::uint64_t, char>;  // virtual time since the start, timer name

// Named thread timers whose callbacks run what a test asks of them.
class TimerBench {
  public:
    TimerBench() : start_(ui::clockNow()) { current() = this; }
    ~TimerBench() {
        for (const auto& [id, name] : names_)
            KillTimer(nullptr, id);
        current() = nullptr;
    }

    UINT_PTR set(char name, UINT interval, std::function<void()> onFire = nullptr) {
        const UINT_PTR id = SetTimer(nullptr, 0, interval, &TimerBench::fired);
        names_[id] = name;
        ids_[name] = id;
        actions_[name] = std::move(onFire);
        return id;
    }
    bool kill(char name) { return KillTimer(nullptr, ids_[name]) != FALSE; }
    // Gives a timer a new interval by setting its id again.
    void reset(char name, UINT interval) { SetTimer(nullptr, ids_[name], interval, &fired); }

    std::vector<Firing> firings;

  private:
    static TimerBench*& current() {
        static TimerBench* bench = nullptr;
        return bench;
    }
    static void fired(HWND, UINT, UINT_PTR id, DWORD) {
        TimerBench* bench = current();
        const char name = bench->names_[id];
        bench->firings.emplace_back(ui::clockNow() - bench->start_, name);
        if (auto& action = bench->actions_[name])
            action();
    }

    std::uint64_t start_;
    std::map<UINT_PTR, char> names_;
    std::map<char, UINT_PTR> ids_;
    std::map<char, std::function<void()>> actions_;
};

TEST(TimerCallbacks, ChangesMadeWhileFiringTakeEffectAtOnce) {
    struct Case {
        const char* what;
        std::function<void(TimerBench&)> setUp;
        std::uint64_t advance;
        std::vector<Firing> expected;
    };
    const Case cases[] = {
        {"a timer that kills itself fires once",
         [](TimerBench& b) { b.set('a', 20, [&b] { b.kill('a'); }); },
         100,
         {{20, 'a'}}},
        {"a timer killed by another due at the same time does not fire",
         [](TimerBench& b) {
             b.set('a', 30, [&b] { b.kill('b'); });
             b.set('b', 30);
         },
         100,
         {{30, 'a'}, {60, 'a'}, {90, 'a'}}},
        {"a timer set from a callback counts from the moment it is set",
         [](TimerBench& b) {
             b.set('a', 40, [&b] {
                 b.kill('a');
                 b.set('b', 25);
             });
         },
         100,
         {{40, 'a'}, {65, 'b'}, {90, 'b'}}},
        {"a timer that changes its own interval is next due one new interval later",
         [](TimerBench& b) { b.set('a', 10, [&b] { b.reset('a', 35); }); },
         100,
         {{10, 'a'}, {45, 'a'}, {80, 'a'}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TimerBench bench;
        c.setUp(bench);
        ui::advanceClock(c.advance);
        EXPECT_EQ(bench.firings, c.expected);
    }
}

TEST(TimerCallbacks, AdvancingInStepsFiresTheSameAsInOneGo) {
    std::vector<Firing> inOneGo;
    {
        TimerBench bench;
        bench.set('a', 30);
        bench.set('b', 45);
        ui::advanceClock(180);
        inOneGo = bench.firings;
    }
    TimerBench bench;
    bench.set('a', 30);
    bench.set('b', 45);
    for (int step = 0; step < 18; ++step)
        ui::advanceClock(10);
    EXPECT_EQ(bench.firings, inOneGo);
    EXPECT_EQ(inOneGo.size(), 10u);  // a: 30..180 (6), b: 45..180 (4)
}

}  // namespace
