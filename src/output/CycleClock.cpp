#include "output/CycleClock.h"

#include <chrono>

namespace wl {

std::int64_t SteadyCycleClock::nanoseconds() const {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
}

}  // namespace wl
