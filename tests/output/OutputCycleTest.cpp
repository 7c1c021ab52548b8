#include "output/OutputCycle.h"

#include <gtest/gtest.h>

#include <memory>

#include "OutputFixture.h"
#include "fakes/FakeCycleClock.h"

namespace wl {
namespace {

// One universe with 2 spots (channels 1..6), 3 pumps (7..9) and 2 valves (10..11). Sequence 0
// plays on channels 1..11 at level 200; the lights are always on.
class OutputCycleTest : public ::testing::Test {
  protected:
    OutputCycleTest() {
        t.configure(1, 2, 3, 2);
        t.settings.SettingsFlags[11] = 1;
        t.settings.SettingsRec[13] = 255;
        t.SeqJob[0] = 2;
        for (int n = 1; n <= 11; ++n) {
            t.link(0, n);
            t.space.SeqFrame[n] = 200;
        }
        cycle->useClock(clock);
    }

    void run(std::int64_t nowMs = 0) {
        const CycleSources sources = t.sources();
        cycle->composeFrame(sources);
        cycle->finishCycle(sources, nowMs);
    }

    int sent(int channel) const {
        return t.space.UniverseBuf[(channel - 1) / kUniverseSize][(channel - 1) % kUniverseSize];
    }

    test::OutputTables t;
    std::unique_ptr<OutputCycle> cycle = std::make_unique<OutputCycle>();
    test::FakeCycleClock clock;
};

TEST_F(OutputCycleTest, SendsTheSequencerThroughEveryStep) {
    t.space.InfluenceFrame[8] = 0;
    t.space.ChannelMin[9] = 100;
    t.space.ChannelMax[9] = 50;
    run();
    EXPECT_EQ(sent(1), 200);
    EXPECT_EQ(sent(7), 200);
    EXPECT_EQ(sent(8), 0);    // pump influence 0
    EXPECT_EQ(sent(9), 100);  // min 100 above max 50 forces 100
    EXPECT_EQ(sent(12), 0);   // driven by nothing
}

TEST_F(OutputCycleTest, ModeOffSendsZerosButTheEnabledEmulationCodes) {
    t.mode = 0;
    t.switches.SwitchOn[0] = true;
    t.settings.SettingsRec[49] = 3;
    t.settings.SettingsFlags[42] = 1;
    t.settings.SettingsRec[33] = 0x55;
    t.space.FirstFrame.fill(99);
    t.space.OutFrame.fill(99);
    run();
    for (int c = 1; c <= kChannelCount; ++c) {
        ASSERT_EQ(sent(c), c == 511 ? 0x55 : 0) << c;
    }
}

TEST_F(OutputCycleTest, ASwitchOverridesABlankedSpot) {
    t.settings.SettingsFlags[11] = 0;  // outside the light time the spots are blanked
    t.settings.SettingsFlags[50] = 1;
    t.settings.SettingsRec[49] = 2;
    t.switches.SwitchOn[0] = true;
    run();
    EXPECT_EQ(sent(1), 0);
    EXPECT_EQ(sent(2), 255);
    EXPECT_EQ(sent(7), 200);
}

TEST_F(OutputCycleTest, AChannelLeftByItsSequenceHoldsItsLastLevel) {
    t.mode = 4;
    run();
    t.SeqJob[0] = 0;
    t.space.SeqFrame[1] = 30;
    run();
    EXPECT_EQ(sent(1), 200);
}

TEST_F(OutputCycleTest, TheEndOfTheSongHoldsTheSelection) {
    run();
    t.show.EndOfSong = true;
    t.space.SeqFrame[1] = 30;
    run();
    EXPECT_EQ(sent(1), 200);
    t.show.EndOfSong = false;
    run();
    EXPECT_EQ(sent(1), 30);
}

TEST_F(OutputCycleTest, EffectsRampUnlessTheScheduleRunsAMacro) {
    t.effects.EffectType[0] = kEffectRate;
    t.effects.EffectSeq[0] = 0;
    t.effects.EffectStart[0] = 0;
    t.effects.EffectFinish[0] = 10;
    t.effects.EffectTime[0] = 1;
    run();
    EXPECT_EQ(sent(1), 1);  // the ramp from 0
    EXPECT_EQ(sent(10), 1);

    t.settings.SettingsFlags[47] = 1;  // valves do not ramp
    run();
    EXPECT_EQ(sent(1), 2);
    EXPECT_EQ(sent(10), 200);

    t.mode = 7;
    t.space.ChannelTestLevel[1] = 150;
    run();
    EXPECT_EQ(sent(1), 3);  // a macro ramps too while the schedule is off
    t.settings.SettingsFlags[10] = 1;
    run();
    EXPECT_EQ(sent(1), 150);
}

TEST_F(OutputCycleTest, KeepsTheFrameRateOfEachSecond) {
    cycle->statistics.CheckBoxFps = true;
    for (std::int64_t now = 10; now <= 1000; now += 10) run(now);
    EXPECT_EQ(cycle->statistics.fpsCaption, "FPS = ?");  // one second is not yet more than one
    run(1010);
    EXPECT_FLOAT_EQ(cycle->statistics.frameRate, 100.0F);  // 101 cycles in 1010 ms
    EXPECT_EQ(cycle->statistics.fpsCaption, "FPS = 100");
    for (std::int64_t now = 1030; now <= 2030; now += 20) run(now);
    EXPECT_EQ(cycle->statistics.fpsCaption, "FPS = 50");
    EXPECT_EQ(cycle->statistics.cycles, 152U);
    setCheckBoxFps(cycle->statistics, false);
    EXPECT_EQ(cycle->statistics.fpsCaption, "FPS = ?");
}

TEST_F(OutputCycleTest, TimesACycleOnDemand) {
    run();
    EXPECT_EQ(cycle->statistics.ticCaption, "No Check tics");
    setCheckBoxTic(cycle->statistics, true);
    clock.readings = {1'000'000, 1'123'456};
    run();
    EXPECT_EQ(cycle->statistics.ticCaption, "0.0001 сек.");
    setCheckBoxTic(cycle->statistics, false);
    EXPECT_EQ(cycle->statistics.ticCaption, "No Check tics");
}

TEST_F(OutputCycleTest, FeedsTheMonitorFromTheChosenSourceAndUniverse) {
    t.configure(2, 2, 3, 2);
    t.space.ChannelTestLevel[kUniverseSize + 4] = 66;
    t.space.LightFrame[5] = 12;
    std::array<std::uint8_t, kChannelCount> scene{};
    scene[kUniverseSize + 1] = 44;  // channel B002
    LinkRow links{};
    links[0] = 1;
    const std::array<std::uint16_t, 256> influence{510, 255, 254};
    const MonitorSequencerView view{scene, links, influence};
    struct Case {
        MonitorSource source;
        int universe, entry, shown;
    };
    const Case cases[] = {
        {MonitorSource::Out, 0, 1, 200},   {MonitorSource::Hand, 1, 4, 66},
        {MonitorSource::Light, 0, 5, 12},  {MonitorSource::SeqData, 1, 2, 44},
        {MonitorSource::Activ, 0, 1, 255}, {MonitorSource::Activ, 0, 2, 0},
        {MonitorSource::Valve, 0, 1, 2},   {MonitorSource::Valve, 0, 2, 1},
        {MonitorSource::Valve, 0, 3, 0},   {MonitorSource::FromSeq, 0, 11, 200},
    };
    for (const Case& c : cases) {
        cycle->monitor.source = c.source;
        cycle->monitor.universe = c.universe;
        cycle->monitor.MonitorNewData = false;
        CycleSources sources = t.sources();
        sources.monitor = view;
        cycle->composeFrame(sources);
        cycle->finishCycle(sources, 0);
        EXPECT_EQ(cycle->monitor.MonitorBuf[c.entry], c.shown)
            << static_cast<int>(c.source) << " " << c.universe << " " << c.entry;
        EXPECT_TRUE(cycle->monitor.MonitorNewData);
    }
}

TEST_F(OutputCycleTest, RefreshesTheOutputColumnEveryEleventhCycle) {
    t.settings.SettingsRec[21] = 6;  // rows show channels 7..31
    for (int i = 0; i < 10; ++i) run();
    EXPECT_EQ(cycle->column.refreshes, 0U);
    run();
    EXPECT_EQ(cycle->column.refreshes, 1U);
    EXPECT_EQ(cycle->column.labels[0], "200");  // channel 7
    EXPECT_EQ(cycle->column.labels[5], "0");    // channel 12
    cycle->column.rgDmxWiev = DmxWiev::Off;
    for (int i = 0; i < 11; ++i) run();
    EXPECT_EQ(cycle->column.refreshes, 1U);
    refreshOutputColumnCaption(cycle->column);
    EXPECT_EQ(cycle->column.caption, "No Wiev");
}

TEST(OutputLevelTextTest, ShowsTheLevelInTheChosenUnit) {
    struct Case {
        DmxWiev view;
        int level;
        const char* text;
    };
    const Case cases[] = {
        {DmxWiev::Dmx, 255, "255"},       {DmxWiev::Dmx, 0, "0"},
        {DmxWiev::Percent, 255, "100 %"}, {DmxWiev::Percent, 128, "50 %"},
        {DmxWiev::Hz, 255, "50.00"},      {DmxWiev::Hz, 128, "25.00"},
        {DmxWiev::Hz, 10, "2.00"},        {DmxWiev::Hz, 1, "0.20"},
        {DmxWiev::Hz, 0, "0.00"},         {DmxWiev::Hz, 51, "10.00"},
    };
    for (const Case& c : cases) {
        std::string label = "old";
        formatOutputLevel(label, c.view, static_cast<std::uint8_t>(c.level));
        EXPECT_EQ(label, c.text) << c.level;
    }
}

}  // namespace
}  // namespace wl
