#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "platform/AudioBackend.h"
#include "platform/AudioChannelTable.h"
#include "platform/AudioDecoderThread.h"
#include "platform/AudioOutput.h"

namespace wl {

// The numbers `lastErrorCode` gives.
enum AudioErrorCode : int {
    kAudioNoError = 0,
    kAudioNotStarted = 1,      // the sound output could not be started
    kAudioFileUnreadable = 2,  // no decoder reads the file
    kAudioTooManyChannels = 3,
    kAudioUnknownChannel = 4,
};

// The sound system: music files decoded by their libraries, heard through an output (a sound
// card, or the silent output paced by the program's clock). Playing channels decode ahead on a
// decoder thread (or, for an output on the virtual clock, on the main thread when needed) into
// lock-free rings that the output takes from; the heard position comes from what the output
// says it handed over and when.
//
// Thread: as `AudioBackend` says. The owner's readings and changes of a playing channel never
// allocate, lock or decode (decoding inline aside); opening allocates and reads the file.
class StreamAudioBackend final : public AudioBackend {
  public:
    explicit StreamAudioBackend(std::unique_ptr<AudioOutput> output);
    ~StreamAudioBackend() override;
    StreamAudioBackend(const StreamAudioBackend&) = delete;
    StreamAudioBackend& operator=(const StreamAudioBackend&) = delete;

    // What plays the sound, for the event log.
    std::string outputDescription() const { return output_->description(); }
    // How far into a playing channel the output has taken frames, in bytes: ahead of `position`
    // by the output's buffering. Shows when a started song first reaches the sound card.
    std::int64_t takenPosition(AudioChannel channel) const;

    bool ready() const override { return failureReason_.empty(); }
    std::string failureReason() const override { return failureReason_; }

    AudioChannel openPlaying(const std::string& path) override;
    AudioChannel openDecodeOnly(const std::string& path) override;
    void release(AudioChannel channel) override;

    std::int64_t lengthBytes(AudioChannel channel) const override;
    double bytesToSeconds(AudioChannel channel, std::int64_t bytes) const override;
    std::int64_t secondsToBytes(AudioChannel channel, double seconds) const override;
    std::int64_t fileSize(AudioChannel channel) const override;

    void play(AudioChannel channel, bool restart) override;
    void stop(AudioChannel channel) override;
    bool isActive(AudioChannel channel) const override;
    std::int64_t position(AudioChannel channel) const override;
    void setPosition(AudioChannel channel, std::int64_t bytes) override;

    void setVolume(AudioChannel channel, float volume) override;
    void setFrequency(AudioChannel channel, float hertz) override;
    void setOutputVolume(float volume) override;

    bool fft256(AudioChannel channel, FftMagnitudes& magnitudes) override;
    bool sampleData(AudioChannel channel, std::span<std::uint8_t> bytes) override;
    std::uint32_t level(AudioChannel channel) override;

    std::string lastError() const override;
    int lastErrorCode() const override;

  private:
    // The decoder of an openable file, or null with the error set.
    std::unique_ptr<AudioDecoder> openDecoder(const std::string& path);
    // The playing channel, heard up to now; null (and the error set) when it is not one.
    PlayingStream* heardPlaying(AudioChannel channel) const;
    AudioFormat formatOf(AudioChannel channel) const;
    void fail(AudioErrorCode code, std::string reason) const;
    void failUnknown(AudioChannel channel) const;

    std::unique_ptr<AudioOutput> output_;
    mutable AudioChannelTable table_;
    std::unique_ptr<AudioDecoderThread> decoderThread_;
    std::string failureReason_;

    mutable std::mutex errorMutex_;  // a decode-only channel may fail on another thread
    mutable std::string lastError_;
    mutable int lastErrorCode_ = kAudioNoError;
};

}  // namespace wl
