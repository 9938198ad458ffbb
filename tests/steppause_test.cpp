#include "app/clock.h"
#include "app/steppause.h"
#include "worksheet/steppause.h"

#include <gtest/gtest.h>

#include <ctime>
#include <vector>

namespace {

using namespace std::chrono;
using namespace std::chrono_literals;

// A clock that moves only when the pause sleeps: each sleep lets the given time pass on
// a millisecond clock, whose reading in days moves in whole seconds.
class FakeClock : public Clock {
public:
    explicit FakeClock(milliseconds startWithinSecond)
        : now(startWithinSecond) {}

    double days() const override {
        ++reads;
        return 45000 + duration_cast<seconds>(now).count() / 86400.0;
    }
    milliseconds untilNextTick() const override { return 1000ms - now % 1000ms; }

    milliseconds now;
    mutable int reads = 0;
};

struct ClockOwner {
    explicit ClockOwner(milliseconds startWithinSecond)
        : m_fakeClock(startWithinSecond) {}
    FakeClock m_fakeClock;
};

// The window's pause, sleeping on the fake clock instead of the event loop.
class FakeHost : private ClockOwner, public StepPause {
public:
    explicit FakeHost(bool slow, milliseconds startWithinSecond = 0ms)
        : ClockOwner(startWithinSecond)
        , StepPause(m_fakeClock, [slow] { return slow ? Pace::Slow : Pace::Rapid; }) {}

    milliseconds now() const { return m_fakeClock.now; }
    int reads() const { return m_fakeClock.reads; }

    std::vector<milliseconds> sleeps;
    bool closeOnSleep = false;

protected:
    bool sleep(milliseconds duration) override {
        sleeps.push_back(duration);
        if (closeOnSleep) {
            stop();
            return StepPause::sleep(duration);
        }
        m_fakeClock.now += duration;
        return true;
    }
};

TEST(StepPause, in_fast_mode_returns_at_once_without_reading_the_clock) {
    FakeHost host(false);
    EXPECT_TRUE(host.re());
    EXPECT_EQ(host.reads(), 0);
    EXPECT_TRUE(host.sleeps.empty());
}

struct Start {
    milliseconds withinSecond;
    milliseconds expectedPause;
};

class SlowPauses : public testing::TestWithParam<Start> {};

TEST_P(SlowPauses, last_until_the_next_tick_of_the_seconds) {
    FakeHost host(true, GetParam().withinSecond);
    EXPECT_TRUE(host.re());
    EXPECT_EQ(host.now() - GetParam().withinSecond, GetParam().expectedPause);
    EXPECT_EQ(host.sleeps.size(), 1u); // one sleep to the tick, no polling
}

INSTANTIATE_TEST_SUITE_P(StepPause, SlowPauses,
                         testing::Values(Start{0ms, 1000ms}, Start{1ms, 999ms}, Start{500ms, 500ms},
                                         Start{999ms, 1ms}));

TEST(StepPause, eight_pauses_of_a_run_take_between_seven_and_eight_seconds) {
    for (const milliseconds start : {0ms, 250ms, 999ms}) {
        FakeHost host(true, start);
        for (int i = 0; i < 8; ++i)
            ASSERT_TRUE(host.re());
        EXPECT_GT(host.now() - start, 7000ms);
        EXPECT_LE(host.now() - start, 8000ms);
    }
}

TEST(StepPause, a_sleep_cut_short_by_an_early_timer_sleeps_again_until_the_tick) {
    class EarlyTimer : public FakeHost {
    public:
        EarlyTimer()
            : FakeHost(true, 100ms) {}
        bool sleep(milliseconds duration) override { return FakeHost::sleep(duration / 2 + 1ms); }
    } host;
    EXPECT_TRUE(host.re());
    EXPECT_EQ(host.now(), 1000ms);
    EXPECT_GT(host.sleeps.size(), 1u);
}

TEST(StepPause, a_closing_window_stops_the_pause) {
    FakeHost host(true, 300ms);
    host.closeOnSleep = true;
    EXPECT_FALSE(host.re());
}

struct LocalMoment {
    int year, month, day, hour, minute, second;
    double days;
};

class LocalClockDays : public testing::TestWithParam<LocalMoment> {};

TEST_P(LocalClockDays, count_days_from_the_end_of_1899_in_local_time) {
    const LocalMoment& m = GetParam();
    std::tm local{};
    local.tm_year = m.year - 1900;
    local.tm_mon = m.month - 1;
    local.tm_mday = m.day;
    local.tm_hour = m.hour;
    local.tm_min = m.minute;
    local.tm_sec = m.second;
    local.tm_isdst = -1;
    const auto moment = system_clock::from_time_t(std::mktime(&local));
    EXPECT_DOUBLE_EQ(localDays(moment), m.days);
    // Within the second the reading does not move.
    EXPECT_DOUBLE_EQ(localDays(moment + 999ms), m.days);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(StepPause, LocalClockDays, testing::Values(
    LocalMoment{1970, 1, 1, 0, 0, 0, 25569},
    LocalMoment{2000, 2, 29, 12, 0, 0, 36585.5},
    LocalMoment{2026, 12, 8, 23, 59, 59, 46364 + 86399 / 86400.0},
    LocalMoment{2026, 12, 9, 0, 0, 0, 46365}
));
// clang-format on

} // namespace
