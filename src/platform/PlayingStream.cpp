#include "platform/PlayingStream.h"

#include <algorithm>
#include <cmath>

namespace wl {

namespace {

constexpr double kFractionUnit = 4294967296.0;  // 2^32
constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;

// Whether a block decoded for `block` comes from a seek older than `current` (generations are
// 24-bit counters that wrap).
bool isOlder(std::uint32_t block, std::uint32_t current) {
    const std::uint32_t behind = (current - block) & 0xFFFFFF;
    return behind != 0 && behind < 0x800000;
}

}  // namespace

PlayingStream::PlayingStream(std::unique_ptr<AudioDecoder> decoder, WakeSignal* decoderWake)
    : format_(decoder->format()),
      length_(decoder->lengthFrames()),
      decoderWake_(decoderWake),
      hertz_(static_cast<float>(decoder->format().rate)),
      decoder_(std::move(decoder)),
      decoded_(static_cast<std::size_t>(AudioBlock::kFrames * format_.channels)) {}

// ---- Producer ----

bool PlayingStream::decodeAhead() {
    const std::uint64_t request = seekRequest_.load(std::memory_order_acquire);
    const auto generation = static_cast<std::int64_t>(request >> kGenerationShift);
    if (generation != producedGeneration_) {
        producedGeneration_ = generation;
        nextFrame_ = static_cast<std::int64_t>(request & kFrameMask);
        // A file that cannot be moved in ends where the seek wanted to be.
        lastSent_ = false;
        if (nextFrame_ < length_ && !decoder_->seek(nextFrame_)) nextFrame_ = length_;
    }
    if (lastSent_) return false;
    AudioBlock* block = ring_.writable();
    if (block == nullptr) return false;
    const std::int64_t wanted = std::min(AudioBlock::kFrames, length_ - nextFrame_);
    const std::int64_t got = wanted > 0 ? decoder_->read(decoded_.data(), wanted) : 0;
    toStereo(decoded_.data(), format_.channels,
             std::span(block->frames.data(), static_cast<std::size_t>(got)));
    block->startFrame = nextFrame_;
    block->count = got;
    block->generation = static_cast<std::uint32_t>(generation);
    block->last = got < AudioBlock::kFrames || nextFrame_ + got >= length_;
    ring_.push();
    nextFrame_ += got;
    lastSent_ = block->last;
    return true;
}

// ---- Consumer ----

void PlayingStream::followSeek() {
    const std::uint64_t request = seekRequest_.load(std::memory_order_acquire);
    const auto generation = static_cast<std::uint32_t>(request >> kGenerationShift);
    if (generation != generation_) {
        startGeneration(generation, static_cast<std::int64_t>(request & kFrameMask));
    }
    while (const AudioBlock* block = ring_.front()) {
        if (!isOlder(block->generation, generation_)) break;
        dropBlock();
    }
}

void PlayingStream::startGeneration(std::uint32_t generation, std::int64_t frame) {
    generation_ = generation;
    startFrame_ = frame;
    currentFrame_ = frame;
    historyStart_ = history_.added();
    blockOffset_ = 0;
    lastBlockTaken_ = false;
    drained_ = false;
    haveCurrent_ = false;
    haveNext_ = false;
    fraction_ = 0;
    pacedRemainder_ = 0;
}

void PlayingStream::dropBlock() {
    ring_.pop();
    blockOffset_ = 0;
    wakeDecoder();
}

bool PlayingStream::takeFrame(StereoFrame& frame, std::int64_t& number) {
    for (;;) {
        const AudioBlock* block = ring_.front();
        if (block == nullptr && decoderWake_ == nullptr && !lastBlockTaken_) {
            while (decodeAhead()) {
            }
            block = ring_.front();
        }
        // A block of a newer seek waits for the next hand-over, which starts that seek.
        if (block == nullptr || block->generation != generation_) return false;
        if (blockOffset_ < block->count) {
            frame = block->frames[static_cast<std::size_t>(blockOffset_)];
            number = block->startFrame + blockOffset_;
            ++blockOffset_;
            return true;
        }
        lastBlockTaken_ = block->last;
        dropBlock();
    }
}

bool PlayingStream::outOfFrames() const {
    const AudioBlock* block = ring_.front();
    if (block != nullptr && block->generation == generation_) {
        return block->last && blockOffset_ >= block->count;
    }
    return lastBlockTaken_;
}

void PlayingStream::render(std::span<float> mix, const HandOver& handOver) {
    followSeek();
    HeardAnchor anchor;
    anchor.frame = currentFrame_;
    anchor.fraction = fraction_;
    anchor.timeNs = handOver.nowNs;
    anchor.latencyNs = handOver.latencyNs;
    if (playing_.load(std::memory_order_acquire) && !drained_) {
        const double hertz = hertz_.load(std::memory_order_relaxed);
        anchor.framesPerSecond = hertz;
        const auto step =
            static_cast<std::uint64_t>(std::llround(hertz / handOver.deviceRate * kFractionUnit));
        const float gain = volume_.load(std::memory_order_relaxed) / 32768.0f;
        bool first = true;
        for (std::size_t i = 0; i + 1 < mix.size(); i += 2) {
            if (!haveCurrent_) {
                std::int64_t number = 0;
                if (!takeFrame(current_, number)) break;
                currentFrame_ = number;
                history_.add(current_);
                haveCurrent_ = true;
                if (first) anchor.frame = number;
            }
            first = false;
            if (!haveNext_) {
                std::int64_t number = 0;
                haveNext_ = takeFrame(next_, number);
            }
            // Linear interpolation between the frame being heard and the one after it.
            const StereoFrame& after = haveNext_ ? next_ : current_;
            const auto part = static_cast<float>(fraction_ / kFractionUnit);
            mix[i] += (current_.left + (after.left - current_.left) * part) * gain;
            mix[i + 1] += (current_.right + (after.right - current_.right) * part) * gain;
            const std::uint64_t sum = fraction_ + step;
            fraction_ = static_cast<std::uint32_t>(sum);
            for (std::uint64_t moves = sum >> 32; moves > 0 && haveCurrent_; --moves) {
                if (haveNext_) {
                    current_ = next_;
                    ++currentFrame_;
                    history_.add(current_);
                    std::int64_t number = 0;
                    haveNext_ = takeFrame(next_, number);
                } else {
                    haveCurrent_ = false;
                    ++currentFrame_;
                }
            }
        }
    }
    if (!haveCurrent_ && outOfFrames()) drained_ = true;
    anchor.lastFrame = currentFrame_;
    publish(anchor);
}

void PlayingStream::advanceTo(std::int64_t nowMs) {
    followSeek();
    HeardAnchor anchor;
    if (playing_.load(std::memory_order_acquire) && !drained_) {
        const std::int64_t hertz = std::llround(hertz_.load(std::memory_order_relaxed));
        const std::int64_t due = (nowMs - pacedMs_) * hertz + pacedRemainder_;
        pacedRemainder_ = due % 1000;
        std::int64_t owed = due / 1000;
        StereoFrame frame;
        std::int64_t number = 0;
        while (owed > 0 && takeFrame(frame, number)) {
            history_.add(frame);
            currentFrame_ = number + 1;
            --owed;
        }
        drained_ = outOfFrames();
        // What a lagging decoder could not give yet is heard as soon as it comes.
        if (!drained_) pacedRemainder_ += owed * 1000;
    }
    pacedMs_ = nowMs;
    anchor.frame = currentFrame_;
    anchor.lastFrame = currentFrame_;
    anchor.timeNs = nowMs * 1'000'000;
    publish(anchor);
}

void PlayingStream::publish(HeardAnchor anchor) {
    anchor.generation = generation_;
    anchor.startFrame = startFrame_;
    anchor.historyStart = historyStart_;
    anchor.drained = drained_;
    history_.publish();
    anchor_.write(anchor);
}

void PlayingStream::wakeDecoder() {
    if (decoderWake_ != nullptr) decoderWake_->raise();
}

// ---- Owner ----

void PlayingStream::requestSeek(std::int64_t frame) {
    generationAsked_ = (generationAsked_ + 1) & kGenerationMask;
    seekFrame_ = std::clamp<std::int64_t>(frame, 0, length_);
    lastHeard_ = seekFrame_;
    seekRequest_.store((std::uint64_t{generationAsked_} << kGenerationShift) |
                           static_cast<std::uint64_t>(seekFrame_),
                       std::memory_order_release);
    wakeDecoder();
}

void PlayingStream::play(bool restart, std::int64_t nowNs) {
    if (restart) {
        requestSeek(0);
    } else if (hear(nowNs).ended) {
        return;  // an ended channel stays at its end until it is moved
    }
    playingAsked_ = true;
    playing_.store(true, std::memory_order_release);
    wakeDecoder();
}

void PlayingStream::stop(std::int64_t nowNs) {
    const std::int64_t heard = heardFrame(nowNs);
    playingAsked_ = false;
    playing_.store(false, std::memory_order_release);
    // What was decoded past the heard frame is thrown away, so `play` resumes exactly here.
    requestSeek(heard);
}

void PlayingStream::seek(std::int64_t frame, std::int64_t nowNs) {
    if (hear(nowNs).ended) {
        playingAsked_ = false;
        playing_.store(false, std::memory_order_release);
    }
    requestSeek(frame);
}

PlayingStream::Heard PlayingStream::hear(std::int64_t nowNs) {
    Heard heard;
    heard.anchor = anchor_.read();
    const HeardAnchor& anchor = heard.anchor;
    if (anchor.generation != generationAsked_) {
        heard.frame = seekFrame_;
        return heard;
    }
    heard.current = true;
    double frame = static_cast<double>(anchor.frame) + anchor.fraction / kFractionUnit;
    if (anchor.framesPerSecond > 0) {
        const std::int64_t sinceHeard = nowNs - anchor.timeNs - anchor.latencyNs;
        frame += static_cast<double>(sinceHeard) * anchor.framesPerSecond / kNanosecondsPerSecond;
    }
    frame = std::clamp(frame, static_cast<double>(anchor.startFrame),
                       static_cast<double>(anchor.lastFrame));
    heard.frame = static_cast<std::int64_t>(std::floor(frame));
    heard.ended = anchor.drained && heard.frame >= anchor.lastFrame;
    // Device callbacks come in bursts; the heard position never steps back for it.
    heard.frame = heard.ended ? length_ : std::min(std::max(heard.frame, lastHeard_), length_);
    lastHeard_ = heard.frame;
    return heard;
}

std::int64_t PlayingStream::heardFrame(std::int64_t nowNs) {
    return hear(nowNs).frame;
}

std::int64_t PlayingStream::takenFrame() const {
    const HeardAnchor anchor = anchor_.read();
    return anchor.generation == generationAsked_ ? anchor.lastFrame : seekFrame_;
}

bool PlayingStream::active(std::int64_t nowNs) {
    return playingAsked_ && !hear(nowNs).ended;
}

std::int64_t PlayingStream::historyNumber(const Heard& heard) const {
    const HeardAnchor& anchor = heard.anchor;
    const std::int64_t frame = std::clamp(heard.frame, anchor.startFrame, anchor.lastFrame);
    return static_cast<std::int64_t>(anchor.historyStart) + (frame - anchor.startFrame);
}

void PlayingStream::readHistory(const Heard& heard, std::int64_t first,
                                std::span<StereoFrame> out) const {
    // Frames from before the seek belong to another place in the song: silence instead.
    const auto start = static_cast<std::int64_t>(heard.anchor.historyStart);
    const std::int64_t silent = heard.current
                                    ? std::clamp<std::int64_t>(start - first, 0, std::ssize(out))
                                    : std::ssize(out);
    std::fill_n(out.begin(), silent, StereoFrame{});
    history_.copy(static_cast<std::uint64_t>(first + silent),
                  out.subspan(static_cast<std::size_t>(silent)));
}

std::uint32_t PlayingStream::level(std::int64_t nowNs) {
    const Heard heard = hear(nowNs);
    if (!heard.current) return 0;
    const std::int64_t end = historyNumber(heard);
    const std::int64_t next =
        std::max({levelRead_, static_cast<std::int64_t>(heard.anchor.historyStart),
                  end - static_cast<std::int64_t>(HeardHistory::kReadable)});
    levelRead_ = end;
    std::uint32_t left = 0;
    std::uint32_t right = 0;
    std::array<StereoFrame, 512> chunk;
    for (std::int64_t first = next; first < end; first += std::ssize(chunk)) {
        const std::span<StereoFrame> part(
            chunk.data(),
            static_cast<std::size_t>(std::min<std::int64_t>(end - first, std::ssize(chunk))));
        readHistory(heard, first, part);
        const std::uint32_t peaks = peakLevel(part);
        left = std::max(left, peaks & 0xFFFF);
        right = std::max(right, peaks >> 16);
    }
    return left | (right << 16);
}

void PlayingStream::sampleData(std::int64_t nowNs, std::span<std::uint8_t> bytes) {
    const Heard heard = hear(nowNs);
    // The frames just heard, oldest first, as many as the bytes take.
    std::array<StereoFrame, Fft256::kFrames> frames;
    const std::size_t chunkBytes =
        frames.size() * static_cast<std::size_t>(format_.bytesPerFrame());
    std::int64_t first = historyNumber(heard) -
                         static_cast<std::int64_t>(framesSpanned(bytes.size(), format_.channels));
    for (std::size_t done = 0; done < bytes.size(); done += chunkBytes) {
        const std::span<std::uint8_t> part =
            bytes.subspan(done, std::min(chunkBytes, bytes.size() - done));
        const std::span<StereoFrame> chunk(frames.data(),
                                           framesSpanned(part.size(), format_.channels));
        readHistory(heard, first, chunk);
        toInterleavedBytes(chunk, format_.channels, part);
        first += std::ssize(chunk);
    }
}

void PlayingStream::fft(std::int64_t nowNs, FftMagnitudes& magnitudes) {
    const Heard heard = hear(nowNs);
    std::array<StereoFrame, Fft256::kFrames> frames;
    readHistory(heard, historyNumber(heard) - std::ssize(frames), frames);
    fft_.compute(frames, magnitudes);
}

}  // namespace wl
