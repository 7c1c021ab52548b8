#include <gtest/gtest.h>

#include "app/Startup.h"
#include "fakes/TestSystem.h"
#include "sequencer/Playback.h"

namespace wl::test {
namespace {

// The sequencer window's creation on a whole system: its timers run on the system's scheduler
// and step what the system's tables say.
TEST(SequencerStartup, WindowCreationRunsTheSequencesOnTheSystemScheduler) {
    TestSystem sys;
    System& system = *sys;
    system.settings.SettingsRec[kCurrentSeqSetting] = 7;
    ResetSequencerStore(system.sequencer, /*programStart=*/true);
    createWindowLogic(system, WindowId::Sequencer);

    EXPECT_EQ(system.sequencerWindow.ScrollBarNombSeq, 7);
    EXPECT_EQ(system.sequencer.InfluenceTable[255][255], 255);
    system.sequencer.LinkMask[9][0] = 1;
    system.sequencer.SceneStore.setLevel(9, 1, 0, 180);
    system.sequencer.SeqJob[9] = kJobPlay;
    system.scheduler.advance(300);
    EXPECT_EQ(system.sequencer.CurScene[9], 1);
    EXPECT_EQ(system.channels.SeqFrame[1], 180);
}

}  // namespace
}  // namespace wl::test
