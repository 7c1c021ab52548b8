#include "fakes/FakeAudioBackend.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace wl::test {

namespace {

std::string twoDecimals(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(value));
    return text;
}

}  // namespace

void FakeAudioBackend::addSong(const std::string& path, Song song) {
    const std::lock_guard lock(mutex_);
    songs_[path] = song;
}

void FakeAudioBackend::failStartup(std::string reason) {
    const std::lock_guard lock(mutex_);
    startupFailure_ = std::move(reason);
}

void FakeAudioBackend::followClock(std::function<std::int64_t()> nowMillis) {
    const std::lock_guard lock(mutex_);
    clock_ = std::move(nowMillis);
    for (auto& [number, open] : open_) {
        open.clockSeen = clock_();
        open.clockCarry = 0;
    }
}

void FakeAudioBackend::hear(AudioChannel channel, std::int64_t bytes) {
    const std::lock_guard lock(mutex_);
    if (Open* open = find(channel)) {
        open->state.position = std::clamp<std::int64_t>(bytes, 0, open->song.lengthBytes);
    }
}

void FakeAudioBackend::finish(AudioChannel channel) {
    hear(channel, INT64_MAX);
}

void FakeAudioBackend::queueLevels(AudioChannel channel, const std::vector<std::uint32_t>& levels) {
    const std::lock_guard lock(mutex_);
    if (Open* open = find(channel))
        open->levels.insert(open->levels.end(), levels.begin(), levels.end());
}

void FakeAudioBackend::setFft(AudioChannel channel, const FftMagnitudes& magnitudes) {
    const std::lock_guard lock(mutex_);
    if (Open* open = find(channel)) open->fft = magnitudes;
}

void FakeAudioBackend::setSampleData(AudioChannel channel, const std::vector<std::uint8_t>& bytes) {
    const std::lock_guard lock(mutex_);
    if (Open* open = find(channel)) open->samples = bytes;
}

std::vector<std::string> FakeAudioBackend::calls() const {
    const std::lock_guard lock(mutex_);
    return calls_;
}

void FakeAudioBackend::clearCalls() {
    const std::lock_guard lock(mutex_);
    calls_.clear();
}

std::optional<FakeAudioBackend::ChannelState> FakeAudioBackend::channel(
    AudioChannel channel) const {
    const std::lock_guard lock(mutex_);
    const auto found = open_.find(channel);
    if (found == open_.end()) return std::nullopt;
    moveWithClock(found->second);
    return found->second.state;
}

std::vector<AudioChannel> FakeAudioBackend::openChannels() const {
    const std::lock_guard lock(mutex_);
    std::vector<AudioChannel> numbers;
    for (const auto& [number, open] : open_) numbers.push_back(number);
    return numbers;
}

float FakeAudioBackend::outputVolume() const {
    const std::lock_guard lock(mutex_);
    return outputVolume_;
}

bool FakeAudioBackend::ready() const {
    const std::lock_guard lock(mutex_);
    return startupFailure_.empty();
}

std::string FakeAudioBackend::failureReason() const {
    const std::lock_guard lock(mutex_);
    return startupFailure_;
}

AudioChannel FakeAudioBackend::open(const std::string& path, bool decodeOnly, const char* call) {
    const std::lock_guard lock(mutex_);
    AudioChannel number = 0;
    const auto song = songs_.find(path);
    if (!startupFailure_.empty()) {
        lastError_ = startupFailure_;
        lastErrorCode_ = 1;
    } else if (song == songs_.end()) {
        lastError_ = "no decoder reads " + path;
        lastErrorCode_ = 2;
    } else {
        number = nextChannel_++;
        Open& open = open_[number];
        open.song = song->second;
        open.state.path = path;
        open.state.decodeOnly = decodeOnly;
        open.state.frequency = static_cast<float>(song->second.rate);
        if (clock_) open.clockSeen = clock_();
    }
    record(std::string(call) + " " + path + " -> " + std::to_string(number));
    return number;
}

AudioChannel FakeAudioBackend::openPlaying(const std::string& path) {
    return open(path, false, "openPlaying");
}

AudioChannel FakeAudioBackend::openDecodeOnly(const std::string& path) {
    return open(path, true, "openDecodeOnly");
}

void FakeAudioBackend::release(AudioChannel channel) {
    const std::lock_guard lock(mutex_);
    open_.erase(channel);
    record("release " + std::to_string(channel));
}

FakeAudioBackend::Open* FakeAudioBackend::find(AudioChannel channel) const {
    const auto found = open_.find(channel);
    if (found == open_.end()) {
        lastError_ = "no open music file has the channel number " + std::to_string(channel);
        lastErrorCode_ = 4;
        return nullptr;
    }
    moveWithClock(found->second);
    return &found->second;
}

std::int64_t FakeAudioBackend::bytesPerSecond(const Song& song) const {
    return static_cast<std::int64_t>(song.rate) * song.channels * 2;
}

void FakeAudioBackend::moveWithClock(Open& open) const {
    if (!clock_ || open.state.decodeOnly) return;
    const std::int64_t now = clock_();
    if (open.state.playing) {
        const double speed = open.state.frequency / static_cast<double>(open.song.rate);
        const std::int64_t frameBytes = 2LL * open.song.channels;
        // Whole frames only, the rest carried, so the position never drifts from the clock.
        const std::int64_t parts =
            std::llround(static_cast<double>(now - open.clockSeen) * open.song.rate * speed) +
            open.clockCarry;
        open.clockCarry = parts % 1000;
        open.state.position =
            std::min(open.state.position + parts / 1000 * frameBytes, open.song.lengthBytes);
    }
    open.clockSeen = now;
}

