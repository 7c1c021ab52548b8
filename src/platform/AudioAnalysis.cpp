#include "platform/AudioAnalysis.h"

#include <kiss_fftr.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace wl {

struct Fft256::Work {
    kiss_fftr_cfg config = kiss_fftr_alloc(kFrames, 0, nullptr, nullptr);
    std::array<float, kFrames> window{};
    std::array<float, kFrames> input{};
    std::array<kiss_fft_cpx, kFrames / 2 + 1> output{};

    Work() {
        // The periodic Hann window: a tone centred on a bin keeps exactly half its amplitude.
        for (std::size_t i = 0; i < kFrames; ++i) {
            window[i] = static_cast<float>(
                0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * static_cast<double>(i) / kFrames));
        }
    }
    ~Work() { kiss_fftr_free(config); }
    Work(const Work&) = delete;
    Work& operator=(const Work&) = delete;
};

Fft256::Fft256() : work_(std::make_unique<Work>()) {}

Fft256::~Fft256() = default;

void Fft256::compute(std::span<const StereoFrame, kFrames> frames, FftMagnitudes& magnitudes) {
    Work& w = *work_;
    for (std::size_t i = 0; i < kFrames; ++i) {
        const float mixed = (static_cast<float>(frames[i].left) + frames[i].right) / 65536.0f;
        w.input[i] = mixed * w.window[i];
    }
    kiss_fftr(w.config, w.input.data(), w.output.data());
    // A sine of amplitude A on bin k gives |X[k]| = A x N/2 x 1/2 (the window's mean).
    constexpr float kScale = 4.0f / kFrames;
    for (std::size_t k = 0; k < magnitudes.size(); ++k) {
        magnitudes[k] = std::hypot(w.output[k].r, w.output[k].i) * kScale;
    }
}

std::uint32_t peakLevel(std::span<const StereoFrame> frames) {
    std::uint32_t left = 0;
    std::uint32_t right = 0;
    for (const StereoFrame& frame : frames) {
        left = std::max<std::uint32_t>(left, static_cast<std::uint32_t>(std::abs(frame.left)));
        right = std::max<std::uint32_t>(right, static_cast<std::uint32_t>(std::abs(frame.right)));
    }
    return left | (right << 16);
}

}  // namespace wl
