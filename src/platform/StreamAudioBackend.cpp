#include "platform/StreamAudioBackend.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace wl {

namespace {

// Playback rates outside this range are held to it. The top is the window's highest rate; it
// keeps what a device buffer takes from a song inside what the heard history can hold.
constexpr float kLowestHertz = 100.0f;
constexpr float kHighestHertz = 192000.0f;

std::int64_t sizeOnDisk(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error ? 0 : static_cast<std::int64_t>(size);
}

}  // namespace

StreamAudioBackend::StreamAudioBackend(std::unique_ptr<AudioOutput> output)
    : output_(std::move(output)) {
    if (!output_->start(table_, failureReason_)) {
        if (failureReason_.empty()) failureReason_ = "the sound output could not be started";
        return;
    }
    if (!output_->decodesInline()) decoderThread_ = std::make_unique<AudioDecoderThread>(table_);
}

StreamAudioBackend::~StreamAudioBackend() {
    output_->stop();
    decoderThread_.reset();
}

std::unique_ptr<AudioDecoder> StreamAudioBackend::openDecoder(const std::string& path) {
    if (!ready()) {
        fail(kAudioNotStarted, failureReason_);
        return nullptr;
    }
    DecoderOpening opening = openAudioDecoder(path);
    if (!opening.decoder) fail(kAudioFileUnreadable, opening.failure);
    return std::move(opening.decoder);
}

AudioChannel StreamAudioBackend::openPlaying(const std::string& path) {
    auto decoder = openDecoder(path);
    if (!decoder) return 0;
    WakeSignal* wake = output_->decodesInline() ? nullptr : &table_.decoderWake;
    const AudioChannel channel = table_.addPlaying(
        std::make_unique<PlayingStream>(std::move(decoder), wake), sizeOnDisk(path));
    if (channel == 0) fail(kAudioTooManyChannels, "too many music files are open for playing");
    return channel;
}

AudioChannel StreamAudioBackend::openDecodeOnly(const std::string& path) {
    auto decoder = openDecoder(path);
    if (!decoder) return 0;
    const AudioChannel channel = table_.addDecoding(
        std::make_unique<DecodeOnlyChannel>(std::move(decoder)), sizeOnDisk(path));
    if (channel == 0) fail(kAudioTooManyChannels, "too many music files are open for decoding");
    return channel;
}

void StreamAudioBackend::release(AudioChannel channel) {
    table_.release(channel);
}

AudioFormat StreamAudioBackend::formatOf(AudioChannel channel) const {
    if (const PlayingStream* stream = table_.playing(channel)) return stream->format();
    if (const DecodeOnlyChannel* decoding = table_.decoding(channel)) return decoding->format();
    failUnknown(channel);
    return {};
}

std::int64_t StreamAudioBackend::lengthBytes(AudioChannel channel) const {
    if (const PlayingStream* stream = table_.playing(channel)) {
        return stream->lengthFrames() * stream->format().bytesPerFrame();
    }
    if (const DecodeOnlyChannel* decoding = table_.decoding(channel)) {
        return decoding->lengthFrames() * decoding->format().bytesPerFrame();
    }
    failUnknown(channel);
    return 0;
}

double StreamAudioBackend::bytesToSeconds(AudioChannel channel, std::int64_t bytes) const {
    const AudioFormat format = formatOf(channel);
    if (format.rate == 0) return 0.0;
    return static_cast<double>(bytes) / static_cast<double>(format.bytesPerFrame() * format.rate);
}

std::int64_t StreamAudioBackend::secondsToBytes(AudioChannel channel, double seconds) const {
    const AudioFormat format = formatOf(channel);
    return static_cast<std::int64_t>(std::floor(seconds * format.rate)) * format.bytesPerFrame();
}

std::int64_t StreamAudioBackend::fileSize(AudioChannel channel) const {
    if (table_.playing(channel) == nullptr && table_.decoding(channel) == nullptr) {
        failUnknown(channel);
        return 0;
    }
    return table_.fileSize(channel);
}

PlayingStream* StreamAudioBackend::heardPlaying(AudioChannel channel) const {
    PlayingStream* stream = table_.playing(channel);
    if (stream == nullptr) {
        failUnknown(channel);
        return nullptr;
    }
    output_->catchUp(table_);
    return stream;
}

