#include "app/MainWindowActions.h"

#include <gtest/gtest.h>

#include "app/Startup.h"
#include "app/System.h"
#include "fakes/TestSystem.h"
#include "sequencer/SequencerStore.h"

namespace wl {
namespace {

// A system after start-up: its program folder holds the default show files.
class MainWindowActionsTest : public ::testing::Test {
  protected:
    MainWindowActionsTest() { MainFormCreate(*ts); }

    test::TestSystem ts;
};

TEST_F(MainWindowActionsTest, PlayFromStartStopsEverySequenceAndClearsTheFrames) {
    ts->sequencer.SeqJob.fill(kJobPlay);
    ts->channels.OutFrame[77] = 200;
    ts->channels.LightFrame[77] = 0;

    SpeedButtonbeginClick(*ts);

    for (auto job : ts->sequencer.SeqJob) ASSERT_EQ(job, kJobOff);
    EXPECT_EQ(ts->channels.OutFrame[77], 0);
    EXPECT_EQ(ts->channels.LightFrame[77], 255);
    EXPECT_TRUE(ts->showRequests.clearTrackSelection);
    EXPECT_TRUE(ts->showRequests.startMarkToBeginning);
    EXPECT_TRUE(ts->showRequests.rewindSong);
}

}  // namespace
}  // namespace wl
