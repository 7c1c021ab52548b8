#include "sequencer/SequenceSelection.h"

#include "SequencerFixture.h"
#include "sequencer/LibraryPage.h"
#include "sequencer/Playback.h"

namespace wl::test {
namespace {

class SelectionTest : public SequencerTest {};

TEST_F(SelectionTest, WindowCreationMakesTheTimersAndSelectsTheRememberedSequence) {
    settings.SettingsRec[kCurrentSeqSetting] = 42;
    store.InfluenceTable[0][0] = 3;
    SequencerFormCreate(ctx, scheduler);

    EXPECT_TRUE(timers.created());
    for (int seq : {0, 41, 43, 255}) {
        EXPECT_EQ(timers.interval(seq), 300);
        EXPECT_TRUE(scheduler.isRunning(timers.taskId(seq)));
    }
    EXPECT_EQ(timers.interval(42), 500) << "the edited sequence takes the tempo slider";
    EXPECT_EQ(store.InfluenceTable[0][0], 255);
    EXPECT_EQ(window.ScrollBarNombSeq, 42);

    SequencerFormCreate(ctx, scheduler);
    EXPECT_EQ(timers.taskId(255), 255u) << "a second creation adds no timers";
}

TEST_F(SelectionTest, SelectingASequenceLoadsItsControls) {
    const int seq = 70;
    store.SeqDivider[seq] = 4;
    store.SeqSourceSeq[seq] = 8;
    store.SeqSource[seq] = kSourceLabel;
    store.SeqJob[seq] = kJobStop;
    store.CurScene[seq] = 12;
    store.SceneCtrl[seq][12] = 2000;
    store.InfToDmx[seq] = 3;
    store.InfLgtAddr[seq] = 512;
    SetSeqName(store, seq, "Fan");
    window.CheckBoxEnableTempo = true;
    window.ScrollBarSeqSpeed = 700;

    selectSequence(ctx, seq);
    EXPECT_EQ(settings.SettingsRec[kCurrentSeqSetting], seq);
    EXPECT_EQ(window.dividerLabel, "Divide by 05");
    EXPECT_EQ(window.seqSourceLabel, "From Seq 09");
    EXPECT_TRUE(window.seqSourceVisible);
    EXPECT_TRUE(window.dividerVisible);
    EXPECT_EQ(window.rgSeqJob, kJobStop);
    EXPECT_EQ(window.edtNameSeq, "Fan             ");
    EXPECT_EQ(window.ScrollBarScenaRun, 12);
    EXPECT_EQ(window.LabelTempo, "T=2 sec");
    EXPECT_EQ(window.ScrollBarSeqSpeed, 2000);
    EXPECT_FALSE(window.CheckBoxEnableTempo);
    EXPECT_EQ(window.link.infToDmxLabel, "003");
    EXPECT_EQ(window.link.infLightAddrLabel, "B001");
    EXPECT_EQ(store.InfluenceTable[seq][0], 0) << "the influence table is computed";
}

TEST_F(SelectionTest, AnUnknownSourceRunsAsTempo) {
    store.SeqSource[9] = 200;
    selectSequence(ctx, 9);
    EXPECT_EQ(store.SeqSource[9], kSourceTempo);
    EXPECT_EQ(window.rgInputSource, kSourceTempo);
}

TEST_F(SelectionTest, QuickButtons) {
    selectSequence(ctx, 33);
    quickButtonRemember(ctx, 6);
    EXPECT_EQ(settings.SettingsRec[96], 33);
    selectSequence(ctx, 0);
    quickButtonSelect(ctx, 6);
    EXPECT_EQ(window.ScrollBarNombSeq, 33);
}

TEST_F(SelectionTest, ModeCommands) {
    selectSequence(ctx, 4);
    setAllSeqJobs(ctx, kJobStop);
    EXPECT_EQ(store.SeqJob[0], kJobStop);
    EXPECT_EQ(store.SeqJob[255], kJobStop);
    EXPECT_EQ(window.rgSeqJob, kJobStop);
    rgSeqJobClick(ctx, kJobPlay);
    EXPECT_EQ(store.SeqJob[4], kJobPlay);
    EXPECT_EQ(store.SeqJob[5], kJobStop);
    setAllSeqJobs(ctx, kJobOff);
    EXPECT_EQ(store.SeqJob[4], kJobOff);
    setSeqJob(ctx, 4, 9);  // a damaged track record
    EXPECT_EQ(store.SeqJob[4], kJobPlay);
}

TEST_F(SelectionTest, SourceSelectorShowsItsSliders) {
    struct Case {
        int source;
        bool fromSeq;
        bool divider;
    };
    const Case cases[] = {{kSourceTempo, false, false},
                          {kSourceParalell, true, false},
                          {kSourceSecond, false, false},
                          {kSourceLabel, true, true}};
    for (const Case& c : cases) {
        rgInputSourceClick(ctx, c.source);
        EXPECT_EQ(store.SeqSource[0], c.source);
        EXPECT_EQ(window.seqSourceVisible, c.fromSeq);
        EXPECT_EQ(window.dividerVisible, c.divider);
    }
    ScrollBarSeqSourceChange(ctx, 255);
    EXPECT_EQ(store.SeqSourceSeq[0], 255);
    EXPECT_EQ(window.seqSourceLabel, "From Seq 256");
    ScrollBarDividerChange(ctx, 150);
    EXPECT_EQ(store.SeqDivider[0], 99);
    EXPECT_EQ(window.dividerLabel, "Divide by 100");
}

TEST_F(SelectionTest, LibraryPageEditsChannels0To15) {
    selectSequence(ctx, 11);
    cureClick(ctx);
    store.LinkMask[11][3] = 0;
    for (int ch = 0; ch < 17; ++ch) setLevel(11, 4, ch, 40 + ch);

    ScrollBarScenaXYChange(ctx, 4);
    EXPECT_EQ(window.link.libSceneLabel, "Scena 5");
    EXPECT_EQ(channels.SeqFrame[1], 40);
    EXPECT_EQ(channels.SeqFrame[4], 0) << "channel 3 is not linked";

    ScrollBarScenaXYChange(ctx, 5);
    copyPreviousSceneClick(ctx);
    EXPECT_EQ(store.SceneStore[sceneIndex(11, 5, 15)], 55);
    EXPECT_EQ(store.SceneStore[sceneIndex(11, 5, 3)], 0);
    EXPECT_EQ(store.SceneStore[sceneIndex(11, 5, 16)], 0) << "only the first sixteen channels";

    libraryTabChange(ctx, 2);
    EXPECT_EQ(store.LibPage[11], 2);
}

}  // namespace
}  // namespace wl::test
