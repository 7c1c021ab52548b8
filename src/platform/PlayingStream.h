#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/AudioAnalysis.h"
#include "platform/AudioBlockRing.h"
#include "platform/AudioDecoder.h"
#include "platform/HeardHistory.h"
#include "platform/SeqLocked.h"
#include "platform/StereoFrame.h"
#include "platform/WakeSignal.h"

namespace wl {

// What a playing channel's consumer last said about the frames it hands over, from which the
// owner works out the frame being heard at any moment.
struct HeardAnchor {
    std::uint32_t generation = 0;    // the seek this describes
    std::uint32_t fraction = 0;      // of `frame`, in units of 2^-32
    std::int64_t frame = 0;          // the frame being handed over at `timeNs`
    std::int64_t lastFrame = 0;      // the furthest frame handed over; the end once drained
    std::int64_t startFrame = 0;     // where the seek put the channel
    std::uint64_t historyStart = 0;  // the history number of `startFrame`
    std::int64_t timeNs = 0;
    std::int64_t latencyNs = 0;  // from hand-over to the speakers
    double framesPerSecond = 0;  // while playing, 0 while not
    bool drained = false;        // the last frame of the file has been handed over
};

// How an output hands frames to the listener: at what rate, how late they are heard, and when.
struct HandOver {
    int deviceRate = 0;
    std::int64_t latencyNs = 0;
    std::int64_t nowNs = 0;
};

// A music file opened for playing. Three sides share it:
// - the producer decodes ahead into a ring of blocks, from wherever the last seek asked;
// - the consumer takes frames from the ring (a device callback resampling them into its mix, or
//   the paced output counting them off its clock), keeps them in a history for the analysis and
//   publishes an anchor that says which frame it handed over when;
// - the owner plays, stops, seeks and sets volume and rate through atomics, and reads the heard
//   position, level, samples and spectrum from the anchor and the history.
// A seek is a new generation: blocks of older generations are thrown away unheard.
//
// Thread: producer members on the decoder thread (or on the consumer's thread when decoding
// inline); consumer members on the output's thread; owner members on the main thread. Never
// allocates or locks after construction.
class PlayingStream {
  public:
    // `decoderWake` is raised whenever the producer has something to do; null means the consumer
    // decodes itself whenever the ring runs dry (no decoder thread).
    PlayingStream(std::unique_ptr<AudioDecoder> decoder, WakeSignal* decoderWake);

    AudioFormat format() const { return format_; }
    std::int64_t lengthFrames() const { return length_; }

    // Producer: decodes one block if the ring has room; false when there was nothing to do.
    bool decodeAhead();

    // Consumer, device outputs: adds `frames` frames at the device's rate to `mix` (interleaved
    // stereo, full scale 1.0) at the channel's volume.
    void render(std::span<float> mix, const HandOver& handOver);
    // Consumer, paced output: hears everything due by `nowMs` of the pacing clock.
    void advanceTo(std::int64_t nowMs);

    // Owner.
    void play(bool restart, std::int64_t nowNs);
    void stop(std::int64_t nowNs);
    void seek(std::int64_t frame, std::int64_t nowNs);
    void setVolume(float volume) { volume_.store(volume, std::memory_order_relaxed); }
    void setFrequency(float hertz) { hertz_.store(hertz, std::memory_order_relaxed); }
    std::int64_t heardFrame(std::int64_t nowNs);
    // The furthest frame the output has taken since the last seek (ahead of the heard frame by
    // the output's buffering); the seek's frame until the output has taken one.
    std::int64_t takenFrame() const;
    bool active(std::int64_t nowNs);
    std::uint32_t level(std::int64_t nowNs);
    void sampleData(std::int64_t nowNs, std::span<std::uint8_t> bytes);
    void fft(std::int64_t nowNs, FftMagnitudes& magnitudes);

  private:
    static constexpr std::int64_t kNoGeneration = -1;
    static constexpr int kGenerationShift = 40;
    static constexpr std::uint64_t kFrameMask = (std::uint64_t{1} << kGenerationShift) - 1;
    static constexpr std::uint32_t kGenerationMask = 0xFFFFFF;

    // Consumer side.
    bool takeFrame(StereoFrame& frame, std::int64_t& number);
    // After a failed take: whether the file has run out rather than the decoder fallen behind.
    bool outOfFrames() const;
    void followSeek();
    void dropBlock();
    void startGeneration(std::uint32_t generation, std::int64_t frame);
    void publish(HeardAnchor anchor);
    void wakeDecoder();

    // Owner side.
    void requestSeek(std::int64_t frame);
    struct Heard {
        HeardAnchor anchor;
        std::int64_t frame = 0;
        bool current = false;  // the consumer has taken up the last seek
        bool ended = false;
    };
    Heard hear(std::int64_t nowNs);
    // The history number the heard frame has (or would have, once handed over).
    std::int64_t historyNumber(const Heard& heard) const;
    // Copies the frames numbered from `first`; frames from before the seek read as silence.
    void readHistory(const Heard& heard, std::int64_t first, std::span<StereoFrame> out) const;

    const AudioFormat format_;
    const std::int64_t length_;
    WakeSignal* const decoderWake_;

    // Shared.
    AudioBlockRing ring_;
    HeardHistory history_;
    SeqLocked<HeardAnchor> anchor_;
    std::atomic<std::uint64_t> seekRequest_{0};  // generation << 40 | frame
    std::atomic<bool> playing_{false};
    std::atomic<float> volume_{1.0f};
    std::atomic<float> hertz_;

    // Producer side.
    std::unique_ptr<AudioDecoder> decoder_;
    std::vector<std::int16_t> decoded_;
    std::int64_t producedGeneration_ = kNoGeneration;
    std::int64_t nextFrame_ = 0;
    bool lastSent_ = false;

    // Consumer side.
    std::uint32_t generation_ = 0;
    std::int64_t startFrame_ = 0;
    std::uint64_t historyStart_ = 0;
    std::int64_t blockOffset_ = 0;
    bool lastBlockTaken_ = false;
    bool drained_ = false;
    bool haveCurrent_ = false;
    bool haveNext_ = false;
    StereoFrame current_;
    StereoFrame next_;
    std::int64_t currentFrame_ = 0;  // the frame being handed over (the next one when none)
    std::uint32_t fraction_ = 0;
    std::int64_t pacedMs_ = 0;         // paced output: heard up to this time
    std::int64_t pacedRemainder_ = 0;  // frame parts (x 1000) carried to the next catch-up

    // Owner side.
    std::uint32_t generationAsked_ = 0;
    std::int64_t seekFrame_ = 0;
    bool playingAsked_ = false;
    std::int64_t lastHeard_ = 0;
    std::int64_t levelRead_ = 0;  // history number the last level reading reached
    Fft256 fft_;
};

}  // namespace wl
