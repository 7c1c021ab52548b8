// The fake stands in for the sound system in the music show's tests; these pin down the
// behaviour those tests rely on.

#include "fakes/FakeAudioBackend.h"

#include <gtest/gtest.h>

namespace wl::test {
namespace {

constexpr std::int64_t kMinute = 60 * 176'400;

TEST(FakeAudioBackendTest, RecordsChangesAndOpensOnlyTheSongsItWasGiven) {
    FakeAudioBackend audio;
    audio.addSong("/show/song.mp3", {kMinute, 44100, 2, 960'000});
    const AudioChannel channel = audio.openPlaying("/show/song.mp3");
    EXPECT_EQ(audio.openPlaying("/show/other.mp3"), 0u);
    EXPECT_EQ(audio.lastErrorCode(), 2);
    audio.play(channel, true);
    audio.setVolume(channel, 0.5f);
    audio.setFrequency(channel, 22050.0f);
    audio.setOutputVolume(1.0f);
    audio.setPosition(channel, 8820);
    audio.stop(channel);
    audio.release(channel);
    EXPECT_EQ(audio.calls(),
              (std::vector<std::string>{
                  "openPlaying /show/song.mp3 -> 1", "openPlaying /show/other.mp3 -> 0",
                  "play 1 restart", "setVolume 1 0.50", "setFrequency 1 22050",
                  "setOutputVolume 1.00", "setPosition 1 8820", "stop 1", "release 1"}));
    EXPECT_FALSE(audio.channel(channel));

    audio.failStartup("no sound card");
    EXPECT_FALSE(audio.ready());
    EXPECT_EQ(audio.openPlaying("/show/song.mp3"), 0u);
    EXPECT_EQ(audio.lastError(), "no sound card");
}

TEST(FakeAudioBackendTest, PlayingChannelsFollowTheClockToTheirEnd) {
    FakeAudioBackend audio;
    std::int64_t now = 0;
    audio.followClock([&now] { return now; });
    audio.addSong("/show/song.mp3", {kMinute});
    const AudioChannel channel = audio.openPlaying("/show/song.mp3");
    now = 500;
    EXPECT_EQ(audio.position(channel), 0) << "opened paused";
    audio.play(channel, false);
    now = 1500;
    EXPECT_EQ(audio.position(channel), 176'400);
    EXPECT_TRUE(audio.isActive(channel));
    audio.setFrequency(channel, 88200.0f);
    now = 2000;
    EXPECT_EQ(audio.position(channel), 176'400 + 176'400);
    now = 60'000;
    EXPECT_EQ(audio.position(channel), kMinute);
    EXPECT_FALSE(audio.isActive(channel));
}

TEST(FakeAudioBackendTest, DecodeOnlyChannelsMoveTwentyMillisecondsPerLevelReading) {
    FakeAudioBackend audio;
    audio.addSong("/show/song.mp3", {3528 * 2 + 100});
    const AudioChannel scan = audio.openDecodeOnly("/show/song.mp3");
    audio.queueLevels(scan, {0x00010002u});
    EXPECT_TRUE(audio.isActive(scan));
    EXPECT_EQ(audio.level(scan), 0x00010002u);
    EXPECT_EQ(audio.position(scan), 3528);
    EXPECT_EQ(audio.level(scan), 0u);
    EXPECT_EQ(audio.level(scan), 0u);
    EXPECT_FALSE(audio.isActive(scan));
    EXPECT_EQ(audio.position(scan), audio.lengthBytes(scan));
}

}  // namespace
}  // namespace wl::test
