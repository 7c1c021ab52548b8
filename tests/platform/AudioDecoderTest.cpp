#include "platform/AudioDecoder.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <fstream>
#include <vector>

#include "AudioTestFiles.h"
#include "fakes/TestSystem.h"
#include "platform/ModuleDecoder.h"

namespace wl {
namespace {

struct SongCase {
    const char* name;
    const char* file;
    int format;
    int rate;
    int channels;
    bool lossless;
};

class AudioDecoderFormats : public ::testing::TestWithParam<SongCase> {
  protected:
    test::TempDir dir;
};

// Reads `frames` frames from where the decoder stands.
std::vector<std::int16_t> readFrames(AudioDecoder& decoder, std::int64_t frames) {
    std::vector<std::int16_t> samples(static_cast<std::size_t>(frames * decoder.format().channels));
    const std::int64_t got = decoder.read(samples.data(), frames);
    samples.resize(static_cast<std::size_t>(got * decoder.format().channels));
    return samples;
}

TEST_P(AudioDecoderFormats, DecodesTheWholeSongAndSeeksToTheExactFrame) {
    const SongCase& song = GetParam();
    const std::string path = (dir.path() / song.file).string();
    constexpr std::int64_t kFrames = 100'000;
    test::writeSong(path, song.format, song.rate, song.channels, kFrames, test::rampSample);

    DecoderOpening opening = openAudioDecoder(path);
    ASSERT_NE(opening.decoder, nullptr) << opening.failure;
    AudioDecoder& decoder = *opening.decoder;
    EXPECT_EQ(decoder.format().rate, song.rate);
    EXPECT_EQ(decoder.format().channels, song.channels);
    EXPECT_EQ(decoder.lengthFrames(), kFrames);

    const std::vector<std::int16_t> whole = readFrames(decoder, kFrames + 1000);
    ASSERT_EQ(std::ssize(whole), kFrames * song.channels);
    if (song.lossless) {
        for (std::int64_t frame : {0L, 1L, 4095L, 77'777L, kFrames - 1}) {
            for (int c = 0; c < song.channels; ++c) {
                EXPECT_EQ(whole[static_cast<std::size_t>(frame * song.channels + c)],
                          test::rampSample(frame, c))
                    << "frame " << frame << " channel " << c;
            }
        }
    }
    EXPECT_TRUE(readFrames(decoder, 10).empty()) << "nothing past the end";

    // A seek lands on the frame a straight read finds there, whatever the codec.
    for (std::int64_t target : {54'321L, 3L, kFrames - 10}) {
        ASSERT_TRUE(decoder.seek(target));
        const std::vector<std::int16_t> after = readFrames(decoder, 8);
        const auto from = whole.begin() + target * song.channels;
        EXPECT_TRUE(std::equal(after.begin(), after.end(), from)) << "seek to " << target;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Songs, AudioDecoderFormats,
    ::testing::Values(
        SongCase{"Wav", "song.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 2, true},
        SongCase{"WavMono", "mono.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 1, true},
        SongCase{"Aiff", "song.aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 48000, 2, true},
        SongCase{"Flac", "song.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 44100, 2, true},
        SongCase{"Ogg", "song.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 44100, 2, false},
        SongCase{"Mp3", "song.mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 44100, 2, false}),
    [](const ::testing::TestParamInfo<SongCase>& song) { return song.param.name; });

class AudioDecoderTest : public ::testing::Test {
  protected:
    std::string path(const char* name) const { return (dir.path() / name).string(); }
    test::TempDir dir;
};

TEST_F(AudioDecoderTest, OggIsOpenedByTheVorbisDecoder) {
    // Its length comes from the stream's granule positions: exact, not estimated.
    test::writeSong(path("song.ogg"), SF_FORMAT_OGG | SF_FORMAT_VORBIS, 44100, 2, 12'345,
                    test::rampSample);
    const DecoderOpening opening = openAudioDecoder(path("song.ogg"));
    ASSERT_NE(opening.decoder, nullptr) << opening.failure;
    EXPECT_EQ(opening.decoder->lengthFrames(), 12'345);
}

TEST_F(AudioDecoderTest, TrackerModulesPlayOnceInStereoAtTheModuleRate) {
    test::writeModule(path("tune.mod"));
    DecoderOpening opening = openAudioDecoder(path("tune.mod"));
    ASSERT_NE(opening.decoder, nullptr) << opening.failure;
    AudioDecoder& decoder = *opening.decoder;
    EXPECT_EQ(decoder.format().rate, kModuleRate);
    EXPECT_EQ(decoder.format().channels, 2);
    EXPECT_EQ(decoder.lengthFrames(), std::llround(test::kModuleSeconds * kModuleRate));

    std::vector<std::int16_t> samples(2 * 4096);
    std::int64_t total = 0;
    bool heard = false;
    while (const std::int64_t got = decoder.read(samples.data(), 4096)) {
        total += got;
        heard = heard || std::any_of(samples.begin(), samples.end(), [](auto s) { return s != 0; });
    }
    EXPECT_TRUE(heard);
    EXPECT_EQ(total, decoder.lengthFrames());
}

TEST_F(AudioDecoderTest, FilesNoDecoderReadsAreRefusedWithTheReason) {
    { std::ofstream(path("notes.txt")) << "not music at all\n"; }
    const DecoderOpening text = openAudioDecoder(path("notes.txt"));
    EXPECT_EQ(text.decoder, nullptr);
    EXPECT_NE(text.failure.find("no decoder reads"), std::string::npos) << text.failure;

    const DecoderOpening missing = openAudioDecoder(path("missing.mp3"));
    EXPECT_EQ(missing.decoder, nullptr);
    EXPECT_NE(missing.failure.find("No such file"), std::string::npos) << missing.failure;
}

}  // namespace
}  // namespace wl
