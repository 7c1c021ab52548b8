#include "sequencer/Undo.h"

#include "SequencerFixture.h"
#include "sequencer/Clearing.h"
#include "sequencer/DrawingAreas.h"
#include "sequencer/LevelButtons.h"

namespace wl::test {
namespace {

class UndoTest : public SequencerTest {
  protected:
    static constexpr int kSeq = 3;

    UndoTest() {
        createTimers();
        window.ScrollBarNombSeq = kSeq;
        settings.SettingsRec[kPenLevelSetting] = 200;
        link(kSeq, 0, 31);
    }

    // A click of the pencil on scene `scene`, channel `ch` of the channel area.
    void stroke(int scene, int ch) {
        areaMouseDown(ctx, DrawingArea::Channels, {scene, ch}, MouseButton::Left);
        areaMouseUp(ctx, DrawingArea::Channels);
    }
    int level(int scene, int ch, int seq = kSeq) const {
        return store.SceneStore.level(seq, scene, ch);
    }
    bool undoEnabled() const { return window.undo.undoEnabled(); }
};

TEST_F(UndoTest, StrokesLessThanASecondApartAreUndoneTogether) {
    stroke(1, 1);
    scheduler.advance(400);
    stroke(2, 2);
    scheduler.advance(900);  // 900 ms after the second stroke: still the same burst
    stroke(3, 3);
    ASSERT_EQ(level(3, 3), 200);
    ReastoereFromUndo(ctx);
    EXPECT_EQ(level(1, 1), 0);
    EXPECT_EQ(level(2, 2), 0);
    EXPECT_EQ(level(3, 3), 0);
}

TEST_F(UndoTest, StrokesTwoSecondsApartAreUndoneOneByOne) {
    stroke(1, 1);
    scheduler.advance(2000);
    EXPECT_FALSE(window.undo.UndoArmed()) << "the burst timer ended the burst";
    EXPECT_TRUE(undoEnabled()) << "undo stays possible after the burst";
    stroke(2, 2);
    ReastoereFromUndo(ctx);
    EXPECT_EQ(level(1, 1), 200);
    EXPECT_EQ(level(2, 2), 0);
}

TEST_F(UndoTest, UndoIsEnabledOnlyAfterAnEditAndOnlyOnce) {
    EXPECT_FALSE(undoEnabled());
    ReastoereFromUndo(ctx);  // nothing to undo
    stroke(1, 1);
    EXPECT_TRUE(undoEnabled());
    ReastoereFromUndo(ctx);
    EXPECT_FALSE(undoEnabled());
    store.SceneStore.setLevel(kSeq, 1, 1, 9);
    ReastoereFromUndo(ctx);
    EXPECT_EQ(level(1, 1), 9) << "a second undo does nothing";
}

TEST_F(UndoTest, UndoRestoresRunModeWordsAndLinksOfAClearedSequence) {
    store.SeqJob[kSeq] = kJobPlay;
    store.SceneCtrl[kSeq][4] = kWordStop;
    setLevel(kSeq, 4, 5, 77);
    ClearCurrentSequenser(ctx);
    ASSERT_EQ(store.SeqJob[kSeq], kJobOff);
    ASSERT_EQ(store.SceneCtrl[kSeq][4], 100);
    store.LinkMask[kSeq][40] = 1;

    ReastoereFromUndo(ctx);
    EXPECT_EQ(store.SeqJob[kSeq], kJobPlay);
    EXPECT_EQ(window.rgSeqJob, kJobPlay) << "the mode selector shows the restored mode";
    EXPECT_EQ(store.SceneCtrl[kSeq][4], kWordStop);
    EXPECT_EQ(level(4, 5), 77);
    EXPECT_EQ(store.LinkMask[kSeq][40], 0);
}

TEST_F(UndoTest, ABurstOnOneSequenceSetsAsideThatSequenceOnly) {
    for (int i = 0; i < 20; ++i) stroke(i, i % 30);
    EXPECT_EQ(store.SceneStore.snapshotBytes(), kSequenceBytes);
    window.ScrollBarNombSeq = 9;
    link(9, 0, 31);
    stroke(0, 0);
    EXPECT_EQ(store.SceneStore.snapshotBytes(), 2 * kSequenceBytes);
}

// A write without a snapshot of its own that comes inside a burst is taken back too, as when the
// whole store was copied at the start of the burst.
TEST_F(UndoTest, WritesWithoutASnapshotOfTheirOwnAreCoveredByTheOpenOne) {
    setLevel(8, 2, 3, 90);
    stroke(1, 1);
    store.PatternFirst = 0;
    store.PatternLast = 5;
    window.ScrollBarNombSeq = 8;
    window.tools.setLevelSlider = 150;
    SetToAllCurrentPatternLevel(ctx);  // takes no snapshot, writes sequence 8
    ASSERT_EQ(level(2, 3, 8), 150);
    ReastoereFromUndo(ctx);
    EXPECT_EQ(level(2, 3, 8), 90);
    EXPECT_EQ(level(1, 1), 0);
}

TEST_F(UndoTest, ClearingEverySequenceIsUndoneWhole) {
    for (int seq = 0; seq < kSequenceCount; seq += 51) setLevel(seq, 7, 7, 40 + seq % 200);
    store.LinkMask[200][9] = 1;
    store.SceneCtrl[100][3] = 1234;
    stroke(5, 5);  // the burst already holds a sequence when everything is cleared
    ClearAllSequensers(ctx);
    ASSERT_EQ(level(7, 7, 51), 0);
    ASSERT_EQ(store.LinkMask[200][9], 0);

    ReastoereFromUndo(ctx);
    for (int seq = 0; seq < kSequenceCount; seq += 51) {
        EXPECT_EQ(level(7, 7, seq), 40 + seq % 200) << seq;
    }
    EXPECT_EQ(level(5, 5), 0) << "back to before the burst";
    EXPECT_EQ(store.LinkMask[200][9], 1);
    EXPECT_EQ(store.SceneCtrl[100][3], 1234);
}

TEST_F(UndoTest, EndingTheBurstForgetsTheSnapshot) {
    stroke(1, 1);
    endUndoBurst(ctx);
    EXPECT_FALSE(undoEnabled());
    EXPECT_FALSE(window.undo.UndoArmed());
    ReastoereFromUndo(ctx);
    EXPECT_EQ(level(1, 1), 200);
}

}  // namespace
}  // namespace wl::test
