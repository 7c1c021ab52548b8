#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "FileTestBed.h"
#include "storage/files/FileLayouts.h"
#include "storage/files/SettingsFile.h"
#include "storage/files/TrackFile.h"

namespace wl::test {
namespace {

constexpr std::int64_t kParamsAt = 1216;
constexpr std::int64_t kTrackSeqAt = 7808;
constexpr std::int64_t kTrackAuxAt = 4'180'608;

void markTracks(ShowTables& t) {
    t.tracks.TrackNames[0].fill('T');
    t.tracks.Params.set(TrackParam::MusicVolume, 80);
    t.tracks.Params.set(TrackParam::FftGain, 0x0A0B);
    t.tracks.Params.bytes[4095] = 1;
    t.foreign.EffectNames[0] = std::byte{'E'};
    t.foreign.EffectLevel.back() = std::byte{0x40};
    t.tracks.TrackSweep[63] = 90;
    t.tracks.TrackSeq.at(0, 0) = 12;
    t.tracks.TrackScene.at(63, 16'236) = 44;
    t.tracks.TrackAux.at(1, 2) = 5;
    t.tracks.TrackSpare4.at(63, 16'236) = 8;
}

TEST(TrackFile, HeaderJoinsItsPartsWithoutSeparators) {
    FileTestBed bed;
    EXPECT_EQ(TrackHeaderText(bed.dir(), "C:\\prog\\park.seq"),
              "Wavelumina      Version No_File_Version it is Track FileSEQ=park.seq / DATA=Data / "
              "CUSTOMER=Customer / OBJECT=Object / ");
    ContractData contract{"1.2.2025", "Park", "Jet"};
    SaveIniSettings(bed.session, &contract);
    EXPECT_EQ(TrackHeaderText(bed.dir(), "/a/b.seq"),
              "Wavelumina      Version No_File_Version it is Track FileSEQ=b.seq / DATA=1.2.2025 / "
              "CUSTOMER=Park / OBJECT=Jet / ");
}

TEST(TrackFile, RoundTripDiffersOnlyInTheRebuiltHeader) {
    FileTestBed bed;
    ResetTracks(bed.tables.tracks, "old header");
    markTracks(bed.tables);
    const std::string first = bed.dir() + "first.trk";
    ASSERT_EQ(WriteTrackData(first, bed.tables), "");
    EXPECT_EQ(byteAt(first, 0), 'o');
    EXPECT_EQ(byteAt(first, kParamsAt + 44), 0x0B);
    EXPECT_EQ(byteAt(first, kParamsAt + 45), 0x0A);
    EXPECT_EQ(byteAt(first, kTrackSeqAt), 12);
    EXPECT_EQ(byteAt(first, kTrackAuxAt + 16'301 + 2), 5);
    EXPECT_EQ(byteAt(first, kTrackFileBytes - 1), 8);

    FileTestBed other;
    other.sys->LastFileTrack = first;
    OpenTrackFile(other.session, other.tables);
    EXPECT_EQ(other.tables.tracks.Params.get(TrackParam::MusicVolume), 80);
    EXPECT_EQ(other.tables.tracks.TrackSweep[63], 90);
    SaveTrackFileName(other.session, other.tables);

    const std::string second = other.dir() + "Projects/first.trk";
    EXPECT_EQ(other.sys->LastFileTrack, second);
    ASSERT_EQ(std::filesystem::file_size(second), static_cast<std::uintmax_t>(kTrackFileBytes));
    EXPECT_EQ(byteAt(second, 0), 'W');
    EXPECT_EQ(byteAt(second, 255), ' ');
    FileTestBed third;
    third.sys->LastFileTrack = second;
    OpenTrackFile(third.session, third.tables);
    ASSERT_EQ(WriteTrackData(third.dir() + "third.trk", third.tables), "");
    EXPECT_TRUE(sameFiles(second, third.dir() + "third.trk"));
}

TEST(TrackFile, LoadResetsTheUnstoredSlotsAndKeepsTheUnstoredNames) {
    FileTestBed bed;
    ResetTracks(bed.tables.tracks, "");
    bed.tables.tracks.TrackSeq.at(63, 16'300) = 1;
    bed.sys->LastFileTrack = bed.dir() + "Projects/show.trk";
    ASSERT_EQ(WriteTrackData(bed.sys->LastFileTrack, bed.tables), "");
    bed.tables.tracks.TrackNames[60].fill('n');
    bed.tables.foreign.EffectNames[60 * 16] = std::byte{'e'};
    bed.tables.tracks.TrackSeq.at(63, 16'300) = 1;

    OpenTrackFile(bed.session, bed.tables);

    EXPECT_EQ(bed.tables.tracks.TrackSeq.at(63, 16'300), kEmptySeq);
    EXPECT_EQ(bed.tables.tracks.TrackScene.at(63, 16'237), kEmptyScene);
    EXPECT_EQ(bed.tables.tracks.TrackNames[60][0], 'n');
    EXPECT_EQ(bed.tables.foreign.EffectNames[60 * 16], std::byte{'e'});
}

TEST(TrackFile, MissingFilesFallBackToAnEmptyTrackInProjects) {
    FileTestBed bed;
    bed.sys->LastFileTrack = "/nowhere/song.TRK";
    OpenTrackFile(bed.session, bed.tables);

    const std::string saved = bed.dir() + "Projects/wavelumina.trk";
    EXPECT_EQ(bed.sys->LastFileTrack, saved);
    EXPECT_EQ(std::filesystem::file_size(saved), static_cast<std::uintmax_t>(kTrackFileBytes));
    const std::string log = bed.logText();
    const std::string key = "Who: ReadSave Where: OpenTrackFile= Info=";
    EXPECT_NE(log.find(key + "File_no_found >/nowhere/song.trk<"), std::string::npos);
    // The default is looked for where saving puts it.
    EXPECT_NE(log.find(key + "Set Default Track Name: >" + saved + "<"), std::string::npos);
    EXPECT_NE(log.find(key + "File_no_found >" + saved + "<"), std::string::npos);
    EXPECT_NE(log.find(key + "Saved Empty Track Name: >" + saved + "<"), std::string::npos);
    ASSERT_EQ(bed.sys.op.shown.size(), 1u);
    EXPECT_EQ(bed.sys.op.shown[0].text,
              "The track file /nowhere/song.trk cannot be opened (no such file); the default "
              "track file " +
                  saved + " takes its place.");
}

TEST(TrackFile, SomethingElseWhereTheDefaultBelongsIsLeftAlone) {
    FileTestBed bed;
    const std::string fifo = bed.dir() + "Projects/wavelumina.trk";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    bed.sys->LastFileTrack = bed.dir() + "wavelumina.trk";  // the settings file's own default

    OpenTrackFile(bed.session, bed.tables);

    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    ASSERT_EQ(bed.sys.op.shown.size(), 1u);
    EXPECT_EQ(bed.sys.op.shown[0].text,
              "The default track file " + fifo +
                  " cannot be opened (a FIFO (named pipe), not a file) and is left as it is; "
                  "the show stays empty.");
    EXPECT_NE(bed.logText().find("Where: OpenTrackFile= Info=not a file: " + fifo),
              std::string::npos);
}

TEST(TrackFile, AFileOneByteOffLoadsNothingAndIsReported) {
    for (const std::int64_t size : {kTrackFileBytes - 1, kTrackFileBytes + 1}) {
        FileTestBed bed;
        bed.sys->LastFileTrack = bed.dir() + "odd.trk";
        writeFileWith(bed.sys->LastFileTrack, size, {{kTrackSeqAt, 3}});
        bed.tables.tracks.TrackAdvance[0] = 4;
        bed.tables.tracks.TrackOffset[0] = 1;
        OpenTrackFile(bed.session, bed.tables);
        EXPECT_EQ(bed.tables.tracks.TrackSeq.at(0, 0), kEmptySeq);
        EXPECT_EQ(bed.tables.tracks.TrackOffset[0], 128);
        EXPECT_EQ(bed.tables.tracks.TrackAdvance[0], 4);
        EXPECT_EQ(bed.sys->LastFileTrack, bed.dir() + "odd.trk");
        bed.expectRefusedSize("OpenTrackFile", bed.dir() + "odd.trk", size, kTrackFileBytes);
    }
}

// Where the blocks of the older track layouts start, worked out from their block lists.
struct OldTrackCase {
    std::int64_t size;
    int version;
    std::int64_t names;  // -1 without names
    std::int64_t params;
    std::int64_t planes;  // first old plane (sequences)
};

TEST(TrackFile, OlderVersionsFillTracks1To32) {
    const OldTrackCase cases[] = {
        {2'624'384, 21, 256, 768, 768 + 4096 + 1024 + 128 + 1024 + 128},
        {2'614'912, 22, 0, 512, 512 + 4096 + 1024 + 128 + 1024 + 128},
        {2'609'664, 23, 2'609'664 - 512, 0, 1024 + 128},
        {2'609'152, 24, -1, 0, 1024 + 128},
    };
    for (const OldTrackCase& c : cases) {
        FileTestBed bed;
        bed.sys->LastFileTrack = bed.dir() + "old.trk";
        const std::int64_t namesAt = c.names < 0 ? 0 : c.names;
        writeFileWith(bed.sys->LastFileTrack, c.size,
                      {{namesAt + 31 * 16, c.names < 0 ? 0 : 'K'},
                       {c.params + 16, 4},
                       {c.planes + 31 * 16'301 + 5, 9},
                       {c.planes + 521'600 + 3, 8}});
        bed.tables.tracks.TrackNames[32].fill('x');
        OpenTrackFile(bed.session, bed.tables);

        const TrackStore& t = bed.tables.tracks;
        EXPECT_EQ(t.Params.get(TrackParam::TrackTab), 4) << c.version;
        EXPECT_EQ(t.TrackSeq.at(31, 5), 9) << c.version;
        EXPECT_EQ(t.TrackScene.at(0, 3), 8) << c.version;
        EXPECT_EQ(t.TrackSeq.at(32, 5), kEmptySeq) << c.version;
        EXPECT_EQ(t.TrackNames[31][0], c.names < 0 ? 0 : 'K') << c.version;
        EXPECT_EQ(t.TrackNames[32][0], 'x') << c.version;
        EXPECT_NE(bed.logText().find("Who: ReadRetroTrack Where: Version = Info=" +
                                     std::to_string(c.version)),
                  std::string::npos);
    }
}

}  // namespace
}  // namespace wl::test