void StreamAudioBackend::play(AudioChannel channel, bool restart) {
    if (PlayingStream* stream = heardPlaying(channel))
        stream->play(restart, output_->nowNanoseconds());
}

void StreamAudioBackend::stop(AudioChannel channel) {
    if (PlayingStream* stream = heardPlaying(channel)) stream->stop(output_->nowNanoseconds());
}

bool StreamAudioBackend::isActive(AudioChannel channel) const {
    if (DecodeOnlyChannel* decoding = table_.decoding(channel)) return decoding->active();
    PlayingStream* stream = heardPlaying(channel);
    return stream != nullptr && stream->active(output_->nowNanoseconds());
}

std::int64_t StreamAudioBackend::position(AudioChannel channel) const {
    if (DecodeOnlyChannel* decoding = table_.decoding(channel)) {
        return decoding->positionFrames() * decoding->format().bytesPerFrame();
    }
    PlayingStream* stream = heardPlaying(channel);
    if (stream == nullptr) return 0;
    return stream->heardFrame(output_->nowNanoseconds()) * stream->format().bytesPerFrame();
}

std::int64_t StreamAudioBackend::takenPosition(AudioChannel channel) const {
    const PlayingStream* stream = heardPlaying(channel);
    return stream == nullptr ? 0 : stream->takenFrame() * stream->format().bytesPerFrame();
}

void StreamAudioBackend::setPosition(AudioChannel channel, std::int64_t bytes) {
    if (DecodeOnlyChannel* decoding = table_.decoding(channel)) {
        decoding->seek(bytes / decoding->format().bytesPerFrame());
    } else if (PlayingStream* stream = heardPlaying(channel)) {
        stream->seek(bytes / stream->format().bytesPerFrame(), output_->nowNanoseconds());
    }
}

void StreamAudioBackend::setVolume(AudioChannel channel, float volume) {
    if (PlayingStream* stream = heardPlaying(channel))
        stream->setVolume(std::clamp(volume, 0.0f, 1.0f));
}

void StreamAudioBackend::setFrequency(AudioChannel channel, float hertz) {
    if (PlayingStream* stream = heardPlaying(channel)) {
        stream->setFrequency(std::clamp(hertz, kLowestHertz, kHighestHertz));
    }
}

void StreamAudioBackend::setOutputVolume(float volume) {
    table_.outputVolume.store(std::clamp(volume, 0.0f, 1.0f), std::memory_order_relaxed);
}

bool StreamAudioBackend::fft256(AudioChannel channel, FftMagnitudes& magnitudes) {
    if (DecodeOnlyChannel* decoding = table_.decoding(channel)) {
        decoding->fft(magnitudes);
        return true;
    }
    PlayingStream* stream = heardPlaying(channel);
    if (stream == nullptr) {
        magnitudes.fill(0.0f);
        return false;
    }
    stream->fft(output_->nowNanoseconds(), magnitudes);
    return true;
}

bool StreamAudioBackend::sampleData(AudioChannel channel, std::span<std::uint8_t> bytes) {
    if (DecodeOnlyChannel* decoding = table_.decoding(channel)) {
        decoding->sampleData(bytes);
        return true;
    }
    PlayingStream* stream = heardPlaying(channel);
    if (stream == nullptr) {
        std::fill(bytes.begin(), bytes.end(), std::uint8_t{0});
        return false;
    }
    stream->sampleData(output_->nowNanoseconds(), bytes);
    return true;
}

std::uint32_t StreamAudioBackend::level(AudioChannel channel) {
    if (DecodeOnlyChannel* decoding = table_.decoding(channel)) return decoding->level();
    PlayingStream* stream = heardPlaying(channel);
    return stream == nullptr ? kAudioLevelError : stream->level(output_->nowNanoseconds());
}

void StreamAudioBackend::fail(AudioErrorCode code, std::string reason) const {
    const std::lock_guard lock(errorMutex_);
    lastErrorCode_ = code;
    lastError_ = std::move(reason);
}

void StreamAudioBackend::failUnknown(AudioChannel channel) const {
    fail(kAudioUnknownChannel,
         "no open music file has the channel number " + std::to_string(channel));
}

std::string StreamAudioBackend::lastError() const {
    const std::lock_guard lock(errorMutex_);
    return lastError_;
}

int StreamAudioBackend::lastErrorCode() const {
    const std::lock_guard lock(errorMutex_);
    return lastErrorCode_;
}

}  // namespace wl
