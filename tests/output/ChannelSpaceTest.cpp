#include "output/ChannelSpace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "storage/SettingsRecord.h"

namespace wl {
namespace {

struct MapCase {
    const char* name;
    int spots, pumps, valves;
    int spotLen, spotLast, pumpLen, pumpFirst, pumpLast, valveLen, valveFirst, valveLast;
};

class CountChannelsTest : public ::testing::TestWithParam<MapCase> {};

TEST_P(CountChannelsTest, DerivesTheBlocksAndClampsThemInOrder) {
    const MapCase c = GetParam();
    SettingsRecord settings;
    const int u = 3;
    settings.SettingsRec[101 + u] = c.spots;
    settings.SettingsRec[111 + u] = c.pumps;
    settings.SettingsRec[121 + u] = c.valves;
    auto space = std::make_unique<ChannelSpace>();
    CountChannels(*space, settings);
    const DeviceMap& m = space->Map;
    EXPECT_EQ(m.SpotCount[u], std::max(c.spots, 0));
    EXPECT_EQ(m.SpotFirst[u], 1);
    EXPECT_EQ(m.SpotLen[u], c.spotLen);
    EXPECT_EQ(m.SpotLast[u], c.spotLast);
    EXPECT_EQ(m.PumpLen[u], c.pumpLen);
    EXPECT_EQ(m.PumpFirst[u], c.pumpFirst);
    EXPECT_EQ(m.PumpLast[u], c.pumpLast);
    EXPECT_EQ(m.ValveLen[u], c.valveLen);
    EXPECT_EQ(m.ValveFirst[u], c.valveFirst);
    EXPECT_EQ(m.ValveLast[u], c.valveLast);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CountChannelsTest,
    ::testing::Values(
        // The park example: pumps and valves run past the universe and are clamped.
        MapCase{"ParkExample", 168, 61, 360, 504, 504, 61, 505, 512, 360, 512, 512},
        MapCase{"FullSpots", 170, 0, 0, 510, 510, 0, 511, 510, 0, 511, 510},
        MapCase{"NoSpots", 0, 10, 20, 0, 0, 10, 1, 10, 20, 11, 30},
        MapCase{"SmallBlocks", 10, 20, 30, 30, 30, 20, 31, 50, 30, 51, 80},
        // More spots than fit: lengths clamp to 511 but the pumps start from the unclamped end.
        MapCase{"TooManySpots", 171, 5, 5, 511, 511, 5, 512, 512, 5, 512, 512},
        MapCase{"TooManyPumpsAndValves", 0, 600, 600, 0, 0, 480, 1, 512, 512, 512, 512},
        // Stored counts below zero count as none.
        MapCase{"NegativeCounts", -4, -1, -9, 0, 0, 0, 1, 0, 0, 1, 0}),
    [](const auto& param) { return param.param.name; });

TEST(ChannelCountTest, FollowsTheNumberOfUniverses) {
    SettingsRecord settings;
    ChannelSpace space;
    for (const auto& [stored, expected] : std::initializer_list<std::pair<int, int>>{
             {0, 512}, {3, 2048}, {7, 4096}, {12, 4096}, {-1, 512}}) {
        settings.SettingsRec[18] = stored;
        CountChannels(space, settings);
        EXPECT_EQ(space.ChannelCount, expected) << "stored " << stored;
    }
}

TEST(ChannelLabelTest, NamesUniverseAndChannel) {
    for (const auto& [channel, label] :
         std::initializer_list<std::pair<int, const char*>>{{1, "A001"},
                                                            {512, "A512"},
                                                            {513, "B001"},
                                                            {1000, "B488"},
                                                            {4096, "H512"},
                                                            {0, ""},
                                                            {4097, ""},
                                                            {-3, ""}}) {
        EXPECT_EQ(ChannelLabel(channel), label) << channel;
    }
}

TEST(ResetFramesTest, ClearsThePipelineAndOpensTheLightGate) {
    auto space = std::make_unique<ChannelSpace>();
    for (Frame* f : {&space->SeqFrame, &space->FirstFrame, &space->RateFrame, &space->JetFrame,
                     &space->OutFrame, &space->ChannelTestLevel, &space->LightFrame,
                     &space->InfluenceFrame, &space->ChannelMin, &space->ChannelTestCheck}) {
        f->fill(77);
    }
    for (auto& u : space->UniverseBuf) u.fill(77);

    ResetFrames(*space);

    for (int n = 1; n <= kChannelCount; ++n) {
        ASSERT_EQ(space->SeqFrame[n] | space->FirstFrame[n] | space->RateFrame[n] |
                      space->JetFrame[n] | space->OutFrame[n] | space->ChannelTestLevel[n],
                  0)
            << n;
        ASSERT_EQ(space->LightFrame[n], 255) << n;
    }
    for (const auto& u : space->UniverseBuf) {
        for (auto level : u) ASSERT_EQ(level, 0);
    }
    // Limits, the override marks and the pump factors are not part of the reset.
    EXPECT_EQ(space->ChannelMin[4096], 77);
    EXPECT_EQ(space->ChannelTestCheck[1], 77);
    EXPECT_EQ(space->InfluenceFrame[100], 77);
}

TEST(ChannelSpaceTest, StartsWithFullRangeAndNoInfluence) {
    const auto space = std::make_unique<ChannelSpace>();
    EXPECT_EQ(space->ChannelMin[1], 0);
    EXPECT_EQ(space->ChannelMax[4096], 255);
    EXPECT_EQ(space->InfluenceFrame[4096], 255);
    EXPECT_EQ(space->LightFrame[1], 255);
    EXPECT_EQ(space->ChannelCount, 512);
}

TEST(DeviceKindTest, ColoursSpotsByChannelAndMarksBlocks) {
    SettingsRecord settings;
    settings.SettingsRec[101] = 2;  // spots at 1..6
    settings.SettingsRec[111] = 2;  // pumps at 7..8
    settings.SettingsRec[121] = 3;  // valves at 9..11
    ChannelSpace space;
    CountChannels(space, settings);
    const DeviceKind expected[] = {DeviceKind::SpotRed, DeviceKind::SpotGreen, DeviceKind::SpotBlue,
                                   DeviceKind::SpotRed, DeviceKind::SpotGreen, DeviceKind::SpotBlue,
                                   DeviceKind::Pump,    DeviceKind::Pump,      DeviceKind::Valve,
                                   DeviceKind::Valve,   DeviceKind::Valve,     DeviceKind::Free};
    for (int c = 1; c <= 12; ++c) {
        EXPECT_EQ(deviceKindOf(space.Map, 0, c), expected[c - 1]) << c;
    }
    EXPECT_EQ(deviceKindOf(space.Map, 1, 1), DeviceKind::Free);
}

TEST(PrintLabelChannelTest, DescribesEachBlockOrSaysItIsNotAllocated) {
    SettingsRecord settings;
    settings.SettingsRec[101 + 2] = 168;
    settings.SettingsRec[111 + 2] = 61;
    settings.SettingsRec[121 + 2] = 360;
    ChannelSpace space;
    CountChannels(space, settings);

    const DeviceMapLabels full = PrintLabelChannel(space.Map, 2);
    EXPECT_EQ(full.spots, (std::array<std::string, 4>{"FirstChnl=01", "Last Chnl=504",
                                                      "DMX Length=504", "Spots=168"}));
    EXPECT_EQ(full.pumps,
              (std::array<std::string, 3>{"FirstChnl= 505", "Last Chnl= 512", "DMX Length= 61"}));
    EXPECT_EQ(full.valves,
              (std::array<std::string, 3>{"FirstChnl=512", "Last Chnl=512", "DMX Length=360"}));

    const DeviceMapLabels empty = PrintLabelChannel(space.Map, 0);
    EXPECT_EQ(empty.spots, (std::array<std::string, 4>{" ", "Spots no allocated", " ", " "}));
    EXPECT_EQ(empty.pumps, (std::array<std::string, 3>{" ", "Invertors no allocated", " "}));
    EXPECT_EQ(empty.valves, (std::array<std::string, 3>{" ", "Valve no allocated", " "}));
}

}  // namespace
}  // namespace wl
