#pragma once

#include <cstdint>
#include <span>

namespace wl {

// One frame as the output mixes and the analysis reads it: the file's first two channels (a mono
// file gives its one channel to both).
struct StereoFrame {
    std::int16_t left = 0;
    std::int16_t right = 0;
};

// Converts `out.size()` frames of `channels`-channel interleaved samples.
//
// Thread: any. Never allocates.
void toStereo(const std::int16_t* interleaved, int channels, std::span<StereoFrame> out);

// Writes frames back as `channels`-channel 16-bit little-endian interleaved bytes (channels past
// the second are silent), as many whole or part frames as `bytes` holds.
void toInterleavedBytes(std::span<const StereoFrame> frames, int channels,
                        std::span<std::uint8_t> bytes);

// How many frames `bytes` bytes of `channels`-channel samples touch (a part frame counts).
std::size_t framesSpanned(std::size_t bytes, int channels);

}  // namespace wl
