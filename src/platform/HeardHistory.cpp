#include "platform/HeardHistory.h"

namespace wl {

void HeardHistory::copy(std::uint64_t first, std::span<StereoFrame> out) const {
    const std::uint64_t end = count();
    const std::uint64_t oldest = end > kReadable ? end - kReadable : 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const std::uint64_t number = first + i;
        if (number < oldest || number >= end) {
            out[i] = {};
            continue;
        }
        const std::uint32_t packed = frames_[number % kFrames].load(std::memory_order_relaxed);
        out[i] = {static_cast<std::int16_t>(packed & 0xFFFF),
                  static_cast<std::int16_t>(packed >> 16)};
    }
}

}  // namespace wl
