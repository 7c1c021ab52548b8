#include "output/FrameShaping.h"

#include <gtest/gtest.h>

#include "OutputFixture.h"
#include "output/Sweep.h"

namespace wl {
namespace {

TEST(SweepTest, RescalesIntoTheRangeWithTheIntegerSteps) {
    struct Case {
        int value, lo, hi, expected;
    };
    const Case cases[] = {
        {255, 0, 128, 128},  // k = 19, (25500 div 19) div 10 = 134, clamped to 128
        {100, 0, 255, 100},  {0, 0, 255, 0},      {255, 0, 255, 255},  // identity
        {128, 0, 128, 67},  // k = 19: (12800 div 19) div 10 = 67
        {0, 20, 230, 20},    {255, 20, 230, 230}, {128, 20, 230, 126},
        {200, 100, 50, 100}, {0, 100, 50, 100},  // hi below lo forces lo
        {77, 60, 60, 60},                        // an empty range gives lo
    };
    for (const Case& c : cases) {
        EXPECT_EQ(raschetSweep(static_cast<std::uint8_t>(c.value), static_cast<std::uint8_t>(c.lo),
                               static_cast<std::uint8_t>(c.hi)),
                  c.expected)
            << c.value << " in " << c.lo << ".." << c.hi;
    }
}

// Two universes, each with 2 spots (channels 1..6), 3 pumps (7..9) and 2 valves (10..11).
class FrameShapingTest : public ::testing::Test {
  protected:
    static constexpr int kB = kUniverseSize;  // offset of universe B

    FrameShapingTest() { t.configure(2, 2, 3, 2); }

