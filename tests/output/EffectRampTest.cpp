#include "output/EffectRamp.h"

#include <gtest/gtest.h>

#include <vector>

#include "OutputFixture.h"

namespace wl {
namespace {

TEST(RampStepTest, MovesTowardTheTargetByTheStep) {
    struct Case {
        std::uint8_t type;
        int level, target, step, expected;
    };
    const Case cases[] = {
        {kEffectRate, 100, 200, 10, 110},
        {kEffectRate, 195, 200, 10, 200},
        {kEffectRate, 100, 20, 10, 90},
        {kEffectRate, 25, 20, 10, 20},
        {kEffectRate, 50, 50, 10, 50},
        {kEffectDecay, 100, 200, 10, 200},
        {kEffectDecay, 100, 20, 10, 90},
        {kEffectDecay, 25, 20, 10, 20},
        {kEffectRate, 250, 255, 32, 255},
        {kEffectRate, 3, 0, 32, 0},
        // A damaged step size moves by one, never away from the target.
        {kEffectRate, 100, 200, 0, 101},
        {kEffectRate, 100, 20, -5, 99},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rampStep(c.type, static_cast<std::uint8_t>(c.level),
                           static_cast<std::uint8_t>(c.target), c.step),
                  c.expected)
            << int(c.type) << " " << c.level << "->" << c.target << " by " << c.step;
    }
}

// Sequence 3 links channels 1 and 2, sequence 4 links channels 2 and 3; channel 5 is linked to
// no effect's sequence. The targets are 200 and RateFrame starts at 0.
class RateDmxTest : public ::testing::Test {
  protected:
    RateDmxTest() {
        t.link(3, 1);
        t.link(3, 2);
        t.link(4, 2);
        t.link(4, 3);
        for (int n = 1; n <= 5; ++n) t.space.FirstFrame[n] = 200;
        counters.fill(1);
    }

    void setEffect(int k, std::uint8_t type, int seq, int start, int finish, int time, int level) {
        t.effects.EffectType[k] = type;
        t.effects.EffectSeq[k] = static_cast<std::uint8_t>(seq);
        t.effects.EffectStart[k] = start;
        t.effects.EffectFinish[k] = finish;
        t.effects.EffectTime[k] = time;
        t.effects.EffectLevel[k] = level;
    }

    void run(int cycles = 1) {
        LinkIndex index;
        index.rebuild(t.links());
        for (int i = 0; i < cycles; ++i) {
            RateDMX(t.space, t.effects, counters, work, t.links(), index, t.show.PlayTick);
        }
    }

    std::vector<int> rate(std::initializer_list<int> channels) const {
        std::vector<int> levels;
        for (int n : channels) levels.push_back(t.space.RateFrame[n]);
        return levels;
    }

    test::OutputTables t;
    EffectCounters counters{};
    RateWorkFlags work{};
};

TEST_F(RateDmxTest, WithoutActiveEffectsEveryChannelTakesItsTarget) {
    setEffect(0, kEffectRate, 3, 10, 10, 1, 0);     // empty interval
    setEffect(1, kEffectQuickly, 3, 0, 100, 1, 0);  // "Quickly" does nothing
    setEffect(2, kEffectRate, 3, 10, 20, 1, 0);     // interval not reached
    t.show.PlayTick = 5;
    run();
    EXPECT_EQ(rate({1, 2, 3, 5}), (std::vector<int>{200, 200, 200, 200}));
}

TEST_F(RateDmxTest, RateMovesDrivenChannelsOneStepPerCycle) {
    setEffect(0, kEffectRate, 3, 0, 100, 1, 0);
    t.show.PlayTick = 100;  // the last tick of the interval still counts
    run();                  // the counter starts at 1: the first cycle already steps
    EXPECT_EQ(rate({1, 2, 3}), (std::vector<int>{1, 1, 200}));
    run(9);
    EXPECT_EQ(rate({1, 2}), (std::vector<int>{10, 10}));
}

TEST_F(RateDmxTest, DecayRisesAtOnceAndFallsByItsStep) {
    setEffect(0, kEffectDecay, 3, 0, 100, 30, 0);
    run();
    EXPECT_EQ(rate({1}), std::vector<int>{200});
    t.space.FirstFrame[1] = 0;
    run(2);
    EXPECT_EQ(rate({1}), std::vector<int>{140});
}

TEST_F(RateDmxTest, TheLowestEffectClaimsASharedChannel) {
    setEffect(5, kEffectRate, 3, 0, 100, 1, 0);   // channels 1, 2
    setEffect(9, kEffectRate, 4, 0, 100, 50, 0);  // channels 2, 3: only 3 is left to it
    run();
    EXPECT_EQ(rate({1, 2, 3}), (std::vector<int>{1, 1, 50}));
}

TEST_F(RateDmxTest, AnEffectStepsEveryLevelCyclesAndHoldsBetween) {
    setEffect(0, kEffectRate, 3, 0, 100, 1, 3);
    std::vector<int> levels;
    for (int cycle = 0; cycle < 7; ++cycle) {
        run();
        levels.push_back(t.space.RateFrame[1]);
    }
    // Steps on cycle 1 (counter starts at 1), then every third cycle.
    EXPECT_EQ(levels, (std::vector<int>{1, 1, 1, 2, 2, 2, 3}));
}

TEST_F(RateDmxTest, ADamagedIntervalStillStepsEveryCycle) {
    setEffect(0, kEffectRate, 3, 0, 100, 1, -4);
    run(3);
    EXPECT_EQ(rate({1}), std::vector<int>{3});
}

TEST_F(RateDmxTest, WorksOnEveryConfiguredUniverse) {
    t.configure(8, 0, 0, 0);
    const int last = kChannelCount;
    t.link(3, last);
    t.space.FirstFrame[last] = 200;
    setEffect(0, kEffectRate, 3, 0, 100, 4, 0);
    run();
    EXPECT_EQ(rate({last}), std::vector<int>{4});
}

}  // namespace
}  // namespace wl
