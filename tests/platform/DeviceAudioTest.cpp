// A sound device stood in for by the test: the test decides when the device asks for a buffer
// and what time it is, so the heard position, the mixing and the hand-over of seeks can be
// checked frame by frame.

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <thread>
#include <vector>

#include "AudioTestFiles.h"
#include "fakes/TestSystem.h"
#include "platform/AudioChannelTable.h"
#include "platform/AudioMixer.h"
#include "platform/AudioOutput.h"
#include "platform/StreamAudioBackend.h"

namespace wl {
namespace {

constexpr int kRate = 44100;
constexpr std::size_t kBuffer = 512;
constexpr std::int64_t kLatencyNs = 11'609'977;  // one 512-frame buffer at 44.1 kHz
constexpr std::int64_t kMs = 1'000'000;
constexpr int kWav = SF_FORMAT_WAV | SF_FORMAT_PCM_16;

// A device at 44.1 kHz whose buffers the test asks for.
class TestDevice final : public AudioOutput {
  public:
    explicit TestDevice(bool decodeInline) : decodeInline_(decodeInline) {}

    bool start(AudioChannelTable& table, std::string&) override {
        mixer_ = std::make_unique<AudioMixer>(table, kRate, kLatencyNs, kBuffer);
        return true;
    }
    void stop() override {}
    void catchUp(AudioChannelTable&) override {}
    std::int64_t nowNanoseconds() const override { return now.load(); }
    bool decodesInline() const override { return decodeInline_; }
    std::string description() const override { return "test device"; }

    // The device takes a buffer at the present time.
    std::vector<std::int16_t> pull(std::size_t frames = kBuffer) {
        std::vector<std::int16_t> out(2 * frames);
        mixer_->render(out.data(), frames, now.load());
        return out;
    }

    std::atomic<std::int64_t> now{0};

  private:
    bool decodeInline_;
    std::unique_ptr<AudioMixer> mixer_;
};

class DeviceAudioTest : public ::testing::Test {
  protected:
    explicit DeviceAudioTest(bool decodeInline = true) {
        auto owned = std::make_unique<TestDevice>(decodeInline);
        device = owned.get();
        audio = std::make_unique<StreamAudioBackend>(std::move(owned));
    }

    std::string song(const char* name, double seconds, const test::SampleAt& sample,
                     int format = kWav, int rate = kRate, int channels = 2) {
        const std::string path = (dir.path() / name).string();
        test::writeSong(path, format, rate, channels, std::llround(seconds * rate), sample);
        return path;
    }

    std::int64_t frameAt() const { return audio->position(channel) / 4; }

