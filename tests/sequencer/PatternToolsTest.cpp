#include "sequencer/PatternTools.h"

#include <array>

#include "SequencerFixture.h"
#include "sequencer/LevelButtons.h"
#include "storage/SettingsDefaults.h"

namespace wl::test {
namespace {

class PatternToolsTest : public SequencerTest {
  protected:
    static constexpr int kSeq = 7;

    PatternToolsTest() {
        ResetSettingsRecord(settings);
        window.ScrollBarNombSeq = kSeq;
        window.ScrollBarSeqSpeed = 700;
    }

    void pattern(int first, int last) {
        store.PatternFirst = static_cast<std::uint16_t>(first);
        store.PatternLast = static_cast<std::uint16_t>(last);
    }
    int level(int scene, int ch, int seq = kSeq) const {
        return store.SceneStore.level(seq, scene, ch);
    }
    void markScene(int scene, int value) {
        const auto levels = store.SceneStore.writableScene(kSeq, scene);
        std::fill(levels.begin(), levels.end(), static_cast<std::uint8_t>(value));
    }
    void expectNextSequenceUntouched() const {
        for (int scene : {0, 1, 2}) {
            for (int ch : {0, 1, 2, 3}) EXPECT_EQ(level(scene, ch, kSeq + 1), 0);
        }
    }
};

TEST_F(PatternToolsTest, SetToAllCurrentPatternLevelRaisesLowSlidersTo31) {
    pattern(10, 12);
    for (int scene = 9; scene <= 13; ++scene) {
        for (int ch = 0; ch < 10; ++ch) setLevel(kSeq, scene, ch, ch * 28);  // 0, 28, ... 252
    }
    setLevel(kSeq, 11, 20, 7);
    setLevel(kSeq, 11, 21, 8);
    window.tools.setLevelSlider = 20;
    SetToAllCurrentPatternLevel(ctx);
    EXPECT_EQ(level(11, 0), 0);
    EXPECT_EQ(level(11, 20), 7) << "levels 0..7 stay";
    EXPECT_EQ(level(11, 21), 31);
    for (int scene = 10; scene <= 12; ++scene) EXPECT_EQ(level(scene, 9), 31) << scene;
    EXPECT_EQ(level(9, 9), 252);
    EXPECT_EQ(level(13, 9), 252);
    EXPECT_EQ(snapshots(), 0);

    window.tools.setLevelSlider = 100;
    pattern(12, 12);
    SetToAllCurrentPatternLevel(ctx);
    EXPECT_EQ(level(12, 9), 31) << "a one-scene pattern is left alone";
    pattern(250, 255);
    setLevel(kSeq, 255, 0, 200);
    SetToAllCurrentPatternLevel(ctx);
    EXPECT_EQ(level(255, 0), 200) << "never scene 255";
}

TEST_F(PatternToolsTest, RotateAndMirrorMoveLevelsAndKeepWords) {
    pattern(5, 7);
    const std::array<int, 3> marks = {10, 20, 30};  // scenes A, B, C
    for (int i = 0; i < 3; ++i) {
        markScene(5 + i, marks[i]);
        store.SceneCtrl[kSeq][5 + i] = static_cast<std::uint16_t>(1000 + i);
    }
    rotatePattern(ctx);
    EXPECT_EQ(level(5, 4095), 20);
    EXPECT_EQ(level(6, 0), 30);
    EXPECT_EQ(level(7, 100), 10);
    mirrorPattern(ctx);  // B, C, A mirrored
    EXPECT_EQ(level(5, 0), 10);
    EXPECT_EQ(level(6, 0), 30);
    EXPECT_EQ(level(7, 0), 20);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(store.SceneCtrl[kSeq][5 + i], 1000 + i);
    invertPattern(ctx);
    EXPECT_EQ(level(5, 0), 245);
    EXPECT_EQ(level(8, 0), 0) << "outside the pattern";
}

TEST_F(PatternToolsTest, MirrorOfABCGivesCBA) {
    pattern(0, 2);
    for (int i = 0; i < 3; ++i) markScene(i, 1 + i);
    mirrorPattern(ctx);
    EXPECT_EQ(level(0, 7), 3);
    EXPECT_EQ(level(1, 7), 2);
    EXPECT_EQ(level(2, 7), 1);
}

TEST_F(PatternToolsTest, TheBigRainbowStopsAtScene255) {
    link(kSeq, 30, 35);
    window.tools.rgbArea.firstRow = 10;  // the search starts at channel 30
    pattern(250, 254);
    bigRainbow(ctx);
    const std::array<std::array<int, 3>, 6> colours = {
        {{255, 0, 0}, {255, 255, 0}, {0, 255, 0}, {0, 255, 255}, {0, 0, 255}, {255, 0, 255}}};
    for (int i = 0; i < 6; ++i) {
        for (int part = 0; part < 3; ++part) {
            EXPECT_EQ(level(250 + i, 30 + part), colours[i][part]) << i;
            EXPECT_EQ(level(250 + i, 33 + part), colours[i][part]) << i;
        }
        EXPECT_EQ(store.SceneCtrl[kSeq][250 + i], 700);
    }
    EXPECT_EQ(level(250, 36), 0);
    expectNextSequenceUntouched();
    EXPECT_EQ(store.SceneCtrl[kSeq + 1][0], 500) << "no loop word beyond the sequence";
}

TEST_F(PatternToolsTest, TheSmallRainbowEndsWithTheLoopWord) {
    link(kSeq, 6, 8);
    link(kSeq, 12, 14);
    pattern(0, 20);
    smallRainbow(ctx);
    EXPECT_EQ(level(0, 6), 255);
    EXPECT_EQ(level(1, 7), 255);
    EXPECT_EQ(level(2, 8), 255);
    EXPECT_EQ(level(0, 12), 0) << "the block ends at the first unlinked channel";
    EXPECT_EQ(store.SceneCtrl[kSeq][2], 700);
    EXPECT_EQ(store.SceneCtrl[kSeq][3], kWordRetToCycle);
}

TEST_F(PatternToolsTest, CreatorAndRainbowsDoNothingWithoutLinkedChannels) {
    pattern(0, 20);
    setLevel(kSeq, 1, 1, 50);
    drawCreatorLines(ctx);
    drawCreatorDots(ctx);
    bigRainbow(ctx);
    smallRainbow(ctx);
    EXPECT_EQ(level(1, 1), 50);
    EXPECT_EQ(level(0, 0), 0);
    EXPECT_EQ(store.SceneCtrl[kSeq][7], 500);
}

TEST_F(PatternToolsTest, RandomDotsFallAtSixIn104) {
    link(kSeq, 0, 999);
    pattern(0, 200);
    markScene(201, 9);
    markScene(202, 9);
    window.tools.creator.NombersOfLines = 4;
    showCreator(ctx, DrawingArea::Channels);
    drawCreatorDots(ctx);
    int set = 0;
    for (int scene = 0; scene <= 200; ++scene) {
        for (int ch = 0; ch < 1000; ++ch) set += level(scene, ch) == 255;
    }
    const double share = set / (201.0 * 1000.0);
    EXPECT_NEAR(share, 6.0 / 104.0, 0.003);
    EXPECT_EQ(level(201, 5), 0) << "the scene after the pattern is cleared";
    EXPECT_EQ(level(202, 5), 9);
    EXPECT_EQ(level(100, 1000), 0) << "nothing beyond the linked range";
    EXPECT_FALSE(window.tools.creator.coutOfAcselEnabled);
}

TEST_F(PatternToolsTest, DiagonalsEndAtTheRangeAndSetTheLoopWord) {
    settings.SettingsRec[kPenLevelSetting] = 180;
    CreatorOptions& creator = window.tools.creator;
    creator.NombersOfLines = 1;

    // "Don't Cross Line": the pattern ends before the boundary after the current scene.
    link(kSeq, 100, 109);
    store.CurScene[kSeq] = 22;
    store.SceneCtrl[kSeq][26] = kWordStop;
    pattern(20, 40);
    setLevel(kSeq, 26, 100, 9);
    drawCreatorLines(ctx);
    EXPECT_EQ(store.PatternLast, 25);
    EXPECT_EQ(store.CurScene[kSeq], 20);
    for (int i = 0; i <= 5; ++i) EXPECT_EQ(level(20 + i, 100 + i), 180) << i;
    EXPECT_EQ(level(26, 100), 0) << "the scene after the pattern is cleared";
    EXPECT_EQ(store.SceneCtrl[kSeq][27], kWordRetToCycle) << "two scenes after the pattern";
    EXPECT_TRUE(creator.coutOfAcselEnabled);

    // A diagonal that leaves the range early: the loop word follows its last scene.
    ResetSequencerStore(store, false);
    creator.DontCrossLine = false;
    link(kSeq, 100, 102);
    pattern(20, 30);
    drawCreatorLines(ctx);
    EXPECT_EQ(level(22, 102), 180);
    EXPECT_EQ(level(23, 103), 0);
    EXPECT_EQ(store.SceneCtrl[kSeq][23], kWordRetToCycle);
}

TEST_F(PatternToolsTest, SeveralDiagonalsStartSideBySideAndAtTheEnd) {
    settings.SettingsRec[kPenLevelSetting] = 180;
    CreatorOptions& creator = window.tools.creator;
    creator.DontCrossLine = false;
    creator.SetLine = false;
    creator.NombersOfLines = 3;
    link(kSeq, 100, 109);
    pattern(20, 25);
    drawCreatorLines(ctx);
    for (int line = 0; line < 3; ++line) EXPECT_EQ(level(20, 100 + line), 180) << line;
    EXPECT_EQ(level(20, 103), 0);
    EXPECT_EQ(level(24, 100), 180) << "a second set starts at scene 25 - 3 + 2";
    EXPECT_EQ(level(25, 101), 180);
    EXPECT_EQ(level(25, 100), 180);
    EXPECT_EQ(level(23, 100), 0);
}

TEST_F(PatternToolsTest, FiguresPastScene255StayInsideTheSequence) {
    settings.SettingsRec[kPenLevelSetting] = 180;
    window.tools.creator.DontCrossLine = false;
    link(kSeq, 0, 3);
    pattern(253, 255);
    drawCreatorLines(ctx);
    EXPECT_EQ(level(255, 2), 180);
    showCreator(ctx, DrawingArea::Rgb);
    drawCreatorDots(ctx);
    expectNextSequenceUntouched();
    window.tools.creator.MergePatterns = true;
    setLevel(kSeq, 253, 0, 0);
    drawCreatorLines(ctx);
    EXPECT_EQ(level(253, 0), 0) << "the lines are offered from the channel area only";
    EXPECT_EQ(store.SceneCtrl[kSeq + 1][0], 500);
    EXPECT_EQ(store.SceneCtrl[kSeq + 1][1], 500);
}

}  // namespace
}  // namespace wl::test