    test::OutputTables t;
    ChannelSpace& s = t.space;
};

TEST_F(FrameShapingTest, LightBlankingClearsSpotsOfEveryUniverseOutsideTheLightTime) {
    s.FirstFrame.fill(90);
    LightOn(s, t.settings, /*lightTimeOn=*/true);
    EXPECT_EQ(s.FirstFrame[1], 90);
    LightOn(s, t.settings, false);
    for (int n : {1, 6, kB + 1, kB + 6}) EXPECT_EQ(s.FirstFrame[n], 0) << n;
    for (int n : {7, kB + 7, 2 * kB + 1}) EXPECT_EQ(s.FirstFrame[n], 90) << n;
    s.FirstFrame.fill(90);
    t.settings.SettingsFlags[11] = 1;  // "Allways"
    LightOn(s, t.settings, false);
    EXPECT_EQ(s.FirstFrame[1], 90);
}

TEST_F(FrameShapingTest, ValvesSkipTheRampOnlyWithMinTimeForValves) {
    s.FirstFrame.fill(200);
    ValveQuicle(s, t.settings);
    EXPECT_EQ(s.RateFrame[10], 0);
    t.settings.SettingsFlags[47] = 1;
    ValveQuicle(s, t.settings);
    for (int n : {10, 11, kB + 10, kB + 11}) EXPECT_EQ(s.RateFrame[n], 200) << n;
    for (int n : {9, 12, kB + 9}) EXPECT_EQ(s.RateFrame[n], 0) << n;
}

TEST_F(FrameShapingTest, MasterJetScalesThePumpsOfEveryUniverse) {
    s.RateFrame.fill(200);
    t.settings.SettingsRec[13] = 128;
    MasterJet(s, t.settings);
    for (int n : {7, 9, kB + 7, kB + 9}) EXPECT_EQ(s.JetFrame[n], 100) << n;  // 200 x 128 div 255
    for (int n : {6, 10, kB + 1}) EXPECT_EQ(s.JetFrame[n], 200) << n;
    t.settings.SettingsRec[13] = 0;
    MasterJet(s, t.settings);
    EXPECT_EQ(s.JetFrame[kB + 8], 0);
    t.settings.SettingsRec[13] = 1000;  // a damaged level counts as full
    MasterJet(s, t.settings);
    EXPECT_EQ(s.JetFrame[8], 200);
}

TEST_F(FrameShapingTest, MinMaxRescalesPumpsOnlyOrEveryChannelButNeverTwice) {
    for (int n : {1, 7, kB + 7}) {
        s.ChannelMin[n] = 0;
        s.ChannelMax[n] = 128;
    }
    const auto rescaled = [&](bool onlyPumps) {
        s.JetFrame.fill(255);
        t.settings.SettingsFlags[48] = onlyPumps ? 1 : 0;
        rescaleMinMax(s, t.settings);
        return std::array<int, 3>{s.JetFrame[1], s.JetFrame[7], s.JetFrame[kB + 7]};
    };
    // Twice through the sweep, 255 would become 128 and then 67.
    EXPECT_EQ(rescaled(true), (std::array<int, 3>{255, 128, 128}));
    EXPECT_EQ(rescaled(false), (std::array<int, 3>{128, 128, 128}));
}

TEST_F(FrameShapingTest, PumpInfluenceScalesPumpsUnlessItIs255) {
    s.OutFrame.fill(200);
    s.InfluenceFrame[7] = 255;
    s.InfluenceFrame[8] = 0;
    s.InfluenceFrame[kB + 9] = 128;
    s.InfluenceFrame[1] = 0;  // a spot: influence acts on pumps only
    InfluencePump(s);
    EXPECT_EQ(s.OutFrame[7], 200);
    EXPECT_EQ(s.OutFrame[8], 0);
    EXPECT_EQ(s.OutFrame[kB + 9], 100);
    EXPECT_EQ(s.OutFrame[1], 200);
}

TEST_F(FrameShapingTest, BlackoutClearsEveryChannelAndAsksForSilenceWhenSet) {
    s.OutFrame.fill(99);
    BlackOUT(s, t.settings, t.requests);
    EXPECT_EQ(std::count(s.OutFrame.begin() + 1, s.OutFrame.end(), 0), kChannelCount);
    EXPECT_FALSE(t.requests.globalVolumeToZero);
    t.settings.SettingsFlags[9] = 1;
    BlackOUT(s, t.settings, t.requests);
    EXPECT_TRUE(t.requests.globalVolumeToZero);
}

TEST_F(FrameShapingTest, EmulationCodesGoOnlyWhereEnabled) {
    t.settings.SettingsRec[32] = 0x1AB;  // the low byte is sent
    t.settings.SettingsRec[33] = 22;
    t.settings.SettingsRec[34] = 33;
    t.settings.SettingsFlags[41] = 1;
    t.settings.SettingsFlags[43] = 1;
    BlockOfEmulation(s, t.settings);
    EXPECT_EQ(s.OutFrame[510], 0xAB);
    EXPECT_EQ(s.OutFrame[511], 0);
    EXPECT_EQ(s.OutFrame[512], 33);
}

TEST_F(FrameShapingTest, RedutRepeatsUniverseBOntoA) {
    for (int n = 1; n <= kB; ++n) s.OutFrame[kB + n] = static_cast<std::uint8_t>(n);
    repeatRedut(s, t.settings);
    EXPECT_EQ(s.OutFrame[392], 0);
    t.settings.SettingsFlags[60] = 1;
    repeatRedut(s, t.settings);
    for (int n = 392; n <= 480; ++n) ASSERT_EQ(s.OutFrame[n], s.OutFrame[kB + n]) << n;
    EXPECT_EQ(s.OutFrame[391], 0);
    EXPECT_EQ(s.OutFrame[481], 0);
}

TEST_F(FrameShapingTest, SplitFillsAllEightUniverses) {
    for (int n = 1; n <= kChannelCount; ++n) s.OutFrame[n] = static_cast<std::uint8_t>(n / 7);
    CaseBufOutToBufDMX(s);
    for (int u = 0; u < kUniverseCount; ++u) {
        for (int c : {1, 256, 512}) {
            EXPECT_EQ(s.UniverseBuf[u][c - 1], s.OutFrame[kUniverseSize * u + c]) << u << " " << c;
        }
    }
}

}  // namespace
}  // namespace wl
