#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "platform/AudioBackend.h"
#include "platform/StereoFrame.h"

namespace wl {

// The spectrum of 256 frames, both channels mixed, through a Hann window: 128 magnitudes scaled
// so that a full-scale sine centred on a bin reads 1.0 there.
//
// Thread: one thread at a time (each channel has its own). Allocates at construction only.
class Fft256 {
  public:
    static constexpr std::size_t kFrames = 256;

    Fft256();
    ~Fft256();
    Fft256(const Fft256&) = delete;
    Fft256& operator=(const Fft256&) = delete;

    void compute(std::span<const StereoFrame, kFrames> frames, FftMagnitudes& magnitudes);

  private:
    struct Work;
    std::unique_ptr<Work> work_;
};

// The level reading of some frames: the left peak in the low 16 bits, the right peak in the high
// 16 bits, 0..32768 each.
//
// Thread: any. Never allocates.
std::uint32_t peakLevel(std::span<const StereoFrame> frames);

}  // namespace wl
