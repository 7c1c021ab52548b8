#include "platform/AudioMixer.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "platform/AudioChannelTable.h"

namespace wl {

AudioMixer::AudioMixer(AudioChannelTable& table, int deviceRate, std::int64_t latencyNs,
                       std::size_t chunkFrames)
    : table_(table), deviceRate_(deviceRate), latencyNs_(latencyNs), mix_(2 * chunkFrames) {}

void AudioMixer::render(std::int16_t* out, std::size_t frames, std::int64_t nowNs) {
    const std::size_t chunkFrames = mix_.size() / 2;
    for (std::size_t done = 0; done < frames; done += chunkFrames) {
        const std::size_t count = std::min(chunkFrames, frames - done);
        const std::span<float> mix(mix_.data(), 2 * count);
        std::fill(mix.begin(), mix.end(), 0.0f);
        // A later chunk of the same buffer reaches the speakers that much later.
        const HandOver handOver{
            deviceRate_, latencyNs_,
            nowNs + static_cast<std::int64_t>(done) * 1'000'000'000 / deviceRate_};
        table_.forEachPlaying(&table_.outputPass,
                              [&](PlayingStream& stream) { stream.render(mix, handOver); });
        const float volume = table_.outputVolume.load(std::memory_order_relaxed) * 32768.0f;
        std::int16_t* target = out + 2 * done;
        for (std::size_t i = 0; i < mix.size(); ++i) {
            target[i] = static_cast<std::int16_t>(
                std::lround(std::clamp(mix[i] * volume, -32768.0f, 32767.0f)));
        }
    }
}

}  // namespace wl