    test::TempDir dir;
    TestDevice* device = nullptr;
    std::unique_ptr<StreamAudioBackend> audio;
    AudioChannel channel = 0;
};

TEST_F(DeviceAudioTest, TheHeardPositionIsWhatTheDeviceTookLessItsBuffering) {
    channel = audio->openPlaying(song("song.wav", 5.0, test::rampSample));
    audio->play(channel, false);
    const std::vector<std::int16_t> first = device->pull();
    for (std::size_t i : {0u, 1u, 511u}) {
        EXPECT_EQ(first[2 * i], test::rampSample(static_cast<std::int64_t>(i), 0)) << i;
        EXPECT_EQ(first[2 * i + 1], test::rampSample(static_cast<std::int64_t>(i), 1)) << i;
    }
    EXPECT_EQ(frameAt(), 0) << "taken, not heard yet";
    device->now = kLatencyNs + 5 * kMs;
    EXPECT_EQ(frameAt(), 220) << "5 ms into the buffer";
    device->now = kLatencyNs + 50 * kMs;
    EXPECT_EQ(frameAt(), 512) << "never past what the device took";

    device->now = 50 * kMs;
    const std::vector<std::int16_t> second = device->pull();
    EXPECT_EQ(second[0], test::rampSample(512, 0));
    device->now = 50 * kMs + kLatencyNs + 10 * kMs;
    EXPECT_EQ(frameAt(), 512 + 441);
    EXPECT_TRUE(audio->isActive(channel));
}

TEST_F(DeviceAudioTest, TheHeardPositionNeverDriftsOverALongSong) {
    // Ten minutes of a low-rate song through a 44.1 kHz device: the device takes a buffer every
    // 11.6 ms, up to 2 ms early or late; the position, read every 12 ms as the track loop does,
    // is off the frame at the speakers by no more than that jitter and never moves back.
    constexpr int kLowRate = 8000;
    channel = audio->openPlaying(song("long.flac", 600.0, test::steady(500, 500),
                                      SF_FORMAT_FLAC | SF_FORMAT_PCM_16, kLowRate, 1));
    ASSERT_NE(channel, 0u) << audio->lastError();
    audio->play(channel, false);
    const std::int64_t bufferNs = static_cast<std::int64_t>(kBuffer) * 1'000'000'000 / kRate;
    std::int64_t nextBuffer = 0;
    std::int64_t buffers = 0;
    std::int64_t worst = 0;
    std::int64_t last = 0;
    for (std::int64_t t = 0; t < 601'000 * kMs; t += 12 * kMs) {
        while (nextBuffer <= t) {
            device->now = nextBuffer;
            device->pull();
            ++buffers;
            const std::int64_t jitter = ((buffers * 7919) % 5 - 2) * kMs;  // -2..+2 ms
            nextBuffer = buffers * bufferNs + jitter;
        }
        device->now = t;
        const std::int64_t heard = audio->position(channel) / 2;
        const double truth =
            std::clamp(static_cast<double>(t - kLatencyNs) * kLowRate / 1e9, 0.0, 600.0 * kLowRate);
        worst = std::max<std::int64_t>(worst, std::llabs(heard - std::llround(truth)));
        EXPECT_GE(heard, last);
        last = heard;
    }
    EXPECT_LE(worst, 16 + 1) << "the device's 2 ms of jitter (16 frames at 8 kHz), no more";
    EXPECT_FALSE(audio->isActive(channel));
    EXPECT_EQ(audio->position(channel), audio->lengthBytes(channel));
}

TEST_F(DeviceAudioTest, ASeekThrowsAwayWhatWasDecodedAheadAndIsHeardAtOnce) {
    channel = audio->openPlaying(song("song.wav", 10.0, test::rampSample));
    audio->play(channel, false);
    device->pull();
    device->now = 20 * kMs;
    audio->setPosition(channel, 4 * kRate * 4 + 1000 * 4);
    EXPECT_EQ(frameAt(), 4 * kRate + 1000) << "before the device took it up";
    const std::vector<std::int16_t> after = device->pull();
    EXPECT_EQ(after[0], test::rampSample(4 * kRate + 1000, 0));
    EXPECT_EQ(after[2 * 511 + 1], test::rampSample(4 * kRate + 1000 + 511, 1));
    device->now = 20 * kMs + kLatencyNs + 1 * kMs;
    EXPECT_EQ(frameAt(), 4 * kRate + 1000 + 44);
}

TEST_F(DeviceAudioTest, StopHoldsTheHeardFrameAndPlayResumesFromIt) {
    channel = audio->openPlaying(song("song.wav", 10.0, test::rampSample));
    audio->play(channel, false);
    device->pull();
    device->now = kLatencyNs + 3 * kMs;
    const std::int64_t heard = frameAt();
    EXPECT_EQ(heard, 132);
    audio->stop(channel);
    EXPECT_FALSE(audio->isActive(channel));
    device->now = 100 * kMs;
    const std::vector<std::int16_t> silent = device->pull();
    EXPECT_TRUE(std::all_of(silent.begin(), silent.end(), [](auto s) { return s == 0; }));
    EXPECT_EQ(frameAt(), heard);

    audio->play(channel, false);
    const std::vector<std::int16_t> resumed = device->pull();
    EXPECT_EQ(resumed[0], test::rampSample(heard, 0))
        << "the frames taken but not heard come again";
}

TEST_F(DeviceAudioTest, ASongEndsWhenItsLastFrameIsHeard) {
    channel = audio->openPlaying(song("short.wav", 0.02, test::rampSample));  // 882 frames
    audio->play(channel, false);
    device->pull();
    device->now = 12 * kMs;
    const std::vector<std::int16_t> last = device->pull();
    EXPECT_EQ(last[2 * (881 - 512)], test::rampSample(881, 0));
    EXPECT_EQ(last[2 * (882 - 512)], 0) << "silence after the end";
    device->now = 12 * kMs + kLatencyNs;
    EXPECT_TRUE(audio->isActive(channel)) << "the last frames are still on their way";
    device->now = 12 * kMs + kLatencyNs + 9 * kMs;
    EXPECT_FALSE(audio->isActive(channel));
    EXPECT_EQ(audio->position(channel), audio->lengthBytes(channel));
}

TEST_F(DeviceAudioTest, ChannelVolumeOutputVolumeAndRateShapeWhatTheDeviceGets) {
    channel = audio->openPlaying(song("steady.wav", 5.0, test::steady(20000, -8000)));
    audio->play(channel, false);
    audio->setVolume(channel, 0.5f);
    std::vector<std::int16_t> out = device->pull();
    EXPECT_EQ(out[100], 10000);
    EXPECT_EQ(out[101], -4000);
    audio->setOutputVolume(0.5f);
    out = device->pull();
    EXPECT_EQ(out[100], 5000);
    audio->setOutputVolume(1.0f);
    audio->setVolume(channel, 1.0f);

    // At twice the rate a buffer takes twice the frames.
    audio->setFrequency(channel, 2.0f * kRate);
    device->now = 30 * kMs;
    device->pull();
    device->now = 30 * kMs + kLatencyNs + 10 * kMs;
    EXPECT_EQ(frameAt(), 2 * 512 + 882);

    // A second song mixes in.
    const AudioChannel other = audio->openPlaying(song("other.wav", 5.0, test::steady(1000, 1000)));
    audio->play(other, false);
    out = device->pull();
    EXPECT_EQ(out[100], 21000);
}

TEST_F(DeviceAudioTest, ReadingsComeFromTheFramesBeingHeard) {
    const double hertz = 32.0 * kRate / 256;  // bin 32
    channel = audio->openPlaying(song("tone.wav", 2.0, test::sine(hertz, kRate, 16384)));
    audio->play(channel, false);
    device->pull();
    FftMagnitudes bins{};
    audio->fft256(channel, bins);
    EXPECT_LT(bins[32], 0.01) << "taken by the device, not heard yet";
    device->now = kLatencyNs + 10 * kMs;
    audio->fft256(channel, bins);
    EXPECT_NEAR(bins[32], 0.5, 0.01) << "half scale";
    const std::uint32_t level = audio->level(channel);
    EXPECT_NEAR(static_cast<double>(level & 0xFFFF), 16384, 20);
    EXPECT_EQ(level & 0xFFFF, level >> 16);
}

// The decoder thread fills the rings while a device thread takes buffers and the owner reads,
// seeks, stops and plays: run under ThreadSanitizer too.
class ThreadedDeviceAudioTest : public DeviceAudioTest {
  protected:
    ThreadedDeviceAudioTest() : DeviceAudioTest(false) {}
};

TEST_F(ThreadedDeviceAudioTest, OwnerDeviceDecoderAndScanThreadsShareTheChannels) {
    const std::string path = song("song.wav", 20.0, test::rampSample);
    channel = audio->openPlaying(path);
    const AudioChannel scan = audio->openDecodeOnly(path);
    audio->play(channel, false);
    std::atomic<bool> done{false};
    std::thread deviceThread([&] {
        for (int i = 0; i < 2000 && !done; ++i) {
            device->now += 11 * kMs;
            device->pull();
        }
        done = true;
    });
    std::thread scanThread([&] {
        while (audio->isActive(scan)) audio->level(scan);
        audio->release(scan);
    });
    std::int64_t last = 0;
    for (int step = 0; !done; ++step) {
        if (step % 500 == 250) {
            audio->setPosition(channel, 4 * kRate * (step % 7));
            last = audio->position(channel);
        } else if (step % 500 == 400) {
            audio->stop(channel);
            audio->play(channel, false);
        } else if (step % 1000 == 10) {
            const AudioChannel extra = audio->openPlaying(path);
            audio->play(extra, false);
            audio->release(extra);
        }
        const std::int64_t now = audio->position(channel);
        EXPECT_GE(now, last);
        EXPECT_LE(now, audio->lengthBytes(channel));
        last = now;
        FftMagnitudes bins;
        audio->fft256(channel, bins);
        audio->level(channel);
        std::this_thread::yield();
    }
    deviceThread.join();
    scanThread.join();
    EXPECT_EQ(audio->level(scan), kAudioLevelError) << "released by the scan thread";
}

}  // namespace
}  // namespace wl
