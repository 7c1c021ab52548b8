#include "sequencer/Clearing.h"

#include "SequencerFixture.h"

namespace wl::test {
namespace {

class ClearingTest : public SequencerTest {
  protected:
    static constexpr int kSeq = 3;

    ClearingTest() {
        createTimers();
        window.ScrollBarNombSeq = kSeq;
        window.ScrollBarSeqSpeed = 900;
        link(kSeq, 10, 19);
        markScenes(kSeq);
    }
    int level(int scene, int ch) const { return store.SceneStore.level(kSeq, scene, ch); }
};

TEST_F(ClearingTest, ClearCurrentPatternClearsTheLinkedRangeAndRetimes) {
    store.PatternFirst = 5;
    store.PatternLast = 8;
    ClearCurrentPattern(ctx);
    EXPECT_EQ(level(5, 10), 0);
    EXPECT_EQ(level(8, 19), 0);
    EXPECT_EQ(level(8, 20), 8) << "outside the linked range";
    EXPECT_EQ(level(9, 10), 9);
    EXPECT_EQ(store.SceneCtrl[kSeq][8], 900);
    EXPECT_EQ(timers.interval(kSeq), 900);
    EXPECT_TRUE(window.tools.creator.coutOfAcselEnabled);
}

TEST_F(ClearingTest, ClearCurrentPatternOnOneSceneChangesNothing) {
    store.PatternFirst = 5;
    store.PatternLast = 5;
    ClearCurrentPattern(ctx);
    EXPECT_EQ(level(5, 10), 5);
    EXPECT_EQ(store.SceneCtrl[kSeq][5], 500);
    EXPECT_TRUE(window.undo.undoEnabled()) << "the snapshot comes first";
}

TEST_F(ClearingTest, ClearCurrentSequenserSwitchesItOff) {
    EXPECT_EQ(clearSequenserQuestion(ctx), "Clear sequenser 4");
    store.SeqJob[kSeq] = kJobPlay;
    store.CurScene[kSeq] = 50;
    ClearCurrentSequenser(ctx);
    EXPECT_EQ(level(50, 10), 0);
    EXPECT_EQ(level(50, 3000), 0);
    EXPECT_EQ(store.SceneCtrl[kSeq][255], 100);
    EXPECT_EQ(store.CurScene[kSeq], 0);
    EXPECT_EQ(store.SeqJob[kSeq], kJobOff);
    EXPECT_EQ(window.rgSeqJob, kJobOff);
}

TEST_F(ClearingTest, ErasingKeepsTheWords) {
    store.SceneCtrl[kSeq][4] = kWordStop;
    window.CheckBoxEnableTempo = true;
    window.ScrollBarScenaRun = 4;
    EraseCurrentScene(ctx);
    EXPECT_EQ(level(4, 3000), 0);
    EXPECT_EQ(level(5, 3000), 5);
    EXPECT_FALSE(window.CheckBoxEnableTempo);

    EXPECT_EQ(eraseSequenserQuestion(ctx), "Стереть секвенсер 4");
    EraseSequenserLevels(ctx);
    EXPECT_EQ(level(200, 1), 0);
    EXPECT_EQ(store.SceneCtrl[kSeq][4], kWordStop);
}

TEST_F(ClearingTest, ClearAllSequensersIsTheStoreReset) {
    EXPECT_EQ(kClearAllSequensersQuestion, "Clear all sequensers? ");
    store.SeqNames[1].fill('x');
    ClearAllSequensers(ctx);
    EXPECT_EQ(level(9, 12), 0);
    EXPECT_EQ(store.LinkMask[kSeq][12], 0);
    EXPECT_EQ(store.SeqNames[1][0], 0);
}

}  // namespace
}  // namespace wl::test
