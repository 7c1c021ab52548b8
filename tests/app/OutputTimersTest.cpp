#include "app/OutputTimers.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>

#include "app/HeadlessStatus.h"
#include "app/Startup.h"
#include "app/System.h"
#include "app/SystemViews.h"
#include "fakes/TestSystem.h"

namespace wl {
namespace {

// The Sound and the DMX output windows' logic, as start-up creates them, starting in DANCE.
class OutputTimersTest : public ::testing::Test {
  protected:
    OutputTimersTest() {
        ts->settings.SettingsRec[10] = 1;  // " Start Play List ": "Use Last Mode"
        createWindowLogic(*ts, WindowId::Sound);
        createWindowLogic(*ts, WindowId::Output);
    }

    // Level of channel `channel` (1..512) in the last packet of universe A the board received.
    int lastPacketLevel(int channel) const {
        const auto writes = ts.ftdi.writes();
        for (auto packet = writes.rbegin(); packet != writes.rend(); ++packet) {
            if (packet->size() == 530 && (*packet)[1] == 0xF0) return (*packet)[13 + channel];
        }
        return -1;
    }

    test::TestSystem ts;
};

TEST_F(OutputTimersTest, TheOutputWindowRunsTheCycleEveryTenMilliseconds) {
    const OutputTimerIds& timers = ts->outputTimers;
    ASSERT_TRUE(timers.TimerDMX && timers.tmrCopyFromOption && timers.tmrMacro);
    EXPECT_EQ(ts->scheduler.name(*timers.TimerDMX), "TimerDMX");
    EXPECT_EQ(ts->scheduler.interval(*timers.TimerDMX), 10);
    EXPECT_EQ(ts->scheduler.interval(*timers.tmrCopyFromOption), 151);
    EXPECT_FALSE(ts->scheduler.isRunning(*timers.tmrMacro));
    EXPECT_EQ(ts->channels.InfluenceFrame[1], 255);
    ts->scheduler.advance(10'000);
    EXPECT_EQ(ts->scheduler.runs(*timers.TimerDMX), 1000U);
    EXPECT_EQ(ts->output.statistics.cycles, 1000U);
    EXPECT_EQ(ts->scheduler.runs(*timers.tmrCopyFromOption), 66U);
}

TEST_F(OutputTimersTest, DestroyingTheOutputWindowStopsItsTimers) {
    ts->scheduler.advance(100);
    destroyWindowLogic(*ts, WindowId::Output);
    const OutputTimerIds& timers = ts->outputTimers;
    for (const auto& timer : {timers.TimerDMX, timers.tmrCopyFromOption, timers.tmrMacro}) {
        EXPECT_FALSE(ts->scheduler.isRunning(*timer)) << ts->scheduler.name(*timer);
    }
    ts->scheduler.advance(1000);
    EXPECT_EQ(ts->output.statistics.cycles, 10U);
}

TEST_F(OutputTimersTest, AStaticMacroReachesTheBoardInTheNextCycle) {
    ts->macros.MacroStore[0][2] = 180;  // channel A003
    ts->scheduler.advance(20);
    MacroContext macros = macroContext(*ts);
    ReadMacro(macros, 0);
    EXPECT_EQ(ts->FountainMode, 7);
    ts->scheduler.advance(10);  // the mode timer runs before the cycle
    EXPECT_EQ(ts->mode.LabelModeFontan, "MACRO 01");
    EXPECT_EQ(ts->channels.UniverseBuf[0][2], 180);
    EXPECT_EQ(lastPacketLevel(3), 180);
    EXPECT_EQ(ts->channels.OutFrame[3], 180);
}

TEST_F(OutputTimersTest, PressingStaticSilencesEverythingUntilLevelsAreSet) {
    ts->settings.SettingsFlags[11] = 1;  // lights always on
    ts->sequencer.SeqJob[0] = kJobPlay;
    ts->sequencer.LinkMask[0][0] = 1;
    ts->channels.SeqFrame[1] = 200;
    ts->channels.ChannelTestLevel[2] = 90;
    ts->scheduler.advance(20);
    EXPECT_EQ(lastPacketLevel(1), 200);
    pressModeButton(*ts, ModeButton::Static);
    ts->scheduler.advance(10);
    EXPECT_EQ(ts->sequencer.SeqJob[0], kJobOff);
    EXPECT_EQ(lastPacketLevel(1), 0);
    EXPECT_EQ(lastPacketLevel(2), 0);
    ts->channels.ChannelTestLevel[2] = 90;
    ts->scheduler.advance(10);
    EXPECT_EQ(lastPacketLevel(2), 90);
}

TEST_F(OutputTimersTest, TheOptionTimerRefreshesTheMapAndTheIndicators) {
    ts->settings.SettingsRec[18] = 3;
    ts->settings.SettingsRec[49] = 5;  // switch A on A005
    ts->switches.SwitchOn[0] = true;
    ts->output.column.rgDmxWiev = DmxWiev::Off;
    ts->scheduler.advance(151);
    EXPECT_EQ(ts->channels.ChannelCount, 4 * kUniverseSize);
    EXPECT_EQ(ts->switches.shpSwDmx[0], (ShapeColour{0, 0, 255}));
    EXPECT_EQ(ts->output.column.caption, "No Wiev");
}

TEST_F(OutputTimersTest, TheStatusLineShowsTheFrameRateAndLateCycles) {
    ts->scheduler.advance(2000);
    EXPECT_NE(headlessStatusLine(*ts).find("output 100 fps, late cycles 0"), std::string::npos)
        << headlessStatusLine(*ts);
    // The main thread held up for 35 ms: the cycle runs once, late.
    ts->scheduler.runDue(ts->scheduler.now() + 35);
    ts->scheduler.runDue(ts->scheduler.now() + 5);
    EXPECT_EQ(ts->output.statistics.lateCycles, 1U);
    EXPECT_NE(headlessStatusLine(*ts).find("late cycles 1"), std::string::npos);
}

}  // namespace
}  // namespace wl