void FakeAudioBackend::record(std::string line) {
    calls_.push_back(std::move(line));
}

std::int64_t FakeAudioBackend::lengthBytes(AudioChannel channel) const {
    const std::lock_guard lock(mutex_);
    const Open* open = find(channel);
    return open == nullptr ? 0 : open->song.lengthBytes;
}

double FakeAudioBackend::bytesToSeconds(AudioChannel channel, std::int64_t bytes) const {
    const std::lock_guard lock(mutex_);
    const Open* open = find(channel);
    return open == nullptr
               ? 0.0
               : static_cast<double>(bytes) / static_cast<double>(bytesPerSecond(open->song));
}

std::int64_t FakeAudioBackend::secondsToBytes(AudioChannel channel, double seconds) const {
    const std::lock_guard lock(mutex_);
    const Open* open = find(channel);
    if (open == nullptr) return 0;
    return static_cast<std::int64_t>(std::floor(seconds * open->song.rate)) * 2 *
           open->song.channels;
}

std::int64_t FakeAudioBackend::fileSize(AudioChannel channel) const {
    const std::lock_guard lock(mutex_);
    const Open* open = find(channel);
    return open == nullptr ? 0 : open->song.fileSize;
}

void FakeAudioBackend::play(AudioChannel channel, bool restart) {
    const std::lock_guard lock(mutex_);
    if (Open* open = find(channel)) {
        if (restart) open->state.position = 0;
        open->state.playing = true;
    }
    record("play " + std::to_string(channel) + (restart ? " restart" : ""));
}

void FakeAudioBackend::stop(AudioChannel channel) {
    const std::lock_guard lock(mutex_);
    if (Open* open = find(channel)) open->state.playing = false;
    record("stop " + std::to_string(channel));
}

bool FakeAudioBackend::isActive(AudioChannel channel) const {
    const std::lock_guard lock(mutex_);
    const Open* open = find(channel);
    if (open == nullptr) return false;
    const bool atEnd = open->state.position >= open->song.lengthBytes;
    return (open->state.playing || open->state.decodeOnly) && !atEnd;
}

std::int64_t FakeAudioBackend::position(AudioChannel channel) const {
    const std::lock_guard lock(mutex_);
    const Open* open = find(channel);
    return open == nullptr ? 0 : open->state.position;
}

void FakeAudioBackend::setPosition(AudioChannel channel, std::int64_t bytes) {
    const std::lock_guard lock(mutex_);
    if (Open* open = find(channel)) {
        open->state.position = std::clamp<std::int64_t>(bytes, 0, open->song.lengthBytes);
    }
    record("setPosition " + std::to_string(channel) + " " + std::to_string(bytes));
}

void FakeAudioBackend::setVolume(AudioChannel channel, float volume) {
    const std::lock_guard lock(mutex_);
    if (Open* open = find(channel)) open->state.volume = volume;
    record("setVolume " + std::to_string(channel) + " " + twoDecimals(volume));
}

void FakeAudioBackend::setFrequency(AudioChannel channel, float hertz) {
    const std::lock_guard lock(mutex_);
    if (Open* open = find(channel)) open->state.frequency = hertz;
    record("setFrequency " + std::to_string(channel) + " " +
           std::to_string(std::lround(static_cast<double>(hertz))));
}

void FakeAudioBackend::setOutputVolume(float volume) {
    const std::lock_guard lock(mutex_);
    outputVolume_ = volume;
    record("setOutputVolume " + twoDecimals(volume));
}

bool FakeAudioBackend::fft256(AudioChannel channel, FftMagnitudes& magnitudes) {
    const std::lock_guard lock(mutex_);
    const Open* open = find(channel);
    magnitudes = open == nullptr ? FftMagnitudes{} : open->fft;
    return open != nullptr;
}

bool FakeAudioBackend::sampleData(AudioChannel channel, std::span<std::uint8_t> bytes) {
    const std::lock_guard lock(mutex_);
    const Open* open = find(channel);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = open != nullptr && i < open->samples.size() ? open->samples[i] : 0;
    }
    return open != nullptr;
}

std::uint32_t FakeAudioBackend::level(AudioChannel channel) {
    const std::lock_guard lock(mutex_);
    Open* open = find(channel);
    if (open == nullptr) return kAudioLevelError;
    if (open->state.decodeOnly) {
        const std::int64_t twentyMs = open->song.rate / 50 * 2LL * open->song.channels;
        open->state.position = std::min(open->state.position + twentyMs, open->song.lengthBytes);
    }
    if (open->levels.empty()) return 0;
    const std::uint32_t value = open->levels.front();
    open->levels.pop_front();
    return value;
}

std::string FakeAudioBackend::lastError() const {
    const std::lock_guard lock(mutex_);
    return lastError_;
}

int FakeAudioBackend::lastErrorCode() const {
    const std::lock_guard lock(mutex_);
    return lastErrorCode_;
}

}  // namespace wl::test
