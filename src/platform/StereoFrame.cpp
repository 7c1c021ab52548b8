#include "platform/StereoFrame.h"

namespace wl {

void toStereo(const std::int16_t* interleaved, int channels, std::span<StereoFrame> out) {
    for (std::size_t i = 0; i < out.size(); ++i) {
        const std::int16_t* frame = interleaved + i * static_cast<std::size_t>(channels);
        out[i] = {frame[0], channels > 1 ? frame[1] : frame[0]};
    }
}

void toInterleavedBytes(std::span<const StereoFrame> frames, int channels,
                        std::span<std::uint8_t> bytes) {
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const std::size_t sample = i / 2;
        const std::size_t frame = sample / static_cast<std::size_t>(channels);
        const std::size_t channel = sample % static_cast<std::size_t>(channels);
        std::int16_t value = 0;
        if (frame < frames.size() && channel < 2) {
            value = channel == 0 ? frames[frame].left : frames[frame].right;
        }
        const auto bits = static_cast<std::uint16_t>(value);
        bytes[i] = static_cast<std::uint8_t>(bits & 0xFF);
        if (i + 1 < bytes.size()) bytes[i + 1] = static_cast<std::uint8_t>(bits >> 8);
    }
}

std::size_t framesSpanned(std::size_t bytes, int channels) {
    const std::size_t frameBytes = 2 * static_cast<std::size_t>(channels);
    return (bytes + frameBytes - 1) / frameBytes;
}

}  // namespace wl
