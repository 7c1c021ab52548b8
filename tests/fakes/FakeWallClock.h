#pragma once

#include "platform/WallClock.h"

namespace wl::test {

// A wall clock that shows whatever time the test sets.
class FakeWallClock final : public WallClock {
  public:
    LocalTime time;
    LocalTime now() const override { return time; }

    void set(int year, int month, int day, int hour, int minute, int second) {
        time.year = year;
        time.month = month;
        time.day = day;
        time.hour = hour;
        time.minute = minute;
        time.second = second;
    }
};

}  // namespace wl::test
