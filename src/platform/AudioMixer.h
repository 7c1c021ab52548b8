#pragma once

#include <cstdint>
#include <vector>

namespace wl {

class AudioChannelTable;

// Mixes every playing channel of the table into a sound device's buffer: each channel resampled
// to the device rate at its own volume and playback rate, the sum at this program's output
// volume. It also tells each channel when its frames are handed over and how late they will be
// heard, from which the channel's heard position follows.
//
// Thread: `render` on the device's callback thread only. Allocates at construction only; render
// never allocates, locks or waits.
class AudioMixer {
  public:
    // `latencyNs`: how long a frame handed over takes to reach the speakers. `chunkFrames`: the
    // most frames mixed in one go (longer buffers are mixed in turns).
    AudioMixer(AudioChannelTable& table, int deviceRate, std::int64_t latencyNs,
               std::size_t chunkFrames);

    // Fills `frames` interleaved stereo frames of `out`; `nowNs` is when the buffer is handed over
    // on the clock the owner reads heard positions with.
    void render(std::int16_t* out, std::size_t frames, std::int64_t nowNs);

    int deviceRate() const { return deviceRate_; }
    std::int64_t latencyNs() const { return latencyNs_; }

  private:
    AudioChannelTable& table_;
    const int deviceRate_;
    const std::int64_t latencyNs_;
    std::vector<float> mix_;
};

}  // namespace wl
