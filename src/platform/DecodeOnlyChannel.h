#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/AudioAnalysis.h"
#include "platform/AudioDecoder.h"
#include "platform/StereoFrame.h"

namespace wl {

// A music file opened for decoding only, never heard: every reading decodes the frames after the
// last one read (a level reading the next 20 ms), which is how the waveform scan walks a song.
//
// Thread: one thread at a time, the one the channel was handed to. Allocates at construction
// only.
class DecodeOnlyChannel {
  public:
    explicit DecodeOnlyChannel(std::unique_ptr<AudioDecoder> decoder);

    AudioFormat format() const { return format_; }
    std::int64_t lengthFrames() const { return length_; }
    // Frames decoded so far; the length once the file has ended.
    std::int64_t positionFrames() const { return position_; }
    // Until the file has ended.
    bool active() const { return !ended_; }

    void seek(std::int64_t frame);
    std::uint32_t level();
    void sampleData(std::span<std::uint8_t> bytes);
    void fft(FftMagnitudes& magnitudes);

  private:
    // Decodes the next `out.size()` frames; past the end they are silent.
    void decode(std::span<StereoFrame> out);

    std::unique_ptr<AudioDecoder> decoder_;
    const AudioFormat format_;
    const std::int64_t length_;
    std::int64_t position_ = 0;
    bool ended_ = false;
    std::vector<std::int16_t> decoded_;
    std::vector<StereoFrame> frames_;
    Fft256 fft_;
};

}  // namespace wl
