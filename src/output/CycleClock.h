#pragma once

#include <cstdint>

namespace wl {

// The high-resolution counter the output cycle reads to time itself ("CheckBoxTic").
//
// Thread: any. Never allocates.
class CycleClock {
  public:
    virtual ~CycleClock() = default;
    // Nanoseconds from an arbitrary fixed start; never goes backwards.
    virtual std::int64_t nanoseconds() const = 0;
};

// The machine's monotonic clock.
class SteadyCycleClock final : public CycleClock {
  public:
    std::int64_t nanoseconds() const override;
};

}  // namespace wl
