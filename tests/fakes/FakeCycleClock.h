#pragma once

#include <cstdint>
#include <deque>

#include "output/CycleClock.h"

namespace wl::test {

// A high-resolution counter that returns the readings the test lined up, then the last one.
class FakeCycleClock final : public CycleClock {
  public:
    mutable std::deque<std::int64_t> readings;

    std::int64_t nanoseconds() const override {
        if (readings.size() > 1) {
            const std::int64_t reading = readings.front();
            readings.pop_front();
            return reading;
        }
        return readings.empty() ? 0 : readings.front();
    }
};

}  // namespace wl::test
