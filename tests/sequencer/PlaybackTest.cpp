#include "sequencer/Playback.h"

#include "SequencerFixture.h"

namespace wl::test {
namespace {

class PlaybackTest : public SequencerTest {
  protected:
    static constexpr int kSeq = 3;

    PlaybackTest() {
        markScenes(kSeq);
        link(kSeq, 0, 9);
        window.ScrollBarNombSeq = 0;
    }

    void tick() { onSeqTimer(ctx, kSeq); }
    int curScene() const { return store.CurScene[kSeq]; }
    int interval() const { return timers.interval(kSeq); }
};

TEST_F(PlaybackTest, SceneTimesStepTheSequenceAndWrapBefore254) {
    createTimers();
    timers.initTimer(kSeq, 500);
    play(kSeq, 0);

    scheduler.advance(499);
    EXPECT_EQ(curScene(), 0);
    scheduler.advance(1);
    EXPECT_EQ(curScene(), 1) << "the first tick leaves scene 0";
    EXPECT_EQ(shownScene(0), 1);
    scheduler.advance(500 * 252);
    EXPECT_EQ(curScene(), 253);
    scheduler.advance(500);
    EXPECT_EQ(curScene(), 0);
    EXPECT_EQ(shownScene(9), 0);
    scheduler.advance(500);
    EXPECT_EQ(curScene(), 1);
}

TEST_F(PlaybackTest, OnlyLinkedChannelsAreWritten) {
    play(kSeq, 0);
    channels.SeqFrame[11] = 77;
    tick();
    EXPECT_EQ(shownScene(9), 1);
    EXPECT_EQ(channels.SeqFrame[11], 77);
}

TEST_F(PlaybackTest, SequencesNotInPlayIgnoreTheirTicks) {
    for (std::uint8_t job : {kJobOff, kJobStop}) {
        store.SeqJob[kSeq] = job;
        store.CurScene[kSeq] = 4;
        channels.SeqFrame[1] = 99;
        tick();
        EXPECT_EQ(curScene(), 4);
        EXPECT_EQ(channels.SeqFrame[1], 99);
    }
}

TEST_F(PlaybackTest, StopWordsOutputTheirSceneAndChangeTheMode) {
    struct Case {
        std::uint16_t word;
        std::uint8_t job;
    };
    for (const Case& c : {Case{kWordStop, kJobStop}, Case{kWordStopOff, kJobOff}}) {
        window.ScrollBarNombSeq = kSeq;
        window.rgSeqJob = kJobPlay;
        store.SceneCtrl[kSeq][5] = c.word;
        play(kSeq, 4);
        tick();
        EXPECT_EQ(curScene(), 5);
        EXPECT_EQ(shownScene(0), 5);
        EXPECT_EQ(store.SeqJob[kSeq], c.job);
        EXPECT_EQ(window.rgSeqJob, c.job) << "the mode selector follows the edited sequence";
        tick();
        EXPECT_EQ(curScene(), 5) << "the sequence holds";
    }
}

TEST_F(PlaybackTest, LoopJumpTakesEffectInTheSameTick) {
    createTimers();
    store.SceneCtrl[kSeq][3] = kWordStop;
    store.SceneCtrl[kSeq][8] = 800;
    store.SceneCtrl[kSeq][9] = kWordRetToCycle;
    play(kSeq, 7);
    tick();  // scene 8
    EXPECT_EQ(interval(), 800);
    tick();  // scene 9 jumps to 4
    EXPECT_EQ(curScene(), 4);
    EXPECT_EQ(shownScene(0), 4) << "the command scene itself is never output";
    EXPECT_EQ(interval(), 800) << "scene 4 lasts as long as scene 8";
    tick();
    EXPECT_EQ(curScene(), 5);
}

TEST_F(PlaybackTest, LoopWithoutEarlierBoundaryGoesOn) {
    store.SceneCtrl[kSeq][9] = kWordRetToCycle;
    play(kSeq, 8);
    tick();
    EXPECT_EQ(curScene(), 9);
    EXPECT_EQ(shownScene(0), 9);
    tick();
    EXPECT_EQ(curScene(), 10);
}

TEST_F(PlaybackTest, RestartOutputsSceneZeroInTheSameTick) {
    store.SceneCtrl[kSeq][6] = kWordRetToBegin;
    play(kSeq, 5);
    tick();
    EXPECT_EQ(curScene(), 0);
    EXPECT_EQ(shownScene(0), 0);
    tick();
    EXPECT_EQ(curScene(), 1);
}

// Words 0..9 never set the interval; every other word does, shown as a time or not.
TEST_F(PlaybackTest, OnlyTimeWordsChangeTheInterval) {
    createTimers();
    struct Case {
        std::uint16_t word;
        int interval;
    };
    const Case cases[] = {{700, 700}, {4, 700},       {9, 700},          {kWordRetToBegin, 700},
                          {10, 10},   {65017, 65017}, {kWordStop, 65017}};
    for (const Case& c : cases) {
        store.SceneCtrl[kSeq][1] = c.word;
        play(kSeq, 0);
        tick();
        EXPECT_EQ(interval(), c.interval) << "word " << c.word;
    }
}

TEST_F(PlaybackTest, IntervalChangeWaitsTheNewTimeFromTheTick) {
    createTimers();
    timers.initTimer(kSeq, 100);
    store.SceneCtrl[kSeq][1] = 1000;
    play(kSeq, 0);
    scheduler.advance(100);
    EXPECT_EQ(curScene(), 1);
    scheduler.advance(999);
    EXPECT_EQ(curScene(), 1);
    scheduler.advance(1);
    EXPECT_EQ(curScene(), 2);
}

TEST_F(PlaybackTest, InitTimerRestartsTheWaitAndKeepsTheEnabledState) {
    createTimers();
    timers.initTimer(kSeq, 500);
    play(kSeq, 0);
    scheduler.advance(400);
    timers.initTimer(kSeq, 500);  // the same interval still restarts the wait
    scheduler.advance(499);
    EXPECT_EQ(curScene(), 0);
    scheduler.advance(1);
    EXPECT_EQ(curScene(), 1);

    scheduler.stop(timers.taskId(kSeq));
    timers.initTimer(kSeq, 200);
    EXPECT_FALSE(scheduler.isRunning(timers.taskId(kSeq)));
    EXPECT_EQ(interval(), 200);
}

TEST_F(PlaybackTest, ParalellWithItselfAsSourceRepeatsItsSceneEvery50ms) {
    createTimers();
    store.SeqSource[kSeq] = kSourceParalell;
    store.SeqSourceSeq[kSeq] = kSeq;
    play(kSeq, 12);
    scheduler.advance(300);
    EXPECT_EQ(shownScene(0), 12);
    EXPECT_EQ(interval(), 50);
    channels.SeqFrame[1] = 0;
    scheduler.advance(50);
    EXPECT_EQ(shownScene(0), 12);
    EXPECT_EQ(curScene(), 12);
}

TEST_F(PlaybackTest, ParalellShowsItsOwnLevelsAtTheSourceScene) {
    store.SeqSource[kSeq] = kSourceParalell;
    store.SeqSourceSeq[kSeq] = 7;
    store.CurScene[7] = 40;
    play(kSeq, 2);
    tick();
    EXPECT_EQ(shownScene(0), 40);
    EXPECT_EQ(curScene(), 2);
}

TEST_F(PlaybackTest, ClockSourcesShowTheWallClock) {
    createTimers();
    clock.set(2026, 12, 9, 23, 45, 59);
    struct Case {
        std::uint8_t source;
        int scene;
        int interval;
        const char* caption;
    };
    const Case cases[] = {{kSourceSecond, 59, 50, " Sec 59 "},
                          {kSourceMinute, 45, 500, " Min 45 "},
                          {kSourceHour, 23, 1000, " Hour 23 "}};
    for (const Case& c : cases) {
        window.ScrollBarNombSeq = 0;
        store.SeqSource[kSeq] = c.source;
        play(kSeq, 3);
        tick();
        EXPECT_EQ(shownScene(0), c.scene);
        EXPECT_EQ(interval(), c.interval);
        EXPECT_EQ(curScene(), 3) << "only the edited sequence follows the clock's scene";

        window.ScrollBarNombSeq = kSeq;
        tick();
        EXPECT_EQ(curScene(), c.scene);
        EXPECT_EQ(window.ScrollBarScenaRun, c.scene);
        EXPECT_EQ(window.grpSeqSynhro, c.caption);
    }
}

TEST_F(PlaybackTest, SecondSourceNeverShowsAboveScene59) {
    store.SeqSource[kSeq] = kSourceSecond;
    clock.time.second = 60;  // a leap second
    play(kSeq, 0);
    tick();
    EXPECT_EQ(shownScene(0), 59);
}

TEST_F(PlaybackTest, LabelAdvancesOnceAfterEachTrackStepAfterItsDivider) {
    store.SeqSource[kSeq] = kSourceLabel;
    for (int divider : {0, 3}) {
        store.SeqDivider[kSeq] = static_cast<std::uint8_t>(divider);
        play(kSeq, 0);
        tick();
        EXPECT_EQ(curScene(), 0) << "no track step yet";
        raiseLabelPending(store);
        for (int wait = 0; wait < divider; ++wait) tick();
        EXPECT_EQ(curScene(), 0) << "divider " << divider;
        tick();
        EXPECT_EQ(curScene(), 1) << "divider " << divider;
        for (int more = 0; more < 5; ++more) tick();
        EXPECT_EQ(curScene(), 1) << "waits for the next step";
    }
}

TEST_F(PlaybackTest, LabelRunsItsTimerAt10ms) {
    createTimers();
    store.SeqSource[kSeq] = kSourceLabel;
    play(kSeq, 0);
    raiseLabelPending(store);
    tick();
    EXPECT_EQ(interval(), 10);
}

TEST_F(PlaybackTest, EditedSequenceShowsItsPlayingScene) {
    window.ScrollBarNombSeq = kSeq;
    const std::uint64_t before = window.revision;
    play(kSeq, 4);
    tick();
    EXPECT_EQ(window.grpSeqSynhro, " Scena 06 ");
    EXPECT_EQ(window.ScrollBarScenaRun, 5);
    EXPECT_EQ(window.revision - before, 1u);
}

TEST_F(PlaybackTest, PlayingScenePublishesItsInfluence) {
    store.InfToDmx[kSeq] = 5;
    store.InfluenceTable[kSeq][1] = 120;
    play(kSeq, 0);
    tick();
    EXPECT_EQ(channels.InfluenceFrame[5], 120);

    store.InfToDmx[kSeq] = 60000;  // from a damaged file: nothing outside the frame is written
    tick();
    EXPECT_EQ(channels.InfluenceFrame[5], 120);
}

TEST_F(PlaybackTest, LightInfluenceStopsAtChannel4096) {
    link(kSeq, 0, 1399);
    store.InfLgtMode[kSeq] = 1;
    store.InfLgtLeng[kSeq] = 0;  // the light is three channels whatever the selector says
    setLevel(kSeq, 1, 0, 200);
    setLevel(kSeq, 1, 1, 100);
    channels.LightFrame.fill(7);
    play(kSeq, 0);
    tick();
    EXPECT_EQ(channels.LightFrame[0], 7);
    EXPECT_EQ(channels.LightFrame[1], 255);
    EXPECT_EQ(channels.LightFrame[3], 255);
    EXPECT_EQ(channels.LightFrame[4], 0);
    EXPECT_EQ(channels.LightFrame[kChannelCount], 0);
    EXPECT_EQ(shownScene(1399), 1) << "levels beyond the last light are still written";
}

TEST_F(PlaybackTest, LightInfluenceStartsAtItsAddressAndOnlyInPlay) {
    store.InfLgtMode[kSeq] = 1;
    store.InfLgtAddr[kSeq] = 4090;  // limited to light 4000
    setLevel(kSeq, 1, 0, 255);
    play(kSeq, 0);
    tick();
    EXPECT_EQ(channels.LightFrame[4000], 255);
    EXPECT_EQ(channels.LightFrame[3999], 255) << "the gate starts open";

    channels.LightFrame.fill(9);
    store.SceneCtrl[kSeq][2] = kWordStop;
    tick();
    EXPECT_EQ(channels.LightFrame[4000], 9) << "a scene that stops the sequence switches no light";
}

// 256 sequences stepping at 50 ms for a minute: each ends exactly where its scene times say.
TEST_F(PlaybackTest, ManySequencesStepWithoutDrift) {
    createTimers();
    for (int seq = 0; seq < kSequenceCount; ++seq) {
        store.SceneCtrl[seq].fill(50);
        store.LinkMask[seq][seq] = 1;
        timers.initTimer(seq, 50);
        play(seq, 0);
    }
    scheduler.advance(60'000);
    for (int seq = 0; seq < kSequenceCount; ++seq) {
        ASSERT_EQ(store.CurScene[seq], 1200 % kPlayableScenes) << "sequence " << seq;
    }
    EXPECT_EQ(scheduler.totalOverruns(), 0u);
}

}  // namespace
}  // namespace wl::test
