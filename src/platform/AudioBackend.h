#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace wl {

// A channel of one opened music file; 0 is never a valid channel.
using AudioChannel = std::uint32_t;

// What a channel's level reading gives: the left peak in the low 16 bits and the right peak in the
// high 16 bits (0..32768 each), over the samples since the last reading.
inline constexpr std::uint32_t kAudioLevelError = 0xFFFFFFFFu;

// Magnitudes of a 256-sample FFT with a Hann window: 128 bins, a full-scale sine gives about 1.0
// in its bin.
using FftMagnitudes = std::array<float, 128>;

// The sound system as the music show sees it: music files opened as channels, played, paused,
// sought and analysed. Positions and lengths are in bytes of 16-bit interleaved PCM at the file's
// own sample rate and channel count (a 44.1 kHz stereo song runs at 176,400 bytes a second).
//
// A playing channel reports as its position the frame being heard at the speakers (the device's
// buffering subtracted), so a show follows the music rather than the decoder. A decode-only
// channel is never heard; reading its level decodes the next 20 ms, which the waveform scan uses.
//
// Thread: the owner of the music show (the engine thread) calls every operation; a decode-only
// channel may be handed to one other thread (the waveform scan), which then is the only caller for
// that channel until it frees it. Opening allocates; playing, position, level and FFT readings do
// not.
class AudioBackend {
  public:
    virtual ~AudioBackend() = default;

    // Whether the sound system could be started; when false, `failureReason` says why and every
    // open fails.
    virtual bool ready() const = 0;
    virtual std::string failureReason() const = 0;

    // Opens a music file for playing (paused at its start), or for decoding only. Returns 0 when no
    // decoder accepts the file; `lastError` then says why.
    virtual AudioChannel openPlaying(const std::string& path) = 0;
    virtual AudioChannel openDecodeOnly(const std::string& path) = 0;
    // Stops and forgets the channel; 0 or an unknown channel is ignored.
    virtual void release(AudioChannel channel) = 0;

    virtual std::int64_t lengthBytes(AudioChannel channel) const = 0;
    virtual double bytesToSeconds(AudioChannel channel, std::int64_t bytes) const = 0;
    virtual std::int64_t secondsToBytes(AudioChannel channel, double seconds) const = 0;
    // The size of the music file on disk.
    virtual std::int64_t fileSize(AudioChannel channel) const = 0;

    // Starts or resumes playing; with `restart` from the start of the file.
    virtual void play(AudioChannel channel, bool restart) = 0;
    // Stops where it is; `play` resumes there.
    virtual void stop(AudioChannel channel) = 0;
    // Playing (false once stopped, paused or past the end).
    virtual bool isActive(AudioChannel channel) const = 0;
    // The position being heard for a playing channel, the decoder's position for a decode-only one.
    virtual std::int64_t position(AudioChannel channel) const = 0;
    virtual void setPosition(AudioChannel channel, std::int64_t bytes) = 0;

    // The channel's own volume, 0.0..1.0.
    virtual void setVolume(AudioChannel channel, float volume) = 0;
    // Playback rate in samples per second (the file's own rate plays at normal speed).
    virtual void setFrequency(AudioChannel channel, float hertz) = 0;
    // This program's output level, 0.0..1.0; never the system mixer.
    virtual void setOutputVolume(float volume) = 0;

    // Analysis of what is being heard; false (and zeros) when the channel has nothing to give.
    virtual bool fft256(AudioChannel channel, FftMagnitudes& magnitudes) = 0;
    // The first bytes of the sample data being heard (16-bit interleaved PCM).
    virtual bool sampleData(AudioChannel channel, std::span<std::uint8_t> bytes) = 0;
    virtual std::uint32_t level(AudioChannel channel) = 0;

    // The reason of the last failed call, and a number for it (0 when none).
    virtual std::string lastError() const = 0;
    virtual int lastErrorCode() const = 0;
};

}  // namespace wl
