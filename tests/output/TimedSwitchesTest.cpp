#include "output/TimedSwitches.h"

#include <gtest/gtest.h>

#include "storage/SettingsRecord.h"

namespace wl {
namespace {

constexpr ShapeColour kGreen{0, 128, 0};
constexpr ShapeColour kMaroon{128, 0, 0};

void setPeriod(SettingsRecord& settings, int first, int onH, int onM, int offH, int offM) {
    settings.SettingsRec[first] = onH;
    settings.SettingsRec[first + 1] = onM;
    settings.SettingsRec[first + 2] = offH;
    settings.SettingsRec[first + 3] = offM;
}

// Switch X's times are entries 45 + 5X ..; its channel 49 + 5X; "Job" flag 50 + X.
void setSwitch(SettingsRecord& settings, int x, int onH, int onM, int offH, int offM, int channel,
               bool job) {
    setPeriod(settings, 45 + 5 * x, onH, onM, offH, offM);
    settings.SettingsRec[49 + 5 * x] = channel;
    settings.SettingsFlags[50 + x] = job ? 1 : 0;
}

struct ClockCase {
    int onH, onM, offH, offM;
    int hour, minute;
    bool on;
};

TEST(TimedSwitchTest, SwitchesByItsTimesAcrossTheDay) {
    const ClockCase cases[] = {
        {20, 0, 23, 30, 19, 59, false},
        {20, 0, 23, 30, 20, 0, true},
        {20, 0, 23, 30, 23, 29, true},
        {20, 0, 23, 30, 23, 30, false},
        {20, 0, 23, 30, 3, 0, false},
        // On later than off: on through midnight.
        {20, 0, 2, 0, 19, 59, false},
        {20, 0, 2, 0, 20, 0, true},
        {20, 0, 2, 0, 23, 59, true},
        {20, 0, 2, 0, 0, 0, true},
        {20, 0, 2, 0, 1, 59, true},
        {20, 0, 2, 0, 2, 0, false},
        {20, 0, 2, 0, 12, 0, false},
        // Equal times are never on.
        {8, 15, 8, 15, 8, 15, false},
        {8, 15, 8, 15, 20, 0, false},
        // Damaged times: minute 75 of hour 10 is the next full hour; an off time at hour 30 is
        // never reached.
        {10, 75, 23, 0, 10, 59, false},
        {10, 75, 23, 0, 11, 0, true},
        {6, 0, 30, 0, 23, 59, true},
    };
    for (const ClockCase& c : cases) {
        SettingsRecord settings;
        SwitchState switches;
        setSwitch(settings, 2, c.onH, c.onM, c.offH, c.offM, 100, true);
        checkSwitchClock(switches, settings, 5, c.hour, c.minute);
        EXPECT_EQ(switches.SwitchOn[2], c.on) << c.onH << ":" << c.onM << "-" << c.offH << ":"
                                              << c.offM << " at " << c.hour << ":" << c.minute;
        EXPECT_EQ(switches.shpSw[2], c.on ? kGreen : kMaroon);
    }
}

TEST(TimedSwitchTest, JobAndManualDecide) {
    SettingsRecord settings;
    SwitchState switches;
    setSwitch(settings, 0, 20, 0, 2, 0, 100, /*job=*/false);
    checkSwitchClock(switches, settings, 5, 21, 0);
    EXPECT_FALSE(switches.SwitchOn[0]);  // "Job" unchecked: the clock does not switch it
    switches.manualDown[0] = true;
    checkSwitchClock(switches, settings, 5, 12, 0);
    EXPECT_TRUE(switches.SwitchOn[0]);  // "Manual" does, at any time
}

TEST(LightTimeTest, FollowsTheLightPeriodExceptInModeOff) {
    const ClockCase cases[] = {
        {20, 0, 23, 30, 19, 0, false},
        {20, 0, 23, 30, 21, 0, true},
        {22, 0, 5, 0, 4, 55, true},
        {22, 0, 5, 0, 5, 0, false},
    };
    for (const ClockCase& c : cases) {
        SettingsRecord settings;
        SwitchState switches;
        setPeriod(settings, 26, c.onH, c.onM, c.offH, c.offM);
        checkSwitchClock(switches, settings, 5, c.hour, c.minute);
        EXPECT_EQ(switches.LightTimeOn, c.on) << c.hour << ":" << c.minute;
        // Mode OFF keeps whatever the light time was.
        checkSwitchClock(switches, settings, 0, c.on ? 12 : 21, 0);
        EXPECT_EQ(switches.LightTimeOn, c.on);
    }
}

TEST(LightTimeTest, IndicatorShowsModeOffAlwaysOrTheLightTime) {
    SettingsRecord settings;
    SwitchState switches;
    setPeriod(settings, 26, 20, 0, 23, 30);
    checkSwitchClock(switches, settings, 5, 21, 0);
    EXPECT_EQ(switches.shpSpotOn, (ShapeColour{255, 255, 0}));
    checkSwitchClock(switches, settings, 5, 12, 0);
    EXPECT_EQ(switches.shpSpotOn, (ShapeColour{128, 128, 128}));
    settings.SettingsFlags[11] = 1;
    checkSwitchClock(switches, settings, 5, 12, 0);
    EXPECT_EQ(switches.shpSpotOn, (ShapeColour{255, 196, 196}));
    checkSwitchClock(switches, settings, 0, 12, 0);
    EXPECT_EQ(switches.shpSpotOn, (ShapeColour{0, 0, 0}));
}

TEST(BlockOfSwitchTest, SendsFullLevelOnTheChannelsOfSwitchesThatAreOn) {
    SettingsRecord settings;
    SwitchState switches;
    setSwitch(settings, 0, 0, 0, 0, 0, 2, false);  // a spot channel: overrides its level
    setSwitch(settings, 1, 0, 0, 0, 0, 300, false);
    setSwitch(settings, 2, 0, 0, 0, 0, 0, false);  // no channel
    setSwitch(settings, 3, 0, 0, 0, 0, 9000, false);
    switches.SwitchOn = {true, false, true, true};
    Frame out{};
    BlockOfSwitch(out, switches, settings, 5);
    EXPECT_EQ(out[2], 255);
    EXPECT_EQ(out[300], 0);
    EXPECT_EQ(std::count(out.begin(), out.end(), 255), 1);
    out.fill(0);
    settings.SettingsFlags[54] = 1;  // "STOP disable": mode OFF sends nothing anyway
    BlockOfSwitch(out, switches, settings, 0);
    EXPECT_EQ(out[2], 0);
}

TEST(BlockOfSwitchTest, IndicatorsShowTheLevelSentOnEachChannel) {
    SettingsRecord settings;
    SwitchState switches;
    setSwitch(settings, 0, 0, 0, 0, 0, 5, false);
    setSwitch(settings, 1, 0, 0, 0, 0, 6, false);
    Frame out{};
    out[5] = 128;
    out[6] = 127;
    colourSwitchOutputs(switches, out, settings);
    EXPECT_EQ(switches.shpSwDmx[0], (ShapeColour{0, 0, 255}));
    EXPECT_EQ(switches.shpSwDmx[1], (ShapeColour{128, 128, 128}));
}

TEST(SwitchLabelsTest, ShowTheTimesWithLeadingZeros) {
    SettingsRecord settings;
    setSwitch(settings, 3, 7, 5, 23, 30, 1, true);
    setPeriod(settings, 26, 20, 0, 0, 0);
    const PeriodLabels sw = switchLabels(settings, 3);
    EXPECT_EQ(sw.on, " ON 07:05");
    EXPECT_EQ(sw.off, "0FF 23:30");
    const PeriodLabels light = lightLabels(settings);
    EXPECT_EQ(light.on, " ON 20:00");
    EXPECT_EQ(light.off, "0FF 00:00");
}

}  // namespace
}  // namespace wl
