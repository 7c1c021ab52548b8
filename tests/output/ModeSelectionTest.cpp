#include "output/ModeSelection.h"

#include <gtest/gtest.h>

#include <array>

#include "OutputFixture.h"

namespace wl {
namespace {

// Channels 1..4 in four situations, every one at 77 in FirstFrame before the cycle:
// 1 driven by a running sequence, lights on; 2 driven, light gate at 10; 3 linked only to a
// sequence that is OFF; 4 driven, with its manual override set.
class ModeSelectionTest : public ::testing::Test {
  protected:
    ModeSelectionTest() {
        t.SeqJob[0] = 2;  // PLAY
        t.SeqJob[1] = 0;  // OFF
        for (int n : {1, 2, 4}) t.link(0, n);
        t.link(1, 3);
        t.space.LightFrame[2] = 10;
        t.space.ChannelTestCheck[4] = 1;
        for (int n = 1; n <= kChannelCount; ++n) {
            t.space.SeqFrame[n] = 200;
            t.space.ChannelTestLevel[n] = 33;
            t.space.FirstFrame[n] = 77;
        }
        t.space.ChannelTestLevel[4] = 44;
    }

    std::array<int, 4> select(std::uint8_t mode) {
        LinkIndex index;
        index.rebuild(t.links());
        DrivenChannels driven;
        markDrivenChannels(driven, t.links(), index, t.settings.SettingsRec[65],
                           t.space.ChannelCount);
        CarryModeFontanToFirst(t.space, mode, driven);
        return {t.space.FirstFrame[1], t.space.FirstFrame[2], t.space.FirstFrame[3],
                t.space.FirstFrame[4]};
    }

    test::OutputTables t;
};

TEST_F(ModeSelectionTest, TakesEachChannelFromTheSourceOfTheMode) {
    struct Case {
        int mode;
        std::array<int, 4> first;
    };
    const Case cases[] = {
        {0, {0, 0, 0, 0}},        // OFF: blackout
        {1, {200, 200, 77, 44}},  // STOP: override, else the sequencer, ungated
        {2, {200, 0, 77, 200}},   // PAUSE: the sequencer through the light gate
        {4, {200, 0, 77, 200}},   // DINAM
        {5, {200, 0, 77, 200}},   // DANCE
        {3, {33, 33, 33, 44}},    // STATIC: manual levels
        {7, {33, 33, 33, 44}},    // MACRO 01
        {38, {33, 33, 33, 44}},   // MACRO 32
        {6, {77, 77, 77, 77}},    // FILE holds the frame
        {39, {77, 77, 77, 77}},   // unknown modes hold it too
        {255, {77, 77, 77, 77}},
    };
    for (const Case& c : cases) {
        for (int n = 1; n <= 4; ++n) t.space.FirstFrame[n] = 77;
        EXPECT_EQ(select(static_cast<std::uint8_t>(c.mode)), c.first) << "mode " << c.mode;
    }
}

TEST_F(ModeSelectionTest, LightGateOpensAboveTen) {
    t.space.LightFrame[2] = 11;
    EXPECT_EQ(select(4)[1], 200);
}

TEST_F(ModeSelectionTest, OnlySequencesInUseDrive) {
    t.SeqJob[0] = 0;
    t.SeqJob[20] = 1;  // STOP counts as running
    t.link(20, 1);
    t.settings.SettingsRec[65] = 19;
    EXPECT_EQ(select(5)[0], 77);
    t.settings.SettingsRec[65] = 20;
    EXPECT_EQ(select(5)[0], 200);
}

TEST_F(ModeSelectionTest, AnyNonzeroLinkDrives) {
    (*t.LinkMask)[0][2] = 7;  // channel 3 linked with an unusual byte
    EXPECT_EQ(select(5)[2], 200);
}

TEST_F(ModeSelectionTest, StaysWithinTheConfiguredChannels) {
    const int beyond = kUniverseSize + 1;  // one universe configured
    t.link(0, beyond);
    t.space.FirstFrame[beyond] = 77;
    select(0);
    EXPECT_EQ(t.space.FirstFrame[beyond], 77);
    select(5);
    EXPECT_EQ(t.space.FirstFrame[beyond], 77);
}

}  // namespace
}  // namespace wl
