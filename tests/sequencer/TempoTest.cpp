#include "sequencer/Tempo.h"

#include "SequencerFixture.h"

namespace wl::test {
namespace {

class TempoTest : public SequencerTest {
  protected:
    static constexpr int kSeq = 5;

    TempoTest() {
        window.ScrollBarNombSeq = kSeq;
        auto& words = store.SceneCtrl[kSeq];
        words[3] = kWordStop;
        words[12] = kWordRetToCycle;
        store.CurScene[kSeq] = 7;
        window.ScrollBarScenaRun = 20;
        window.ScrollBarSeqSpeed = 800;
        createTimers();
    }

    std::uint16_t word(int scene) const { return store.SceneCtrl[kSeq][scene]; }
    int range() const { return store.PatternFirst * 1000 + store.PatternLast; }
};

// Each scope sets the range; with "Rec" the slider value is written into it, without it nothing.
TEST_F(TempoTest, ScopesWithAndWithoutRec) {
    struct Case {
        TempoScope scope;
        int first;
        int last;
        int beyond;  // a time scene just outside the range (for the whole sequence: scene 255)
        bool beyondWritten;
    };
    const Case cases[] = {{TempoScope::All, 0, 254, 255, true},
                          {TempoScope::Pattern, 4, 11, 13, false},
                          {TempoScope::Scene, 20, 20, 21, false}};
    for (const Case& c : cases) {
        for (bool rec : {false, true}) {
            store.SceneCtrl[kSeq].fill(500);
            store.SceneCtrl[kSeq][3] = kWordStop;
            store.SceneCtrl[kSeq][12] = kWordRetToCycle;
            window.tempoScope = c.scope;
            window.CheckBoxEnableTempo = rec;
            SetFulltimersMode(ctx);
            EXPECT_EQ(range(), c.first * 1000 + c.last);
            const std::uint16_t inside = rec ? 800 : 500;
            EXPECT_EQ(word(c.first), inside);
            EXPECT_EQ(word(c.last), inside);
            EXPECT_EQ(word(c.beyond), c.beyondWritten ? inside : 500);
            EXPECT_EQ(word(3), kWordStop) << "commands keep their place";
            EXPECT_EQ(word(12), kWordRetToCycle);
            EXPECT_EQ(timers.interval(kSeq), 800);
        }
    }
}

TEST_F(TempoTest, ScopeButtons) {
    chooseTempoScope(ctx, TempoScope::All);
    EXPECT_TRUE(window.CheckBoxEnableTempo) << "the whole-sequence button records at once";
    EXPECT_EQ(word(0), 800);

    store.SceneCtrl[kSeq].fill(500);
    chooseTempoScope(ctx, TempoScope::Pattern);
    EXPECT_FALSE(window.CheckBoxEnableTempo);
    EXPECT_EQ(range(), 0 * 1000 + 254) << "the range follows the current scene's pattern";
    EXPECT_EQ(word(7), 500);

    chooseTempoScope(ctx, TempoScope::Scene);
    EXPECT_EQ(range(), 20 * 1000 + 20);
    EXPECT_EQ(snapshots(), 3) << "every scope click takes an undo snapshot first";
}

TEST_F(TempoTest, MovingTheSliderRecordsIntoTheScope) {
    window.tempoScope = TempoScope::Scene;
    ScrollBarSeqSpeedChange(ctx, 20);
    EXPECT_TRUE(window.CheckBoxEnableTempo);
    EXPECT_EQ(window.ScrollBarSeqSpeed, 50) << "the slider keeps 50..10000";
    EXPECT_EQ(word(20), 50);
    tempo100Click(ctx);
    EXPECT_EQ(word(20), 100);

    CheckBoxEnableTempoClick(ctx, false);
    window.ScrollBarSeqSpeed = 900;
    CheckBoxEnableTempoClick(ctx, false);
    EXPECT_EQ(word(20), 100) << "switching Rec off records nothing";
    CheckBoxEnableTempoClick(ctx, true);
    EXPECT_EQ(word(20), 900);
}

TEST_F(TempoTest, SelectingASceneInStopOutputsIt) {
    link(kSeq, 0, 3);
    setLevel(kSeq, 30, 2, 222);
    store.SceneCtrl[kSeq][30] = 1250;
    store.SeqJob[kSeq] = kJobStop;
    ScrollBarScenaRunChange(ctx, 30);
    EXPECT_EQ(channels.SeqFrame[3], 222);
    EXPECT_EQ(store.CurScene[kSeq], 7);
    EXPECT_EQ(window.ScrollBarSeqSpeed, 1250) << "the slider shows the scene's time";
    EXPECT_EQ(window.LabelTempo, "T=1.25 sec");
    EXPECT_EQ(window.lblScena, "Scena 31");
    EXPECT_EQ(window.ScrollBarAreaScrScena, 30) << "Carry From Main Scene";
    EXPECT_EQ(timers.interval(kSeq), 1250);
}

TEST_F(TempoTest, SelectingASceneInPlayGoesOnFromIt) {
    store.SeqJob[kSeq] = kJobPlay;
    window.carryFromMainScene = false;
    ScrollBarScenaRunChange(ctx, 300);
    EXPECT_EQ(store.CurScene[kSeq], 253);
    EXPECT_EQ(window.ScrollBarAreaScrScena, 0);
    scheduler.advance(500);
    EXPECT_EQ(store.CurScene[kSeq], 0);
}

TEST_F(TempoTest, SetFirstScenaLeavesThePlayingScene) {
    SetFirstScenaClick(ctx);
    EXPECT_EQ(window.ScrollBarScenaRun, 0);
    EXPECT_EQ(store.CurScene[kSeq], 7);
}

TEST_F(TempoTest, MouseOverTheAreasOutputsTheSceneOnlyInStop) {
    link(kSeq, 0, 0);
    setLevel(kSeq, 40, 0, 90);
    store.InfToDmx[kSeq] = 7;
    store.InfluenceTable[kSeq][40] = 33;
    for (std::uint8_t job : {kJobOff, kJobPlay}) {
        store.SeqJob[kSeq] = job;
        outputSceneUnderMouse(ctx, 40, true);
        EXPECT_EQ(channels.SeqFrame[1], 0);
    }
    store.SeqJob[kSeq] = kJobStop;
    outputSceneUnderMouse(ctx, 40, false);
    EXPECT_EQ(channels.SeqFrame[1], 90);
    EXPECT_EQ(channels.InfluenceFrame[7], 255) << "the RGB area publishes no influence";
    outputSceneUnderMouse(ctx, 40, true);
    EXPECT_EQ(channels.InfluenceFrame[7], 33);
}

}  // namespace
}  // namespace wl::test
