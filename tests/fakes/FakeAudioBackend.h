#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/AudioBackend.h"

namespace wl::test {

// A sound system whose songs and readings the test sets. It records every call that changes
// something as a line:
//   "openPlaying /home/show.mp3 -> 1", "openDecodeOnly /home/show.mp3 -> 2", "release 2",
//   "play 1", "play 1 restart", "stop 1", "setPosition 1 8820", "setVolume 1 0.50",
//   "setFrequency 1 44100", "setOutputVolume 1.00"
// (a failed open records "-> 0"); readings (position, level, spectrum, ...) are not recorded.
//
// A playing channel stands where the test puts it (`hear`), or, once `followClock` is given a
// clock, moves on with it at its playback rate while playing; it ends (inactive, position ==
// length) when it reaches its length. A decode-only channel moves 20 ms on with every level
// reading, as the real one does. Level readings take the test's queued values in turn (0 when
// none are left); the spectrum and sample data are what the test set (zeros otherwise).
//
// Everything is locked, so a waveform scan thread may use a decode-only channel while the test
// looks.
class FakeAudioBackend final : public AudioBackend {
  public:
    struct Song {
        std::int64_t lengthBytes = 0;
        int rate = 44100;
        int channels = 2;
        std::int64_t fileSize = 0;
    };

    struct ChannelState {
        std::string path;
        bool decodeOnly = false;
        bool playing = false;
        std::int64_t position = 0;
        float volume = 1.0f;
        float frequency = 0.0f;  // the song's rate until set
    };

    // A music file the fake opens; any other path fails with "no decoder reads PATH".
    void addSong(const std::string& path, Song song);
    // The sound system did not start: `ready` is false and every open fails with `reason`.
    void failStartup(std::string reason);
    // From now on playing channels move on with this clock (milliseconds).
    void followClock(std::function<std::int64_t()> nowMillis);

    // Puts a channel's heard position (bytes), as the speakers would have got there.
    void hear(AudioChannel channel, std::int64_t bytes);
    // Plays a channel to its end: position == length, inactive.
    void finish(AudioChannel channel);
    void queueLevels(AudioChannel channel, const std::vector<std::uint32_t>& levels);
    void setFft(AudioChannel channel, const FftMagnitudes& magnitudes);
    void setSampleData(AudioChannel channel, const std::vector<std::uint8_t>& bytes);

    std::vector<std::string> calls() const;
    void clearCalls();
    // The channel's state; nothing once released or never opened.
    std::optional<ChannelState> channel(AudioChannel channel) const;
    std::vector<AudioChannel> openChannels() const;
    float outputVolume() const;

    bool ready() const override;
    std::string failureReason() const override;
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
    struct Open {
        ChannelState state;
        Song song;
        std::deque<std::uint32_t> levels;
        FftMagnitudes fft{};
        std::vector<std::uint8_t> samples;
        std::int64_t clockSeen = 0;   // the clock's time the position was last moved to
        std::int64_t clockCarry = 0;  // byte parts (x 1000) not moved yet
    };

    AudioChannel open(const std::string& path, bool decodeOnly, const char* call);
    // The open channel, moved on to the clock's time; null (and the error set) when unknown.
    Open* find(AudioChannel channel) const;
    void moveWithClock(Open& open) const;
    void record(std::string line);
    std::int64_t bytesPerSecond(const Song& song) const;

    mutable std::mutex mutex_;
    std::map<std::string, Song> songs_;
    std::string startupFailure_;
    std::function<std::int64_t()> clock_;
    mutable std::map<AudioChannel, Open> open_;
    AudioChannel nextChannel_ = 1;
    std::vector<std::string> calls_;
    float outputVolume_ = 1.0f;
    mutable std::string lastError_;
    mutable int lastErrorCode_ = 0;
};

}  // namespace wl::test
