// The silent output on the virtual clock: songs "play" at exactly the clock's pace, decoded on
// the main thread, with the same positions, ends and readings a sound card gives.

#include <gtest/gtest.h>
#include <sndfile.h>

#include <array>
#include <cmath>
#include <fstream>

#include "AudioTestFiles.h"
#include "fakes/TestSystem.h"
#include "platform/PacedAudioOutput.h"
#include "platform/Scheduler.h"
#include "platform/StreamAudioBackend.h"

namespace wl {
namespace {

constexpr int kRate = 44100;
constexpr std::int64_t kBytesPerSecond = kRate * 4;  // 16-bit stereo
constexpr int kWav = SF_FORMAT_WAV | SF_FORMAT_PCM_16;

class SilentAudioTest : public ::testing::Test {
  protected:
    std::string song(const char* name, double seconds, const test::SampleAt& sample,
                     int format = kWav, int rate = kRate, int channels = 2) {
        const std::string path = (dir.path() / name).string();
        test::writeSong(path, format, rate, channels, std::llround(seconds * rate), sample);
        return path;
    }

    test::TempDir dir;
    Scheduler scheduler;
    StreamAudioBackend audio{
        std::make_unique<PacedAudioOutput>([this] { return scheduler.now(); }, true)};
};

TEST_F(SilentAudioTest, LengthsAndTimesAreInBytesOfTheFilesOwnFormat) {
    const AudioChannel stereo = audio.openPlaying(song("song.wav", 3.0, test::rampSample));
    ASSERT_NE(stereo, 0u) << audio.lastError();
    EXPECT_TRUE(audio.ready());
    EXPECT_EQ(audio.lengthBytes(stereo), 3 * kBytesPerSecond);
    EXPECT_EQ(audio.secondsToBytes(stereo, 1.0), kBytesPerSecond);
    EXPECT_EQ(audio.secondsToBytes(stereo, 0.05), 8820) << "one tick of a 44.1 kHz stereo song";
    EXPECT_DOUBLE_EQ(audio.bytesToSeconds(stereo, 3 * kBytesPerSecond), 3.0);
    EXPECT_GT(audio.fileSize(stereo), 3 * kBytesPerSecond);

    const AudioChannel mono = audio.openPlaying(
        song("mono.flac", 2.0, test::rampSample, SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 22050, 1));
    ASSERT_NE(mono, 0u) << audio.lastError();
    EXPECT_EQ(audio.lengthBytes(mono), 2 * 22050 * 2);
    EXPECT_EQ(audio.secondsToBytes(mono, 1.0), 44100);
}

TEST_F(SilentAudioTest, APlayingSongMovesExactlyWithTheClockAndHoldsWhileStopped) {
    const AudioChannel channel = audio.openPlaying(song("song.wav", 10.0, test::rampSample));
    EXPECT_FALSE(audio.isActive(channel)) << "opened paused at its start";
    scheduler.advance(500);
    EXPECT_EQ(audio.position(channel), 0);

    audio.play(channel, false);
    EXPECT_TRUE(audio.isActive(channel));
    scheduler.advance(1000);
    EXPECT_EQ(audio.position(channel), kBytesPerSecond);
    scheduler.advance(12);
    EXPECT_EQ(audio.position(channel), kBytesPerSecond + 12 * kBytesPerSecond / 1000);

    audio.stop(channel);
    EXPECT_FALSE(audio.isActive(channel));
    const std::int64_t stoppedAt = audio.position(channel);
    scheduler.advance(2000);
    EXPECT_EQ(audio.position(channel), stoppedAt);

    audio.play(channel, false);
    scheduler.advance(1000);
    EXPECT_EQ(audio.position(channel), stoppedAt + kBytesPerSecond) << "resumed where it stopped";

    audio.play(channel, true);
    EXPECT_EQ(audio.position(channel), 0) << "restart";
    scheduler.advance(250);
    EXPECT_EQ(audio.position(channel), kBytesPerSecond / 4);
}

TEST_F(SilentAudioTest, SeeksMoveThePositionAtOnceAndTheSamplesWithIt) {
    const AudioChannel channel = audio.openPlaying(song("song.wav", 10.0, test::rampSample));
    audio.play(channel, false);
    scheduler.advance(300);
    audio.setPosition(channel, 5 * kBytesPerSecond + 2);  // a byte inside a frame goes to its start
    EXPECT_EQ(audio.position(channel), 5 * kBytesPerSecond);

    scheduler.advance(100);
    const std::int64_t frame = 5 * kRate + kRate / 10;
    EXPECT_EQ(audio.position(channel), frame * 4);
    // The last frame heard is the one before the position.
    std::array<std::uint8_t, 16> bytes{};
    ASSERT_TRUE(audio.sampleData(channel, bytes));
    const auto sampleAt = [&](std::size_t i) {
        return static_cast<std::int16_t>(bytes[i] | (bytes[i + 1] << 8));
    };
    EXPECT_EQ(sampleAt(12), test::rampSample(frame - 1, 0));
    EXPECT_EQ(sampleAt(14), test::rampSample(frame - 1, 1));
    EXPECT_EQ(sampleAt(0), test::rampSample(frame - 4, 0));

    audio.setPosition(channel, audio.lengthBytes(channel) + 1000);
    EXPECT_EQ(audio.position(channel), audio.lengthBytes(channel)) << "held to the end";
}

TEST_F(SilentAudioTest, ASongEndsInactiveWithItsPositionAtItsLength) {
    const AudioChannel channel = audio.openPlaying(song("short.wav", 0.3, test::rampSample));
    audio.play(channel, false);
    scheduler.advance(299);
    EXPECT_TRUE(audio.isActive(channel));
    scheduler.advance(1);
    EXPECT_FALSE(audio.isActive(channel));
    EXPECT_EQ(audio.position(channel), audio.lengthBytes(channel));

    scheduler.advance(1000);
    audio.play(channel, false);
    EXPECT_FALSE(audio.isActive(channel)) << "an ended song stays ended until it is moved";
    audio.setPosition(channel, 0);
    EXPECT_FALSE(audio.isActive(channel)) << "moving an ended song does not start it";
    audio.play(channel, false);
    scheduler.advance(100);
    EXPECT_TRUE(audio.isActive(channel));
    EXPECT_EQ(audio.position(channel), kBytesPerSecond / 10);
}

TEST_F(SilentAudioTest, PlaybackRateSetsThePace) {
    const AudioChannel channel = audio.openPlaying(song("song.wav", 10.0, test::rampSample));
    audio.play(channel, false);
    audio.setFrequency(channel, 88200.0f);
    scheduler.advance(1000);
    EXPECT_EQ(audio.position(channel), 2 * kBytesPerSecond);
    audio.setFrequency(channel, 22050.0f);
    scheduler.advance(1000);
    EXPECT_EQ(audio.position(channel), 2 * kBytesPerSecond + kBytesPerSecond / 2);
}

TEST_F(SilentAudioTest, TheHeardPositionNeverDriftsOverALongSong) {
    // Ten minutes at a low rate keeps the file small; what counts is that the position is the
    // clock's, read every 12 ms as the track loop does, to the frame, to the end.
    constexpr int kLowRate = 8000;
    const AudioChannel channel =
        audio.openPlaying(song("long.flac", 600.0, test::steady(1000, 1000),
                               SF_FORMAT_FLAC | SF_FORMAT_PCM_16, kLowRate, 1));
    ASSERT_NE(channel, 0u) << audio.lastError();
    audio.play(channel, false);
    std::int64_t worst = 0;
    for (std::int64_t ms = 12; ms < 600'000; ms += 12) {
        scheduler.advance(12);
        const std::int64_t expected = ms * kLowRate / 1000 * 2;
        worst = std::max(worst, std::abs(audio.position(channel) - expected));
    }
    EXPECT_EQ(worst, 0);
    scheduler.advance(12);
    EXPECT_FALSE(audio.isActive(channel));
    EXPECT_EQ(audio.position(channel), audio.lengthBytes(channel));
}

TEST_F(SilentAudioTest, TheSpectrumOfAToneHasItsBinAtFullScale) {
    // Bin 16 of a 256-frame spectrum at 44.1 kHz.
    const double hertz = 16.0 * kRate / 256;
    const AudioChannel channel =
        audio.openPlaying(song("tone.wav", 2.0, test::sine(hertz, kRate, 32767)));
    FftMagnitudes bins{};
    ASSERT_TRUE(audio.fft256(channel, bins));
    EXPECT_FLOAT_EQ(*std::max_element(bins.begin(), bins.end()), 0.0f) << "nothing heard yet";

    audio.play(channel, false);
    scheduler.advance(100);
    ASSERT_TRUE(audio.fft256(channel, bins));
    EXPECT_NEAR(bins[16], 1.0, 0.01);
    EXPECT_NEAR(bins[15], 0.5, 0.01) << "the window's leakage into the neighbours";
    EXPECT_NEAR(bins[17], 0.5, 0.01);
    for (std::size_t k : {0u, 5u, 30u, 64u, 127u}) EXPECT_LT(bins[k], 0.01) << "bin " << k;
}

TEST_F(SilentAudioTest, LevelIsThePeakHeardSinceTheLastReading) {
    const AudioChannel channel =
        audio.openPlaying(song("steady.wav", 2.0, test::steady(-12000, 3000)));
    audio.play(channel, false);
    scheduler.advance(20);
    EXPECT_EQ(audio.level(channel), 12000u | (3000u << 16));
    EXPECT_EQ(audio.level(channel), 0u) << "nothing heard since";
}

TEST_F(SilentAudioTest, ADecodeOnlyChannelDecodesTwentyMillisecondsPerLevelReading) {
    const std::string path = song("steady.wav", 1.0, test::steady(8000, -16000));
    const AudioChannel scan = audio.openDecodeOnly(path);
    ASSERT_NE(scan, 0u) << audio.lastError();
    EXPECT_TRUE(audio.isActive(scan));
    EXPECT_EQ(audio.level(scan), 8000u | (16000u << 16));
    EXPECT_EQ(audio.position(scan), 882 * 4) << "20 ms of 44.1 kHz stereo";

    int readings = 1;
    while (audio.isActive(scan)) {
        audio.level(scan);
        ++readings;
    }
    EXPECT_EQ(readings, 50);
    EXPECT_EQ(audio.position(scan), audio.lengthBytes(scan));
    EXPECT_EQ(audio.level(scan), 0u) << "nothing left to decode";

    audio.setPosition(scan, 0);
    EXPECT_TRUE(audio.isActive(scan));
    FftMagnitudes bins{};
    ASSERT_TRUE(audio.fft256(scan, bins));
    EXPECT_EQ(audio.position(scan), 256 * 4) << "its spectrum decodes 256 frames too";
    audio.release(scan);
    EXPECT_EQ(audio.level(scan), kAudioLevelError);
    EXPECT_EQ(audio.lastErrorCode(), kAudioUnknownChannel);
}

TEST_F(SilentAudioTest, ChannelsAreIndependentAndReleasedNumbersStayDead) {
    const std::string path = song("song.wav", 5.0, test::rampSample);
    const AudioChannel first = audio.openPlaying(path);
    const AudioChannel scan = audio.openDecodeOnly(path);
    ASSERT_NE(first, 0u);
    ASSERT_NE(scan, 0u);
    EXPECT_NE(first, scan);
    audio.play(first, false);
    scheduler.advance(1000);
    audio.level(scan);
    EXPECT_EQ(audio.position(first), kBytesPerSecond);
    EXPECT_EQ(audio.position(scan), 882 * 4);

    audio.release(first);
    const AudioChannel second = audio.openPlaying(path);
    EXPECT_NE(second, first) << "a new number for the slot";
    EXPECT_FALSE(audio.isActive(first));
    EXPECT_EQ(audio.lastErrorCode(), kAudioUnknownChannel);
    EXPECT_EQ(audio.position(second), 0);
}

TEST_F(SilentAudioTest, AFileNoDecoderReadsGivesNoChannelAndTheReason) {
    const std::string path = (dir.path() / "broken.mp3").string();
    { std::ofstream(path) << "this is no song"; }
    EXPECT_EQ(audio.openPlaying(path), 0u);
    EXPECT_EQ(audio.lastErrorCode(), kAudioFileUnreadable);
    EXPECT_NE(audio.lastError().find("broken.mp3"), std::string::npos) << audio.lastError();
    // The next good file plays.
    const AudioChannel good = audio.openPlaying(song("good.wav", 1.0, test::rampSample));
    EXPECT_NE(good, 0u);
}

}  // namespace
}  // namespace wl
