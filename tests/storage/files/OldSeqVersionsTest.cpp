#include <gtest/gtest.h>

#include "FileTestBed.h"
#include "storage/files/FileLayouts.h"
#include "storage/files/SeqFile.h"

namespace wl::test {
namespace {

constexpr std::int64_t kOldScenes = 4'194'304;

struct OldFile {
    FileTestBed bed;
    explicit OldFile(std::int64_t size,
                     std::initializer_list<std::pair<std::int64_t, std::uint8_t>> bytes) {
        bed.sys->LastFileSeq = bed.dir() + "old.seq";
        writeFileWith(bed.sys->LastFileSeq, size, bytes);
    }
    ShowTables& open() {
        OpenSeqFile(bed.session, bed.tables);
        return bed.tables;
    }
};

TEST(OldSeqVersions, Version5ConvertsScenesLinksAndControlOf32Sequences) {
    const std::int64_t links = kOldScenes;
    const std::int64_t control = links + 16'384;
    const std::int64_t jobs = control + 16'384;
    const std::int64_t keyScene = jobs + 32 + 96 + 2048;
    OldFile file(4'235'392, {{(2 * 256 + 5) * 512 + 10, 77},
                             {(31 * 256 + 255) * 512 + 511, 78},
                             {links + 514 + 3, 1},
                             {control + (4 * 256 + 6) * 2, 0x34},
                             {control + (4 * 256 + 6) * 2 + 1, 0x12},
                             {jobs, 2},
                             {keyScene + 5, 17}});
    file.bed.tables.sequencer.SeqNames[0].fill('z');
    ShowTables& t = file.open();

    EXPECT_EQ(t.sequencer.SceneStore[sceneIndex(2, 5, 10)], 77);
    EXPECT_EQ(t.sequencer.SceneStore[sceneIndex(31, 255, 511)], 78);
    EXPECT_EQ(t.sequencer.LinkMask[1][3], 1);
    EXPECT_EQ(t.sequencer.SceneCtrl[4][6], 0x1234);
    EXPECT_EQ(t.sequencer.SceneCtrl[32][0], 500) << "sequences beyond 32 keep the reset value";
    EXPECT_EQ(t.sequencer.SeqJob[0], 2);
    EXPECT_EQ(t.kits.KeyScene[5], 17);
    EXPECT_EQ(t.sequencer.SeqNames[0][0], 0) << "names come from the (empty) staging table";
    EXPECT_NE(file.bed.logText().find("Who: ReadRetroSeq Where: Version = Info=Read Old WL 5"),
              std::string::npos);
}

TEST(OldSeqVersions, Version1SetsTheKeyAssignmentsOfTracks1To31) {
    OldFile file(
        4'241'117,
        {{4'237'440, 3}, {4'241'024, 6}, {4'241'024 + 30, 7}, {4'241'055, 8}, {4'241'086 + 30, 9}});
    file.bed.tables.tracks.TrackKeyMode[31] = 44;
    ShowTables& t = file.open();

    EXPECT_EQ(t.channels.ChannelMin[1], 3);
    EXPECT_EQ(t.tracks.TrackKeyMode[0], 6);
    EXPECT_EQ(t.tracks.TrackKeyMode[30], 7);
    EXPECT_EQ(t.tracks.TrackKeySeq[0], 8);
    EXPECT_EQ(t.tracks.TrackKeyScene[30], 9);
    EXPECT_EQ(t.tracks.TrackKeyMode[31], 44);
}

TEST(OldSeqVersions, Version8ReadsNamesViewPositionsScheduleAndMacros) {
    const std::int64_t viewPos = 1024 + kOldScenes + 32'768 + 16'384 + 32;
    const std::int64_t settingsRec = viewPos + 1024 + 1024;
    const std::int64_t shedNames = 4'261'664 + 512 + 32 + 8192 * 3 + 16'384 + 4 * 512;
    const std::int64_t macros = 4'306'272;
    OldFile file(4'339'040, {{0, 'A'},
                             {63 * 16, 'B'},
                             {viewPos, 0x45},
                             {viewPos + 1, 0x23},
                             {viewPos + 2, 0x01},
                             {settingsRec + 13 * 4, 100},
                             {shedNames, 'Q'},
                             {shedNames + 512 + 32 * 3, 23},
                             {macros + 1, 0x7F}});
    ShowTables& t = file.open();

    EXPECT_EQ(t.sequencer.SeqNames[0][0], 'A');
    EXPECT_EQ(t.sequencer.SeqNames[63][0], 'B');
    EXPECT_EQ(t.sequencer.PosSpot[0], 0x2345) << "low 16 bits of the old position";
    EXPECT_EQ(t.sequencer.PosKlapan[0], 0x2345);
    EXPECT_EQ(t.settings.SettingsRec[13], 100);
    EXPECT_EQ(t.schedule.ShedNames[0][0], 'Q');
    EXPECT_EQ(t.schedule.ShedHour[0], 23);
    EXPECT_EQ(t.foreign.MacroStore[1], std::byte{0x7F});
    EXPECT_NE(file.bed.logText().find("Info=Read Old WL 8"), std::string::npos);
}

TEST(OldSeqVersions, StagingNamesOutliveALoadButViewPositionsDoNot) {
    const std::int64_t viewPos = 1024 + kOldScenes + 32'768 + 16'384 + 32;
    OldFile file(4'339'040, {{0, 'A'}, {viewPos, 0x45}});
    file.open();
    file.bed.sys->LastFileSeq = file.bed.dir() + "older.seq";
    writeFileWith(file.bed.sys->LastFileSeq, 4'235'392, {});
    ShowTables& t = file.open();

    EXPECT_EQ(t.sequencer.SeqNames[0][0], 'A') << "version 5 has no names: the staged ones stay";
    EXPECT_EQ(t.sequencer.PosSpot[0], 0);
}

TEST(OldSeqVersions, Version11LoadsWholeAndClearsMacros17To32) {
    const std::int64_t macros = 270'020'768 - 3 * 8192 - 32 - 262'144;
    OldFile file(270'020'768, {{4096 + 3, 9}, {macros + 2, 5}, {macros + 131'072, 6}});
    ShowTables& t = file.open();

    EXPECT_EQ(t.sequencer.SceneStore[3], 9);
    EXPECT_EQ(t.foreign.MacroStore[2], std::byte{5});
    EXPECT_EQ(t.foreign.MacroStore[131'072], std::byte{0});
    EXPECT_NE(file.bed.logText().find("Info=Corrected F=11"), std::string::npos);
}

TEST(OldSeqVersions, UnreadableOlderSizesLoadNothingAndAreReported) {
    for (const std::int64_t size : {101'306'912, 101'330'336, 101'379'488, 101'373'088}) {
        OldFile file(size, {{4096 + 3, 9}, {0, 'N'}});
        ShowTables& t = file.open();
        EXPECT_EQ(t.sequencer.SceneStore[3], 0);
        EXPECT_EQ(t.sequencer.SeqNames[0][0], 0);
        ASSERT_EQ(file.bed.sys.op.shown.size(), 1u) << size;
        EXPECT_NE(file.bed.sys.op.shown[0].text.find("old.seq"), std::string::npos);
        EXPECT_NE(file.bed.logText().find("Info=Unreadable old WL"), std::string::npos);
    }
}

TEST(OldSeqVersions, ASizeNextToAnOlderOneIsNoVersion) {
    OldFile file(4'241'118, {{4'237'440, 3}});
    ShowTables& t = file.open();
    EXPECT_EQ(t.channels.ChannelMin[1], 0);
    EXPECT_EQ(file.bed.logText().find("ReadRetroSeq"), std::string::npos);
    file.bed.expectRefusedSize("OpenSeqFile", file.bed.dir() + "old.seq", 4'241'118, kSeqFileBytes);
    const std::string log = file.bed.logText();
    EXPECT_NE(log.find(", 4241117, "), std::string::npos) << "the older sizes that load";
    EXPECT_EQ(log.find("101306912"), std::string::npos) << "an unreadable size loads nothing";
}

}  // namespace
}  // namespace wl::test
