#include "platform/WallClock.h"

#include <chrono>

#include "platform/Scheduler.h"

namespace wl {

namespace {

std::int64_t epochMillis() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

LocalTime fromEpochMillis(std::int64_t millis) {
    return localTimeAt(static_cast<std::time_t>(millis / 1000), static_cast<int>(millis % 1000));
}

}  // namespace

LocalTime localTimeAt(std::time_t seconds, int millisecond) {
    std::tm parts{};
    localtime_r(&seconds, &parts);
    LocalTime t;
    t.year = parts.tm_year + 1900;
    t.month = parts.tm_mon + 1;
    t.day = parts.tm_mday;
    t.dayOfWeek = parts.tm_wday;
    t.hour = parts.tm_hour;
    t.minute = parts.tm_min;
    t.second = parts.tm_sec;
    t.millisecond = millisecond;
    return t;
}

LocalTime SystemWallClock::now() const {
    return fromEpochMillis(epochMillis());
}

SchedulerWallClock::SchedulerWallClock(const Scheduler& scheduler)
    : scheduler_(scheduler), startMillis_(epochMillis() - scheduler.now()) {}

LocalTime SchedulerWallClock::now() const {
    return fromEpochMillis(startMillis_ + scheduler_.now());
}

}  // namespace wl
