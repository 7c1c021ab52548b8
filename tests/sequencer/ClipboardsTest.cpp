#include "sequencer/Clipboards.h"

#include "SequencerFixture.h"
#include "sequencer/Tempo.h"

namespace wl::test {
namespace {

class ClipboardsTest : public SequencerTest {
  protected:
    static constexpr int kFrom = 2;
    static constexpr int kTo = 6;

    ClipboardsTest() { window.ScrollBarSeqSpeed = 800; }

    void edit(int seq, int currentScene) {
        window.ScrollBarNombSeq = seq;
        store.CurScene[seq] = static_cast<std::uint16_t>(currentScene);
    }
    // The pattern scope around the current scene, as its button chooses it.
    void choosePattern() { chooseTempoScope(ctx, TempoScope::Pattern); }
    int level(int seq, int scene, int ch) const { return store.SceneStore.level(seq, scene, ch); }
    // Scenes 0..255 of `seq` hold scene + channel on channels 0..15, and time 1000 + scene.
    void mark(int seq) {
        for (int scene = 0; scene < kSceneCount; ++scene) {
            for (int ch = 0; ch < 16; ++ch) setLevel(seq, scene, ch, scene + ch);
            store.SceneCtrl[seq][scene] = static_cast<std::uint16_t>(1000 + scene);
        }
    }
};

TEST_F(ClipboardsTest, APatternTravelsWithItsClosingWord) {
    mark(kFrom);
    link(kFrom, 0, 3);
    store.SceneCtrl[kFrom][9] = kWordStop;
    store.SceneCtrl[kFrom][20] = kWordRetToCycle;
    edit(kFrom, 15);
    CopyPattern(ctx);
    EXPECT_TRUE(window.clips.block.pasteEnabled);
    EXPECT_EQ(window.tempoScope, TempoScope::Pattern);

    link(kTo, 0, 3);
    store.SceneCtrl[kTo][39] = kWordStop;
    store.SceneCtrl[kTo][60] = kWordStop;
    edit(kTo, 45);
    choosePattern();
    ASSERT_EQ(store.PatternFirst, 40);
    PasteBlock(ctx);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(level(kTo, 40 + i, 3), 10 + i + 3) << i;
        EXPECT_EQ(store.SceneCtrl[kTo][40 + i], 1010 + i) << i;
    }
    EXPECT_EQ(store.SceneCtrl[kTo][50], kWordRetToCycle);
    EXPECT_EQ(level(kTo, 50, 0), 20);
    EXPECT_EQ(store.SceneCtrl[kTo][51], 500);
    EXPECT_EQ(level(kTo, 40, 4), 0) << "only the copied channels";
    EXPECT_EQ(store.CurScene[kTo], 40);
    EXPECT_FALSE(window.clips.block.pasteEnabled);

    setLevel(kTo, 40, 3, 0);
    PasteBlock(ctx);
    EXPECT_EQ(level(kTo, 40, 3), 0) << "one paste per copy";
}

TEST_F(ClipboardsTest, APatternEndingAtScene254PastesOnlyItsScenes) {
    mark(kFrom);
    link(kFrom, 0, 0);
    link(kFrom, 5, 5);
    store.SceneCtrl[kFrom][249] = kWordStop;
    edit(kFrom, 252);
    CopyPattern(ctx);  // scenes 250..254; scene 255 is never taken

    link(kTo, 0, 5);
    store.SceneCtrl[kTo][99] = kWordStop;
    edit(kTo, 120);
    choosePattern();
    PasteBlock(ctx);
    EXPECT_EQ(store.SceneCtrl[kTo][104], 1254);
    EXPECT_EQ(store.SceneCtrl[kTo][105], 500) << "no Stop&Off the operator did not write";
    EXPECT_EQ(level(kTo, 104, 5), 259 % 256);
    EXPECT_EQ(level(kTo, 105, 0), 0);
}

TEST_F(ClipboardsTest, ANarrowerTargetTakesTheCopiedWidthFromItsFirstLinkedChannel) {
    mark(kFrom);
    link(kFrom, 0, 9);
    CopyAllSequenser(ctx);  // edits sequence 0 first: nothing linked there
    edit(kFrom, 0);
    CopyAllSequenser(ctx);
    EXPECT_EQ(snapshots(), 2);

    link(kTo, 100, 102);
    edit(kTo, 0);
    PasteBlock(ctx);
    EXPECT_EQ(level(kTo, 7, 100), 7);
    EXPECT_EQ(level(kTo, 7, 109), 16) << "ten channels from channel 100";
    EXPECT_EQ(level(kTo, 7, 110), 0);
    EXPECT_EQ(store.SceneCtrl[kTo][255], 1255);

    // A width that would run past channel 4095 ends there.
    edit(kFrom, 0);
    CopyAllSequenser(ctx);
    edit(kTo + 1, 0);
    link(kTo + 1, 4093, 4095);
    PasteBlock(ctx);
    EXPECT_EQ(level(kTo + 1, 7, 4095), 9);
    for (int ch = 0; ch < 10; ++ch) EXPECT_EQ(level(kTo + 1, 8, ch), 0) << ch;
}

TEST_F(ClipboardsTest, OneSceneCopiesAndPastesIntoTheScrollAreaScene) {
    mark(kFrom);
    link(kFrom, 4, 7);
    edit(kFrom, 0);
    window.ScrollBarAreaScrScena = 30;
    CopyCurrentScena(ctx);
    EXPECT_EQ(window.clips.scene.pasteHint, "Seq=2\n\rScena=30");

    link(kTo, 10, 11);
    edit(kTo, 0);
    window.ScrollBarAreaScrScena = 200;
    PasteOneScena(ctx);
    EXPECT_EQ(level(kTo, 200, 10), 34);
    EXPECT_EQ(level(kTo, 200, 11), 35);
    EXPECT_EQ(level(kTo, 200, 12), 0);
    EXPECT_EQ(store.SceneCtrl[kTo][200], 1030);
    EXPECT_TRUE(window.clips.scene.pasteEnabled) << "stays enabled after a paste";
}

TEST_F(ClipboardsTest, OneSceneNeedsALinkedRangeWiderThanOneChannel) {
    mark(kFrom);
    link(kFrom, 4, 4);
    edit(kFrom, 0);
    CopyCurrentScena(ctx);
    EXPECT_FALSE(window.clips.scene.pasteEnabled);
}

TEST_F(ClipboardsTest, AWholeSequenceOfLevelsWithoutItsWords) {
    mark(kFrom);
    edit(kFrom, 0);
    CopySequenser(ctx);
    EXPECT_EQ(window.clips.sequence.fromSeq, kFrom);
    edit(kTo, 0);
    PasteSequenser(ctx);
    EXPECT_EQ(level(kTo, 255, 15), (255 + 15) % 256);
    EXPECT_EQ(store.SceneCtrl[kTo][3], 500);
    EXPECT_EQ(snapshots(), 1);
}

}  // namespace
}  // namespace wl::test
