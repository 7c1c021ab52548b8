#include "storage/files/SequencerFileCommands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "FileTestBed.h"
#include "sequencer/Undo.h"
#include "storage/files/FileLayouts.h"
#include "storage/files/StoreReset.h"

namespace wl::test {
namespace {

constexpr std::int64_t kFrameLevelsAt = 16;
constexpr std::int64_t kFrameLinksAt = 16 + 1'048'576;
constexpr std::int64_t kFrameWordsAt = kFrameLinksAt + 4096;

// The program's own tables, as the sequencer window's commands reach them.
struct WindowBed {
    FileTestBed bed;
    ShowTables tables = bed.sys->showTables();
    SequencerContext& ctx = bed.sys->sequencerContext;
    SequencerStore& store = bed.sys->sequencer;

    WindowBed() { ResetStore(tables, /*programStart=*/true); }

    std::string dir() { return bed.dir(); }
    // An edit that leaves "Undo" enabled.
    void edit(int seq, int scene, int ch, int level) {
        SaveToUndo(ctx);
        store.SceneStore.setLevel(seq, scene, ch, static_cast<std::uint8_t>(level));
    }
    bool undoEnabled() const { return ctx.window.undo.undoEnabled(); }
};

TEST(SequencerFileCommands, ARefusedFileLeavesTablesFileNameAndCaption) {
    WindowBed w;
    w.edit(1, 2, 3, 44);
    w.bed.sys->LastFileSeq = w.dir() + "current.seq";
    w.ctx.window.caption = "File sequenser: " + w.bed.sys->LastFileSeq;
    const std::string odd = w.dir() + "odd.seq";
    writeFileWith(odd, 1000, {{0, 7}});

    StagedSeqFile staged = StageSeqFile(odd);
    OpenSeqFileCommand(w.bed.session, w.tables, w.ctx, staged);

    EXPECT_EQ(w.store.SceneStore.level(1, 2, 3), 44);
    EXPECT_EQ(w.bed.sys->LastFileSeq, w.dir() + "current.seq");
    EXPECT_EQ(w.ctx.window.caption, "File sequenser: " + w.dir() + "current.seq");
    EXPECT_TRUE(w.undoEnabled()) << "a refused file leaves the undo as it was";
    w.bed.expectRefusedSize("OpenSeqFile", odd, 1000, kSeqFileBytes);
}

TEST(SequencerFileCommands, OpeningInstallsTheFileAndEndsTheUndo) {
    WindowBed w;
    OwnedShowTables source;
    ShowTables from = source.view();
    ResetStore(from, false);
    from.sequencer.SceneStore.setLevel(3, 7, 100, 0xA5);
    from.sequencer.LinkMask[4][10] = 1;
    from.channels.ChannelMax[1] = 200;
    SetSeqName(from.sequencer, 0, "Opening");
    const std::string path = w.dir() + "shows/park.seq";
    std::filesystem::create_directories(w.dir() + "shows");
    ASSERT_EQ(WriteSeqData(path, from), "");

    w.edit(1, 2, 3, 44);
    w.store.CurScene[9] = 80;
    w.store.LabelPending[9] = 1;
    const std::uint32_t linkEdits = w.store.LinkEdits;
    StagedSeqFile staged = StageSeqFile(path);
    ASSERT_EQ(staged.outcome.status, ReadOutcome::Status::Loaded);
    OpenSeqFileCommand(w.bed.session, w.tables, w.ctx, staged);

    EXPECT_EQ(w.store.SceneStore.level(3, 7, 100), 0xA5);
    EXPECT_EQ(w.store.SceneStore.level(1, 2, 3), 0);
    EXPECT_EQ(w.store.LinkMask[4][10], 1);
    EXPECT_GT(w.store.LinkEdits, linkEdits);
    EXPECT_EQ(w.bed.sys->channels.ChannelMax[1], 200);
    EXPECT_EQ(SeqName(w.store, 0), "Opening         ");
    EXPECT_EQ(w.store.CurScene[9], 0) << "the store reset";
    EXPECT_EQ(w.store.LabelPending[9], 1) << "kept by the reset";
    EXPECT_EQ(w.bed.sys->LastFileSeq, path);
    EXPECT_EQ(w.ctx.window.caption, "Open file Sequenser: " + path);
    EXPECT_FALSE(w.undoEnabled());
    EXPECT_FALSE(w.ctx.window.undo.UndoArmed());
    EXPECT_TRUE(w.bed.sys.op.shown.empty());
    EXPECT_EQ(staged.tables->sequencer.SceneStore.level(1, 2, 3), 44)
        << "the previous levels leave with the staged file";
}

TEST(SequencerFileCommands, AnOlderLayoutIsConvertedWhenOpened) {
    WindowBed w;
    const std::string path = w.dir() + "old.seq";
    writeFileWith(path, 4'235'392, {{(2 * 256 + 5) * 512 + 10, 77}});
    w.store.SceneStore.setLevel(40, 0, 0, 9);
    StagedSeqFile staged = StageSeqFile(path);
    OpenSeqFileCommand(w.bed.session, w.tables, w.ctx, staged);
    EXPECT_EQ(w.store.SceneStore.level(2, 5, 10), 77);
    EXPECT_EQ(w.store.SceneStore.level(40, 0, 0), 0);
    EXPECT_NE(w.bed.logText().find("Info=Read Old WL 5"), std::string::npos) << w.bed.logText();
}

TEST(SequencerFileCommands, SaveAsWritesOnceToTheChosenPath) {
    WindowBed w;
    w.store.SceneStore.setLevel(0, 0, 0, 5);
    w.bed.sys->LastFileSeq = w.dir() + "a.seq";
    writeFileWith(w.bed.sys->LastFileSeq, 1, {});
    const std::string chosen = w.dir() + "shows/b.seq";
    std::filesystem::create_directories(w.dir() + "shows");

    EXPECT_EQ(saveSeqFileAsQuestion(w.bed.session, w.dir() + "a.seq"),
              "File " + w.dir() + "a.seqexist, rewrite?");
    EXPECT_EQ(saveSeqFileAsQuestion(w.bed.session, chosen), "");
    SaveSeqFileAsCommand(w.bed.session, w.tables, w.ctx, chosen);

    EXPECT_EQ(std::filesystem::file_size(chosen), static_cast<std::uintmax_t>(kSeqFileBytes));
    EXPECT_EQ(byteAt(chosen, 4096), 5);
    EXPECT_FALSE(std::filesystem::exists(w.dir() + "b.seq")) << "not in the program folder";
    EXPECT_EQ(w.bed.sys->LastFileSeq, chosen);
    EXPECT_EQ(w.ctx.window.caption, "File sequenser: " + chosen);
    EXPECT_NE(readText(w.dir() + "wavelumina.ini").find(chosen), std::string::npos);
}

TEST(SequencerFileCommands, SaveAsToAFolderThatCannotBeWrittenKeepsTheCurrentFile) {
    WindowBed w;
    w.bed.sys->LastFileSeq = w.dir() + "a.seq";
    SaveSeqFileAsCommand(w.bed.session, w.tables, w.ctx, w.dir() + "missing/b.seq");
    EXPECT_EQ(w.bed.sys->LastFileSeq, w.dir() + "a.seq");
    EXPECT_FALSE(w.bed.sys.op.shown.empty());
}

// At start-up a refused file stays named; saving must not write the empty tables over it unasked.
TEST(SequencerFileCommands, AFileRefusedAtStartUpIsNotWrittenOverUnasked) {
    WindowBed w;
    w.bed.sys->LastFileSeq = w.dir() + "show.seq";
    writeFileWith(w.bed.sys->LastFileSeq, 5000, {{0, 1}});
    OpenSeqFile(w.bed.session, w.tables);
    const std::string question = saveSeqFileQuestion(w.bed.session);
    EXPECT_NE(question.find(w.dir() + "show.seq holds 5000 bytes"), std::string::npos) << question;

    ASSERT_EQ(WriteSeqData(w.dir() + "good.seq", w.tables), "");
    w.bed.sys->LastFileSeq = w.dir() + "good.seq";
    EXPECT_EQ(saveSeqFileQuestion(w.bed.session), "");
    SaveSeqFileCommand(w.bed.session, w.tables);
    EXPECT_EQ(std::filesystem::file_size(w.dir() + "show.seq"), 5000u);
}

TEST(SequencerFileCommands, OneSequenceLoadsIntoTheEditedOneAndIsUndone) {
    WindowBed w;
    w.bed.sys->LastFileSeq = w.dir() + "show.seq";
    writeFileWith(w.bed.sys->LastFileSeq, 1, {});
    const std::string frame = w.dir() + "show-06.sfr";
    writeFileWith(frame, kSeqFrameBytes,
                  {{0, 'F'},
                   {kFrameLevelsAt + 200 * 4096 + 4000, 99},
                   {kFrameLinksAt + 4000, 7},
                   {kFrameWordsAt + 2 * 255, 0xBC},
                   {kFrameWordsAt + 2 * 255 + 1, 0x02}});
    w.ctx.window.ScrollBarNombSeq = 9;
    w.store.SceneStore.setLevel(9, 0, 0, 33);

    OpenSeqFrameCommand(w.bed.session, w.tables, w.ctx, StageSeqFrame(frame));
    EXPECT_EQ(w.store.SceneStore.level(9, 200, 4000), 99);
    EXPECT_EQ(w.store.SceneStore.level(9, 0, 0), 0);
    EXPECT_EQ(w.store.LinkMask[9][4000], 1) << "any link byte other than 0 is a link";
    EXPECT_EQ(w.store.SceneCtrl[9][255], 700);
    EXPECT_EQ(SeqName(w.store, 9), "F               ");

    ReastoereFromUndo(w.ctx);
    EXPECT_EQ(w.store.SceneStore.level(9, 0, 0), 33);
    EXPECT_EQ(w.store.SceneStore.level(9, 200, 4000), 0);
    EXPECT_EQ(w.store.LinkMask[9][4000], 0);

    const std::string saved = w.dir() + "saved.sfr";
    SaveSeqFrameCommand(w.bed.session, w.tables, w.ctx, saved);
    EXPECT_EQ(std::filesystem::file_size(saved), static_cast<std::uintmax_t>(kSeqFrameBytes));
    EXPECT_EQ(byteAt(saved, kFrameLevelsAt), 33);
}

TEST(SequencerFileCommands, OnlyAFileOfExactlyOneSequenceIsLoaded) {
    WindowBed w;
    w.bed.sys->LastFileSeq = w.dir() + "show.seq";
    writeFileWith(w.bed.sys->LastFileSeq, 1, {});
    w.ctx.window.ScrollBarNombSeq = 2;
    for (const std::int64_t size : {kSeqFrameBytes - 1, kSeqFrameBytes + 100}) {
        const std::string frame = w.dir() + "odd.sfr";
        writeFileWith(frame, size, {{0, 'S'}, {16, 50}});
        w.bed.sys.op.shown.clear();
        OpenSeqFrameCommand(w.bed.session, w.tables, w.ctx, StageSeqFrame(frame));
        EXPECT_EQ(w.store.SeqNames[2][0], 0) << size;
        EXPECT_EQ(w.store.SceneStore.level(2, 0, 0), 0) << size;
        ASSERT_EQ(w.bed.sys.op.shown.size(), 1u);
        EXPECT_NE(w.bed.sys.op.shown[0].text.find(std::to_string(size) + " bytes"),
                  std::string::npos)
            << w.bed.sys.op.shown[0].text;
    }
    EXPECT_FALSE(w.undoEnabled()) << "nothing to undo";
}

TEST(SequencerFileCommands, OneSequenceNeedsTheCurrentSequencerFile) {
    WindowBed w;
    w.bed.sys->LastFileSeq = w.dir() + "gone.seq";
    const std::string frame = w.dir() + "a.sfr";
    writeFileWith(frame, kSeqFrameBytes, {{16, 50}});
    OpenSeqFrameCommand(w.bed.session, w.tables, w.ctx, StageSeqFrame(frame));
    EXPECT_EQ(w.store.SceneStore.level(0, 0, 0), 0);
    SaveSeqFrameCommand(w.bed.session, w.tables, w.ctx, w.dir() + "b.sfr");
    EXPECT_FALSE(std::filesystem::exists(w.dir() + "b.sfr"));
}

}  // namespace
}  // namespace wl::test
