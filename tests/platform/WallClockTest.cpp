#include "platform/WallClock.h"

#include <gtest/gtest.h>

#include "platform/Scheduler.h"

namespace wl {
namespace {

int secondsOfDay(const LocalTime& t) {
    return t.hour * 3600 + t.minute * 60 + t.second;
}

TEST(SchedulerWallClockTest, TimeOfDayMovesWithTheVirtualClock) {
    Scheduler scheduler;
    const SchedulerWallClock clock(scheduler);
    const LocalTime start = clock.now();
    scheduler.advance(90'000);
    const LocalTime later = clock.now();
    EXPECT_EQ((secondsOfDay(later) - secondsOfDay(start) + 86400) % 86400, 90);
}

TEST(LocalTimeTest, SplitsEpochSecondsIntoLocalFields) {
    setenv("TZ", "UTC", 1);
    tzset();
    const LocalTime t = localTimeAt(1'765'292'707, 250);  // Tuesday 9 December 2025, 15:05:07
    EXPECT_EQ(t.year, 2025);
    EXPECT_EQ(t.month, 12);
    EXPECT_EQ(t.day, 9);
    EXPECT_EQ(t.dayOfWeek, 2);
    EXPECT_EQ(t.hour, 15);
    EXPECT_EQ(t.minute, 5);
    EXPECT_EQ(t.second, 7);
    EXPECT_EQ(t.millisecond, 250);
}

}  // namespace
}  // namespace wl
