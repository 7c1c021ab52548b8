#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/AudioMixer.h"
#include "platform/AudioOutput.h"

namespace wl {

// The sound card through SDL2's audio: one device opened at 44.1 kHz, 16-bit stereo, whose
// callback mixes the playing channels. Heard positions are stamped with the machine's monotonic
// clock; a frame handed over is taken to reach the speakers one device buffer later.
//
// Thread: main thread; the mixing runs on SDL's audio thread. Allocates in `start` only.
class SdlAudioOutput final : public AudioOutput {
  public:
    static constexpr int kRate = 44100;
    static constexpr int kBufferFrames = 512;  // 11.6 ms

    SdlAudioOutput() = default;
    ~SdlAudioOutput() override;
    SdlAudioOutput(const SdlAudioOutput&) = delete;
    SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

    bool start(AudioChannelTable& table, std::string& failure) override;
    void stop() override;
    void catchUp(AudioChannelTable&) override {}
    std::int64_t nowNanoseconds() const override;
    bool decodesInline() const override { return false; }
    std::string description() const override { return description_; }

  private:
    static void callback(void* self, std::uint8_t* stream, int bytes);

    std::unique_ptr<AudioMixer> mixer_;
    std::uint32_t device_ = 0;
    bool sdlStarted_ = false;
    std::string description_ = "sound card not started";
};

}  // namespace wl
