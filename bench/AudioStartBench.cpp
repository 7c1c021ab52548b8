// How long a started song takes to reach the sound card: from `play` of an MP3 to the first of
// its frames handed to the device. Runs on the default sound device, or on SDL's dummy driver
// (which takes buffers at a real card's pace) where none opens; the label says which.

#include <benchmark/benchmark.h>
#include <sndfile.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <numbers>
#include <string>
#include <thread>
#include <vector>

#include "platform/SdlAudioOutput.h"
#include "platform/StreamAudioBackend.h"

namespace {

using Clock = std::chrono::steady_clock;

// Ten seconds of a 440 Hz tone as a 44.1 kHz stereo MP3.
std::string writeMp3() {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("wl-bench-" + std::to_string(::getpid()) + ".mp3"))
                                 .string();
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = 2;
    info.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) return {};
    std::vector<short> samples(2 * 44100 * 10);
    for (std::size_t i = 0; i < samples.size() / 2; ++i) {
        const auto value = static_cast<short>(
            12000 * std::sin(2.0 * std::numbers::pi * 440.0 * static_cast<double>(i) / 44100));
        samples[2 * i] = value;
        samples[2 * i + 1] = value;
    }
    sf_writef_short(file, samples.data(), 44100 * 10);
    sf_close(file);
    return path;
}

std::unique_ptr<wl::StreamAudioBackend> openSoundCard() {
    auto audio = std::make_unique<wl::StreamAudioBackend>(std::make_unique<wl::SdlAudioOutput>());
    if (audio->ready()) return audio;
    audio.reset();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    return std::make_unique<wl::StreamAudioBackend>(std::make_unique<wl::SdlAudioOutput>());
}

// Spins until the output has taken the channel's first frames; false after a second.
bool waitForFirstFrames(const wl::StreamAudioBackend& audio, wl::AudioChannel channel) {
    const auto deadline = Clock::now() + std::chrono::seconds(1);
    while (audio.takenPosition(channel) == 0) {
        if (Clock::now() > deadline) return false;
        std::this_thread::yield();
    }
    return true;
}

// From `play` to the song's first frames at the device. With `openedBefore`, the song was
// opened (and its decoder thread has had time to decode ahead) before play, as a show's song is
// when the fountain's mode starts it; without, opening the file is counted too.
void BM_AudioPlayToFirstFrame(benchmark::State& state, bool openedBefore) {
    const std::string mp3 = writeMp3();
    auto audio = openSoundCard();
    if (mp3.empty() || !audio->ready()) {
        state.SkipWithError("no MP3 or no sound output");
        return;
    }
    for (auto _ : state) {
        auto start = Clock::now();
        const wl::AudioChannel channel = audio->openPlaying(mp3);
        if (openedBefore) {
            const auto settled = Clock::now() + std::chrono::milliseconds(100);
            while (Clock::now() < settled) std::this_thread::yield();
            start = Clock::now();
        }
        audio->play(channel, false);
        const bool reached = waitForFirstFrames(*audio, channel);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        audio->release(channel);
        if (!reached) state.SkipWithError("the song never reached the device");
    }
    state.SetLabel(audio->outputDescription());
    std::filesystem::remove(mp3);
}
BENCHMARK_CAPTURE(BM_AudioPlayToFirstFrame, opened_song, true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);
BENCHMARK_CAPTURE(BM_AudioPlayToFirstFrame, open_and_play, false)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);

}  // namespace
