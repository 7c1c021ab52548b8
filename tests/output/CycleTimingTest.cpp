#include "output/CycleTiming.h"

#include <gtest/gtest.h>

namespace wl {
namespace {

constexpr std::int64_t kMs = 1'000'000;

// Cycles started every `intervalMs`, from `fromMs`, `count` of them.
void runCycles(CycleTiming& timing, std::int64_t fromMs, double intervalMs, int count) {
    for (int i = 0; i < count; ++i) {
        const auto start = fromMs * kMs + static_cast<std::int64_t>(i * intervalMs * kMs);
        timing.cycleStarted(start);
        timing.cycleFinished(start + 30'000);
    }
}

TEST(CycleTimingTest, ASteadyCycleShowsItsIntervalAndDuration) {
    CycleTiming timing;
    runCycles(timing, 0, 10, 500);
    const TimingFigures intervals = timing.intervals();
    EXPECT_EQ(intervals.count, 499u);
    EXPECT_DOUBLE_EQ(intervals.p50Ms, 10.0);
    EXPECT_DOUBLE_EQ(intervals.p99Ms, 10.0);
    EXPECT_DOUBLE_EQ(intervals.maxMs, 10.0);
    EXPECT_NEAR(timing.durations().p50Ms, 0.03, 1e-9);
}

TEST(CycleTimingTest, OneLateCycleInAHundredShowsInTheWorstNotTheMedian) {
    CycleTiming timing;
    std::int64_t now = 0;
    for (int i = 0; i < 1000; ++i) {
        now += (i % 100 == 99) ? 23'400'000 : 10'000'000;
        timing.cycleStarted(now);
    }
    const TimingFigures intervals = timing.intervals();
    EXPECT_DOUBLE_EQ(intervals.p50Ms, 10.0);
    EXPECT_NEAR(intervals.maxMs, 23.4, 1e-9);
    EXPECT_EQ(timing.lastIntervalNs(), 23'400'000) << "the thousandth cycle came late";
}

TEST(CycleTimingTest, TheMinuteForgetsWhatCameBeforeItButTheRunDoesNot) {
    CycleTiming timing;
    runCycles(timing, 0, 40, 100);        // 4 s of slow cycles
    runCycles(timing, 10'000, 10, 7000);  // then 70 s of steady ones
    EXPECT_DOUBLE_EQ(timing.intervals().maxMs, 10.0);
    EXPECT_GT(timing.intervalsSinceStart().maxMs, 40.0);
    EXPECT_EQ(timing.intervalsSinceStart().count, 7099u);
}

TEST(CycleTimingTest, IntervalsBeyondTheLastBinKeepTheirExactWorst) {
    CycleTiming timing;
    timing.cycleStarted(0);
    timing.cycleStarted(250 * kMs);
    EXPECT_DOUBLE_EQ(timing.intervals().maxMs, 250.0);
    EXPECT_DOUBLE_EQ(timing.intervals().p50Ms, 99.9);
}

}  // namespace
}  // namespace wl
