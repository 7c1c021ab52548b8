#include "AudioTestFiles.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <vector>

namespace wl::test {

void writeSong(const std::string& path, int format, int rate, int channels, std::int64_t frames,
               const SampleAt& sample) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr) << path << ": " << sf_strerror(nullptr);
    constexpr std::int64_t kChunk = 4096;
    std::vector<std::int16_t> samples(static_cast<std::size_t>(kChunk * channels));
    for (std::int64_t start = 0; start < frames; start += kChunk) {
        const std::int64_t count = std::min(kChunk, frames - start);
        for (std::int64_t i = 0; i < count; ++i) {
            for (int c = 0; c < channels; ++c) {
                samples[static_cast<std::size_t>(i * channels + c)] = sample(start + i, c);
            }
        }
        ASSERT_EQ(sf_writef_short(file, samples.data(), count), count);
    }
    sf_close(file);
}

std::int16_t rampSample(std::int64_t frame, int channel) {
    return static_cast<std::int16_t>((frame % 4096) * 8 + channel * 3 - 16384);
}

SampleAt sine(double hertz, int rate, double amplitude) {
    return [=](std::int64_t frame, int) {
        return static_cast<std::int16_t>(
            std::lround(amplitude * std::sin(2.0 * std::numbers::pi * hertz *
                                             static_cast<double>(frame) / rate)));
    };
}

SampleAt steady(std::int16_t left, std::int16_t right) {
    return [=](std::int64_t, int channel) { return channel == 0 ? left : right; };
}

namespace {

void putWord(std::vector<char>& out, std::size_t at, int value) {
    out[at] = static_cast<char>((value >> 8) & 0xFF);
    out[at + 1] = static_cast<char>(value & 0xFF);
}

}  // namespace

void writeModule(const std::string& path) {
    constexpr std::size_t kSampleHeaders = 20;
    constexpr std::size_t kSongLength = kSampleHeaders + 31 * 30;
    constexpr std::size_t kPattern = kSongLength + 2 + 128 + 4;
    constexpr std::size_t kPatternBytes = 64 * 4 * 4;
    constexpr int kSampleWords = 32;
    std::vector<char> file(kPattern + kPatternBytes + 2 * kSampleWords, '\0');
    const std::string title = "generated";
    std::copy(title.begin(), title.end(), file.begin());
    // Sample 1: 64 bytes of square wave, full volume, looped whole.
    putWord(file, kSampleHeaders + 22, kSampleWords);
    file[kSampleHeaders + 25] = 64;
    putWord(file, kSampleHeaders + 26, 0);
    putWord(file, kSampleHeaders + 28, kSampleWords);
    file[kSongLength] = 1;  // one position in the order list: pattern 0
    file[kSongLength + 1] = 127;
    std::copy_n("M.K.", 4, file.begin() + static_cast<std::ptrdiff_t>(kSongLength + 2 + 128));
    // Row 0, channel 0: sample 1 at period 428, no effect.
    constexpr int kPeriod = 428;
    file[kPattern] = static_cast<char>((1 & 0xF0) | (kPeriod >> 8));
    file[kPattern + 1] = static_cast<char>(kPeriod & 0xFF);
    file[kPattern + 2] = static_cast<char>((1 & 0x0F) << 4);
    for (int i = 0; i < 2 * kSampleWords; ++i) {
        file[kPattern + kPatternBytes + static_cast<std::size_t>(i)] =
            static_cast<char>(i < kSampleWords ? 100 : -100);
    }
    std::ofstream out(path, std::ios::binary);
    out.write(file.data(), static_cast<std::streamsize>(file.size()));
    ASSERT_TRUE(out.good()) << path;
}

}  // namespace wl::test
