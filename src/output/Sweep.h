#pragma once

#include <cstdint>

namespace wl {

// Rescales a level 0..255 into lo..hi (`raschetSweep`), with the integer steps of the original
// arithmetic so stored shows keep their exact output: 0..255 leaves the level unchanged, and a
// range with hi <= lo gives lo.
//
// Thread: any. Never allocates.
constexpr std::uint8_t raschetSweep(std::uint8_t value, std::uint8_t lo, std::uint8_t hi) {
    if (lo == 0 && hi == 255) return value;  // the full range is the identity; skip the division
    std::int32_t span = (hi - lo) * 100;
    if (span <= 0) span = 1;
    const std::int32_t divisor = 255000 / span;
    std::int32_t result = value * 100 / divisor / 10 + lo;
    if (result >= hi) result = hi;
    if (lo >= result) result = lo;
    return static_cast<std::uint8_t>(result);
}

}  // namespace wl
