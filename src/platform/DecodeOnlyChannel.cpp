#include "platform/DecodeOnlyChannel.h"

#include <algorithm>

namespace wl {

namespace {

// A level reading decodes this much of the song.
constexpr int kLevelSpansPerSecond = 50;  // 20 ms

std::size_t framesPerRead(const AudioFormat& format) {
    return std::max<std::size_t>(
        {static_cast<std::size_t>(format.rate / kLevelSpansPerSecond), Fft256::kFrames, 1});
}

}  // namespace

DecodeOnlyChannel::DecodeOnlyChannel(std::unique_ptr<AudioDecoder> decoder)
    : decoder_(std::move(decoder)),
      format_(decoder_->format()),
      length_(decoder_->lengthFrames()),
      decoded_(framesPerRead(format_) * static_cast<std::size_t>(format_.channels)),
      frames_(framesPerRead(format_)) {}

void DecodeOnlyChannel::seek(std::int64_t frame) {
    position_ = std::clamp<std::int64_t>(frame, 0, length_);
    ended_ = position_ >= length_ || !decoder_->seek(position_);
    if (ended_) position_ = length_;
}

void DecodeOnlyChannel::decode(std::span<StereoFrame> out) {
    std::size_t got = 0;
    if (!ended_) {
        const std::int64_t wanted = std::min<std::int64_t>(std::ssize(out), length_ - position_);
        got = static_cast<std::size_t>(wanted > 0 ? decoder_->read(decoded_.data(), wanted) : 0);
        toStereo(decoded_.data(), format_.channels, out.first(got));
        position_ += static_cast<std::int64_t>(got);
        if (got < out.size() || position_ >= length_) {
            ended_ = true;
            position_ = length_;
        }
    }
    std::fill(out.begin() + static_cast<std::ptrdiff_t>(got), out.end(), StereoFrame{});
}

std::uint32_t DecodeOnlyChannel::level() {
    const std::span<StereoFrame> span(
        frames_.data(), static_cast<std::size_t>(format_.rate / kLevelSpansPerSecond));
    decode(span);
    return peakLevel(span);
}

void DecodeOnlyChannel::sampleData(std::span<std::uint8_t> bytes) {
    const std::size_t chunkBytes =
        frames_.size() * static_cast<std::size_t>(format_.bytesPerFrame());
    for (std::size_t done = 0; done < bytes.size(); done += chunkBytes) {
        const std::span<std::uint8_t> part =
            bytes.subspan(done, std::min(chunkBytes, bytes.size() - done));
        const std::span<StereoFrame> chunk(frames_.data(),
                                           framesSpanned(part.size(), format_.channels));
        decode(chunk);
        toInterleavedBytes(chunk, format_.channels, part);
    }
}

void DecodeOnlyChannel::fft(FftMagnitudes& magnitudes) {
    const std::span<StereoFrame, Fft256::kFrames> span(frames_.data(), Fft256::kFrames);
    decode(span);
    fft_.compute(span, magnitudes);
}

}  // namespace wl
