#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "FileTestBed.h"
#include "storage/files/FileLayouts.h"
#include "storage/files/SeqFile.h"
#include "storage/files/StoreReset.h"

namespace wl::test {
namespace {

constexpr std::int64_t kSceneStoreAt = 4096;
constexpr std::int64_t kSettingsRecAt = 269'619'456;
constexpr std::int64_t kChannelMaxAt = 269'628'160;
constexpr std::int64_t kShedNamesAt = 269'712'768;
constexpr std::int64_t kMacroStoreAt = 269'721'728;

// Marks in tables of every kind, the file offsets of a few of them worked out by hand.
void markTables(ShowTables& t) {
    t.sequencer.SceneStore.setLevel(3, 7, 100, 0xA5);
    t.sequencer.SceneStore.setLevel(255, 255, 4095, 0x5A);
    t.sequencer.LinkMask[4][10] = 1;
    t.sequencer.SceneCtrl[2][9] = 1234;
    SetSeqName(t.sequencer, 0, "Opening");
    t.settings.SettingsRec[13] = 0x01020304;
    t.settings.SettingsFlags[49] = 1;
    t.channels.ChannelMax[1] = 200;
    t.channels.ChannelMin[4096] = 9;
    t.fileOnly.Reserved[895] = 7;
    t.kits.KeyScene[2047] = 12;
    t.clips.TrackAdvanceClip[63] = 3;
    SetChannelName(t.sequencer, 3839, "Last stored");
    t.schedule.ShedHour[31] = 22;
    t.foreign.MacroStore[0] = std::byte{0x11};
    t.foreign.MacroTabC.back() = std::byte{2};
    t.sequencer.InfLgtSpare3[255] = 0xBEEF;
}

TEST(SeqFile, RoundTripKeepsEveryByteAndPlacesFieldsWhereTheLayoutSays) {
    FileTestBed bed;
    ResetStore(bed.tables, false);
    markTables(bed.tables);
    const std::string first = bed.dir() + "first.seq";
    ASSERT_EQ(WriteSeqData(first, bed.tables), "");

    EXPECT_EQ(std::filesystem::file_size(first), static_cast<std::uintmax_t>(kSeqFileBytes));
    EXPECT_EQ(byteAt(first, kSceneStoreAt + 3 * 1'048'576 + 7 * 4096 + 100), 0xA5);
    EXPECT_EQ(byteAt(first, kSettingsRecAt + 13 * 4), 0x04);
    EXPECT_EQ(byteAt(first, kSettingsRecAt + 13 * 4 + 3), 0x01);
    EXPECT_EQ(byteAt(first, kChannelMaxAt), 200);
    EXPECT_EQ(byteAt(first, kShedNamesAt), 'N');
    EXPECT_EQ(byteAt(first, kMacroStoreAt), 0x11);
    EXPECT_EQ(byteAt(first, kSeqFileBytes - 1), 0xBE);

    FileTestBed other;
    const std::uint32_t linkEditsBefore = other.tables.sequencer.LinkEdits;
    const ReadOutcome outcome = ReadSeqData(first, other.tables);
    ASSERT_EQ(outcome.status, ReadOutcome::Status::Loaded);
    EXPECT_EQ(outcome.version, 0);
    EXPECT_EQ(other.tables.sequencer.LinkMask[4][10], 1);
    EXPECT_GT(other.tables.sequencer.LinkEdits, linkEditsBefore);  // the output reads links anew
    EXPECT_EQ(other.tables.sequencer.SceneStore[sceneIndex(255, 255, 4095)], 0x5A);
    EXPECT_EQ(other.tables.channels.ChannelMin[4096], 9);
    EXPECT_EQ(other.tables.kits.KeyScene[2047], 12);

    const std::string second = other.dir() + "second.seq";
    ASSERT_EQ(WriteSeqData(second, other.tables), "");
    EXPECT_TRUE(sameFiles(first, second));
}

// Kept tables hold what they held before; tables with a reset value hold that value.
void expectResetButKept(ShowTables& t) {
    EXPECT_EQ(t.sequencer.SceneCtrl[2][9], kResetSceneTime);
    EXPECT_EQ(t.sequencer.SeqType[5], kTypeInv);
    EXPECT_EQ(t.settings.SettingsRec[13], 255);
    EXPECT_EQ(t.channels.ChannelMax[1], 255);
    EXPECT_EQ(t.kits.KeyScene[2047], 255);
    EXPECT_EQ(t.schedule.ShedHour[31], 1);
    EXPECT_EQ(t.foreign.MacroStore[0], std::byte{0});
    EXPECT_EQ(t.sequencer.PosSpot[1], 77);
    EXPECT_EQ(t.sequencer.SeqSource[1], 4);
    EXPECT_EQ(t.clips.TrackAdvanceClip[63], 3);
}

TEST(SeqFile, AFileOneByteOffLoadsNothingAndIsReported) {
    for (const std::int64_t size : {kSeqFileBytes - 1, kSeqFileBytes + 1}) {
        FileTestBed bed;
        markTables(bed.tables);
        bed.tables.sequencer.PosSpot[1] = 77;
        bed.tables.sequencer.SeqSource[1] = 4;
        bed.sys->LastFileSeq = bed.dir() + "odd.seq";
        writeFileWith(bed.sys->LastFileSeq, size, {{kSettingsRecAt + 52, 9}});

        OpenSeqFile(bed.session, bed.tables);

        expectResetButKept(bed.tables);
        EXPECT_EQ(bed.sys->LastFileSeq, bed.dir() + "odd.seq");
        bed.expectRefusedSize("OpenSeqFile", bed.dir() + "odd.seq", size, kSeqFileBytes);
    }
}

TEST(SeqFile, LoadResetsTheNamesTheFileDoesNotHold) {
    FileTestBed bed;
    ResetStore(bed.tables, false);
    bed.sys->LastFileSeq = bed.dir() + "show.seq";
    ASSERT_EQ(WriteSeqData(bed.sys->LastFileSeq, bed.tables), "");
    SetChannelName(bed.tables.sequencer, 3840, "Unstored");
    bed.tables.clips.TrackNameClip[60].fill('x');
    bed.tables.schedule.ShedNames[31].fill('y');

    OpenSeqFile(bed.session, bed.tables);

    EXPECT_EQ(bed.tables.sequencer.ChannelNames[3840][0], 0);
    EXPECT_EQ(bed.tables.clips.TrackNameClip[60][0], 0);
    EXPECT_EQ(std::string(bed.tables.schedule.ShedNames[31].begin(),
                          bed.tables.schedule.ShedNames[31].end()),
              "Name Shedule 32 ");
}

TEST(SeqFile, MissingFileIsReplacedByADefaultFileAndLogged) {
    FileTestBed bed;
    bed.sys->LastFileSeq = "/nowhere/park.seq";
    OpenSeqFile(bed.session, bed.tables);

    const std::string fallback = bed.dir() + "wavelumina.seq";
    EXPECT_EQ(bed.sys->LastFileSeq, fallback);
    EXPECT_EQ(std::filesystem::file_size(fallback), static_cast<std::uintmax_t>(kSeqFileBytes));
    const std::string log = bed.logText();
    EXPECT_NE(log.find("Who: ReadSave Where: OpenSeqFile= Info=File_no_found: /nowhere/park.seq"),
              std::string::npos);
    EXPECT_NE(log.find("Who: ReadSave Where: OpenSeqFile= Info=Default Seq Name: " + fallback),
              std::string::npos);
    ASSERT_EQ(bed.sys.op.shown.size(), 1u);
    EXPECT_EQ(bed.sys.op.shown[0].kind, BoxKind::Warning);
    EXPECT_EQ(bed.sys.op.shown[0].text,
              "The sequencer file /nowhere/park.seq cannot be opened (no such file); the default "
              "sequencer file " +
                  fallback + " takes its place.");
}

TEST(SeqFile, SavingMovesTheFileIntoTheProgramFolder) {
    FileTestBed bed;
    TempDir elsewhere;
    bed.sys->LastFileSeq = elsewhere.dir() + "a.seq";
    SaveSeqFile(bed.session, bed.tables);
    EXPECT_EQ(bed.sys->LastFileSeq, bed.dir() + "a.seq");
    EXPECT_TRUE(std::filesystem::exists(bed.dir() + "a.seq"));
    EXPECT_FALSE(std::filesystem::exists(elsewhere.dir() + "a.seq"));

    SaveSeqCopy(bed.session, bed.tables);
    EXPECT_EQ(bed.sys->LastFileSeq, bed.dir() + "a.seq");
    EXPECT_TRUE(std::filesystem::exists(bed.dir() + "WaveluminaSeq.tmp"));
}

TEST(SeqFile, AFailedSaveIsReportedAndLogged) {
    FileTestBed bed;
    bed.sys->LastFileSeq = bed.dir() + "busy.seq";
    std::filesystem::create_directories(bed.sys->LastFileSeq);  // nothing can replace a folder
    SaveSeqFile(bed.session, bed.tables);

    ASSERT_EQ(bed.sys.op.shown.size(), 2u);
    EXPECT_NE(bed.sys.op.shown[0].text.find("Error! procedure or function not executed!"),
              std::string::npos);
    EXPECT_EQ(bed.sys.op.shown[1].text,
              "no Write Seq and FileExists! \n\r" + bed.dir() + "busy.seq");
    EXPECT_NE(bed.logText().find("Who: ReadSave Where: SaveSeqFile= Info=not FileExists " +
                                 bed.dir() + "busy.seq"),
              std::string::npos);
}

TEST(SeqFrame, NameProposal) {
    const struct {
        const char* lastFileSeq;
        int seq;
        const char* proposed;
    } cases[] = {
        {"/srv/prog/park.seq", 0, "/srv/prog/park-01.sfr"},
        {"/srv/prog/park.seq", 8, "/srv/prog/park-09.sfr"},
        {"/srv/prog/park.seq", 9, "/srv/prog/park-10.sfr"},
        {"/srv/prog/park.seq", 99, "/srv/prog/park-100.sfr"},
        {"C:\\prog\\park.seq", 0, "C:\\prog\\park-01.sfr"},
        {"/srv/my.shows/park", 1, "/srv/my.shows/park-02.sfr"},
    };
    for (const auto& c : cases) EXPECT_EQ(SeqFrameName(c.lastFileSeq, c.seq), c.proposed);
}

TEST(SeqFrame, OneSequenceMovesIntoAnotherSlot) {
    FileTestBed bed;
    bed.sys->LastFileSeq = bed.dir() + "show.seq";
    writeFileWith(bed.sys->LastFileSeq, 1, {});
    bed.tables.sequencer.SceneStore.setLevel(5, 200, 4000, 99);
    bed.tables.sequencer.LinkMask[5][4000] = 1;
    bed.tables.sequencer.SceneCtrl[5][255] = 700;
    SetSeqName(bed.tables.sequencer, 5, "Fan");
    const std::string frame = bed.dir() + "show-06.sfr";
    bed.sys.op.files = {frame, frame};
    SaveSeqFrame(bed.session, bed.tables, 5);
    ASSERT_EQ(std::filesystem::file_size(frame), static_cast<std::uintmax_t>(kSeqFrameBytes));

    int undoCopies = 0;
    OpenSeqFrame(bed.session, bed.tables, 9, [&] { ++undoCopies; });
    EXPECT_EQ(undoCopies, 1);
    EXPECT_EQ(bed.tables.sequencer.SceneStore[sceneIndex(9, 200, 4000)], 99);
    EXPECT_EQ(bed.tables.sequencer.LinkMask[9][4000], 1);
    EXPECT_EQ(bed.tables.sequencer.SceneCtrl[9][255], 700);
    EXPECT_EQ(SeqName(bed.tables.sequencer, 9), "Fan             ");
}

TEST(SeqFrame, AShortFileIsRefusedWholeAndALongerOneIsRead) {
    FileTestBed bed;
    bed.sys->LastFileSeq = bed.dir() + "show.seq";
    writeFileWith(bed.sys->LastFileSeq, 1, {});
    const std::string shortFrame = bed.dir() + "short.sfr";
    const std::string longFrame = bed.dir() + "long.sfr";
    writeFileWith(shortFrame, kSeqFrameBytes - 1, {{0, 'S'}, {16, 50}});
    writeFileWith(longFrame, kSeqFrameBytes + 100, {{0, 'L'}, {16, 60}});
    bed.sys.op.files = {shortFrame, longFrame};

    OpenSeqFrame(bed.session, bed.tables, 2, [] {});
    EXPECT_EQ(bed.tables.sequencer.SeqNames[2][0], 0);
    EXPECT_EQ(bed.tables.sequencer.SceneStore[sceneIndex(2, 0, 0)], 0);
    ASSERT_EQ(bed.sys.op.shown.size(), 1u);
    EXPECT_NE(bed.sys.op.shown[0].text.find(shortFrame), std::string::npos);

    OpenSeqFrame(bed.session, bed.tables, 2, [] {});
    EXPECT_EQ(bed.tables.sequencer.SeqNames[2][0], 'L');
    EXPECT_EQ(bed.tables.sequencer.SceneStore[sceneIndex(2, 0, 0)], 60);
}

}  // namespace
}  // namespace wl::test
