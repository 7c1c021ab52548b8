#pragma once

#include <cstdint>
#include <ctime>

namespace wl {

class Scheduler;

// A local date and time as the operator reads it on the wall.
struct LocalTime {
    int year = 2000;
    int month = 1;      // 1..12
    int day = 1;        // 1..31
    int dayOfWeek = 0;  // 0 Sunday .. 6 Saturday
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// The source of the time of day. Injected everywhere the system reads the clock, so tests and
// simulations decide what time it is.
//
// Thread: main thread. Never allocates.
class WallClock {
  public:
    virtual ~WallClock() = default;
    virtual LocalTime now() const = 0;
};

// Converts seconds since the epoch (plus milliseconds) to local time with the machine's time zone.
LocalTime localTimeAt(std::time_t seconds, int millisecond);

// The machine's real local time.
class SystemWallClock final : public WallClock {
  public:
    LocalTime now() const override;
};

// The real local time at construction, moving on with the scheduler's (virtual) time.
class SchedulerWallClock final : public WallClock {
  public:
    explicit SchedulerWallClock(const Scheduler& scheduler);
    LocalTime now() const override;

  private:
    const Scheduler& scheduler_;
    std::int64_t startMillis_;  // since the epoch, when the scheduler stood at its time 0
};

}  // namespace wl
