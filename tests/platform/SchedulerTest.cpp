#include "platform/Scheduler.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace wl {
namespace {

// A scheduler whose tasks write "name@time" into a trace when they run.
class SchedulerTest : public ::testing::Test {
  protected:
    Scheduler::TaskId add(const std::string& name, Scheduler::Millis interval,
                          bool periodic = true) {
        return scheduler.addTask(
            name, interval,
            [this, name] { trace.push_back(name + "@" + std::to_string(scheduler.now())); },
            periodic);
    }

    Scheduler scheduler;
    std::vector<std::string> trace;
};

TEST_F(SchedulerTest, PeriodicTasksRunAtTheirOwnDeadlinesInRegistrationOrderOnTies) {
    const auto slow = add("slow", 20);
    const auto fast = add("fast", 10);
    scheduler.start(slow);
    scheduler.start(fast);
    scheduler.advance(40);
    EXPECT_EQ(trace, (std::vector<std::string>{"fast@10", "slow@20", "fast@20", "fast@30",
                                               "slow@40", "fast@40"}));
    EXPECT_EQ(scheduler.now(), 40);
}

TEST_F(SchedulerTest, AdvanceInSmallStepsGivesTheSameRunsAsOneBigStep) {
    const auto a = add("a", 7);
    scheduler.start(a);
    for (int i = 0; i < 100; ++i) scheduler.advance(3);
    EXPECT_EQ(scheduler.runs(a), 300u / 7u);
    EXPECT_EQ(scheduler.deadline(a), 301);  // 43 x 7 + 7: still on its grid, no drift
}

TEST_F(SchedulerTest, StoppedTaskDoesNotRunAndStartCountsFromNow) {
    const auto a = add("a", 10);
    scheduler.start(a);
    scheduler.advance(15);
    scheduler.stop(a);
    scheduler.advance(100);
    scheduler.start(a);
    scheduler.advance(10);
    EXPECT_EQ(trace, (std::vector<std::string>{"a@10", "a@125"}));
}

TEST_F(SchedulerTest, NewIntervalRestartsTheWaitFromNow) {
    const auto a = add("a", 100);
    scheduler.start(a);
    scheduler.advance(90);
    scheduler.setInterval(a, 30);
    scheduler.advance(70);
    EXPECT_EQ(trace, (std::vector<std::string>{"a@120", "a@150"}));
}

TEST_F(SchedulerTest, IntervalChangedWhileStoppedTakesEffectAtTheNextStart) {
    const auto a = add("a", 100);
    scheduler.setInterval(a, 5);
    EXPECT_FALSE(scheduler.isRunning(a));
    scheduler.advance(50);
    EXPECT_TRUE(trace.empty());
    scheduler.start(a);
    scheduler.advance(5);
    EXPECT_EQ(trace, (std::vector<std::string>{"a@55"}));
}

TEST_F(SchedulerTest, TaskCanRetimeStopOrStartTasksFromInsideItsRun) {
    Scheduler::TaskId other = 0;
    Scheduler::TaskId self = scheduler.addTask("self", 10, [&] {
        trace.push_back("self@" + std::to_string(scheduler.now()));
        if (scheduler.now() == 10) scheduler.setInterval(self, 25);  // own re-arm: 10 + 25
        if (scheduler.now() == 35) scheduler.start(other);
        if (scheduler.now() == 60) scheduler.stop(self);
    });
    other = add("other", 5, false);
    scheduler.start(self);
    scheduler.advance(200);
    EXPECT_EQ(trace, (std::vector<std::string>{"self@10", "self@35", "other@40", "self@60"}));
    EXPECT_FALSE(scheduler.isRunning(other));  // one-shot: stopped after running
    EXPECT_FALSE(scheduler.isRunning(self));
}

TEST_F(SchedulerTest, ZeroIntervalNeverComesDue) {
    const auto a = add("a", 0);
    scheduler.start(a);
    scheduler.advance(1000);
    EXPECT_TRUE(trace.empty());
    EXPECT_TRUE(scheduler.isRunning(a));
    EXPECT_EQ(scheduler.nextDeadline(), -1);
}

TEST_F(SchedulerTest, RealClockRunsALateTaskOnceAndCountsAnOverrun) {
    const auto cycle = add("cycle", 10);
    scheduler.start(cycle);
    scheduler.runDue(9);
    EXPECT_TRUE(trace.empty());
    scheduler.runDue(10);
    scheduler.runDue(47);  // held up: deadlines 20, 30 and 40 all passed
    EXPECT_EQ(trace, (std::vector<std::string>{"cycle@10", "cycle@47"}));
    EXPECT_EQ(scheduler.overruns(cycle), 1u);
    EXPECT_EQ(scheduler.totalOverruns(), 1u);
    EXPECT_EQ(scheduler.deadline(cycle), 50);  // back on its grid
    scheduler.runDue(50);
    EXPECT_EQ(scheduler.overruns(cycle), 1u);
}

TEST_F(SchedulerTest, RealClockNeverMovesBackwards) {
    const auto a = add("a", 10);
    scheduler.start(a);
    scheduler.runDue(30);
    scheduler.runDue(5);
    EXPECT_EQ(scheduler.now(), 30);
}

TEST_F(SchedulerTest, WakeUpIsToldOnlyWhenATaskBecomesTheEarliest) {
    std::vector<Scheduler::Millis> wakeUps;
    scheduler.setWakeUp([&](Scheduler::Millis deadline) { wakeUps.push_back(deadline); });
    const auto slow = add("slow", 100);
    const auto fast = add("fast", 10);
    const auto slower = add("slower", 500);
    scheduler.start(slow);
    scheduler.start(fast);
    scheduler.start(slower);
    EXPECT_EQ(wakeUps, (std::vector<Scheduler::Millis>{100, 10}));
    EXPECT_EQ(scheduler.nextDeadline(), 10);
    scheduler.advance(10);  // re-arming inside a run is the driver's own business
    EXPECT_EQ(wakeUps.size(), 2u);
}

TEST_F(SchedulerTest, ManyTasksStayInDeadlineOrder) {
    std::vector<Scheduler::TaskId> ids;
    for (int i = 0; i < 300; ++i) ids.push_back(add("t" + std::to_string(i), 1 + (i * 37) % 97));
    for (auto id : ids) scheduler.start(id);
    for (int i = 0; i < 300; i += 3) scheduler.stop(ids[i]);
    for (int i = 1; i < 300; i += 5) scheduler.setInterval(ids[i], 1 + i % 13);
    Scheduler::Millis last = 0;
    std::uint64_t expected = 0;
    scheduler.setWakeUp(nullptr);
    for (int step = 0; step < 1000; ++step) {
        const auto next = scheduler.nextDeadline();
        ASSERT_GE(next, last);
        last = next;
        scheduler.advance(next - scheduler.now());
    }
    for (auto id : ids) expected += scheduler.runs(id);
    EXPECT_EQ(trace.size(), expected);
}

TEST_F(SchedulerTest, DrivingTheClockFromInsideATaskRunsNothingAndIsCounted) {
    int runs = 0;
    const auto nested = scheduler.addTask("nested", 10, [&] {
        ++runs;
        scheduler.advance(100);
        scheduler.runDue(scheduler.now() + 100);
    });
    scheduler.start(nested);
    scheduler.advance(30);
    EXPECT_EQ(runs, 3);
    EXPECT_EQ(scheduler.refusedReentries(), 6u);
    EXPECT_EQ(scheduler.now(), 30);
}

TEST_F(SchedulerTest, TheLongestRunNamesTheTaskThatTookLongest) {
    const auto quick = add("quick", 10);
    const auto slow = scheduler.addTask("slow", 10, [] {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(2);
        while (std::chrono::steady_clock::now() < until) {
        }
    });
    scheduler.start(quick);
    scheduler.start(slow);
    scheduler.advance(10);
    const Scheduler::TaskRun longest = scheduler.takeLongestRun();
    EXPECT_EQ(longest.task, slow);
    EXPECT_GE(longest.nanoseconds, 2'000'000);
    EXPECT_EQ(scheduler.takeLongestRun().nanoseconds, 0) << "taking it forgets it";
}

}  // namespace
}  // namespace wl
