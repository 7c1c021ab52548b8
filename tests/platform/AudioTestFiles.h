#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace wl::test {

// The value of one sample of a generated song: frame number and channel in, sample out.
using SampleAt = std::function<std::int16_t(std::int64_t frame, int channel)>;

// Writes a song through the sound-file library; `format` is its format word (SF_FORMAT_WAV |
// SF_FORMAT_PCM_16, ...). Fails the running test when the file cannot be written.
void writeSong(const std::string& path, int format, int rate, int channels, std::int64_t frames,
               const SampleAt& sample);

// A different value for every frame and channel (for the first 4096 frames), so a misplaced
// frame shows.
std::int16_t rampSample(std::int64_t frame, int channel);

// A sine of `hertz` at `rate` and `amplitude` (32767 is full scale), the same on every channel.
SampleAt sine(double hertz, int rate, double amplitude);

// A constant level per channel: `left` on channel 0, `right` on the others.
SampleAt steady(std::int16_t left, std::int16_t right);

// A four-channel tracker module of one 64-row pattern at speed 6 and 125 beats a minute (7.68 s)
// with a looped square-wave sample struck on its first row.
void writeModule(const std::string& path);
inline constexpr double kModuleSeconds = 7.68;

}  // namespace wl::test
