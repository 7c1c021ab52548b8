// The sound card through SDL, on SDL's dummy driver: a device that takes buffers at the pace of
// a real one and plays them nowhere. Real time passes here (a few hundred milliseconds); the
// waits spin on the backend's own readings with a deadline, they never sleep.

#include <gtest/gtest.h>
#include <sndfile.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <thread>

#include "AudioTestFiles.h"
#include "fakes/TestSystem.h"
#include "platform/AudioBackendFactory.h"
#include "platform/SdlAudioOutput.h"
#include "platform/StreamAudioBackend.h"

namespace wl {
namespace {

constexpr int kRate = 44100;

// Spins until `done` holds or five seconds have passed; whether it held.
bool spinUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::yield();
    }
    return true;
}

class SoundCardTest : public ::testing::Test {
  protected:
    SoundCardTest() { setenv("SDL_AUDIODRIVER", "dummy", 1); }
    ~SoundCardTest() override { unsetenv("SDL_AUDIODRIVER"); }

    std::string song(const char* name, double seconds) {
        const std::string path = (dir.path() / name).string();
        test::writeSong(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, kRate, 2,
                        std::llround(seconds * kRate), test::rampSample);
        return path;
    }

    test::TempDir dir;
};

TEST_F(SoundCardTest, ASongPlaysThroughTheDeviceToItsEnd) {
    StreamAudioBackend audio(std::make_unique<SdlAudioOutput>());
    ASSERT_TRUE(audio.ready()) << audio.failureReason();
    EXPECT_NE(audio.outputDescription().find("dummy"), std::string::npos)
        << audio.outputDescription();
    const AudioChannel channel = audio.openPlaying(song("short.wav", 0.25));
    ASSERT_NE(channel, 0u) << audio.lastError();
    audio.play(channel, false);
    EXPECT_TRUE(audio.isActive(channel));
    ASSERT_TRUE(spinUntil([&] { return audio.position(channel) > 0; }));
    ASSERT_TRUE(spinUntil([&] { return !audio.isActive(channel); }));
    EXPECT_EQ(audio.position(channel), audio.lengthBytes(channel));
}

TEST_F(SoundCardTest, AStoppedSongHoldsItsPositionUntilPlayedAgain) {
    StreamAudioBackend audio(std::make_unique<SdlAudioOutput>());
    ASSERT_TRUE(audio.ready()) << audio.failureReason();
    const AudioChannel channel = audio.openPlaying(song("song.wav", 5.0));
    audio.play(channel, false);
    ASSERT_TRUE(spinUntil([&] { return audio.position(channel) > 4 * kRate / 20; }));
    audio.stop(channel);
    const std::int64_t stoppedAt = audio.position(channel);
    // The device keeps taking buffers; the stopped song gives none.
    const auto later = std::chrono::steady_clock::now() + std::chrono::milliseconds(60);
    ASSERT_TRUE(spinUntil([&] { return std::chrono::steady_clock::now() > later; }));
    EXPECT_EQ(audio.position(channel), stoppedAt);
    audio.play(channel, false);
    ASSERT_TRUE(spinUntil([&] { return audio.position(channel) > stoppedAt; }));
}

TEST_F(SoundCardTest, TheFactoryTakesTheCardWhenItOpensAndTheSilentOutputOtherwise) {
    std::int64_t clock = 0;
    AudioSetup setup;
    setup.clockMillis = [&clock] { return clock; };

    AudioChoice card = chooseAudioBackend(setup);
    EXPECT_TRUE(card.backend->ready());
    EXPECT_FALSE(card.fellBack);
    EXPECT_NE(card.report.find("SDL"), std::string::npos) << card.report;
    card.backend.reset();

    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    const AudioChoice fallback = chooseAudioBackend(setup);
    EXPECT_TRUE(fallback.backend->ready());
    EXPECT_TRUE(fallback.fellBack);
    EXPECT_NE(fallback.report.find("silent"), std::string::npos) << fallback.report;
    EXPECT_NE(fallback.report.find("no-such-driver"), std::string::npos) << fallback.report;

    setup.silent = true;
    const AudioChoice silent = chooseAudioBackend(setup);
    EXPECT_FALSE(silent.fellBack);
    EXPECT_NE(silent.report.find("--audio null"), std::string::npos) << silent.report;

    setup.silent = false;
    setup.virtualClock = true;
    const AudioChoice virtualClock = chooseAudioBackend(setup);
    EXPECT_NE(virtualClock.report.find("virtual clock"), std::string::npos) << virtualClock.report;
    // Paced by the clock it was given.
    const AudioChannel channel = virtualClock.backend->openPlaying(song("song.wav", 2.0));
    virtualClock.backend->play(channel, false);
    clock = 1000;
    EXPECT_EQ(virtualClock.backend->position(channel), 4 * kRate);
}

}  // namespace
}  // namespace wl
