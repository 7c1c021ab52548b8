#include "app/Engine.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <thread>

#include "app/OutputTimers.h"
#include "fakes/TestSystem.h"

namespace wl {
namespace {

// Waits without sleeping until `done` holds; real-time engine tests only.
template <class Condition>
void spinUntil(Condition done) {
    while (!done()) std::this_thread::yield();
}

std::string logText(System& system) {
    system.log.flush();
    std::ifstream in(system.log.file(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(EngineTest, AMessageBoxThatDrivesTheClockFromInsideATaskRunsNothing) {
    test::TestEngine te;
    Engine& engine = *te.engine;
    int runs = 0;
    engine.edit([&](System& system) {
        const auto task = system.scheduler.addTask("raises a message", 10, [&] {
            ++runs;
            // A nested event loop of a message box would drive the clock again from here.
            system.op.tell(BoxKind::Error, "message");
            system.scheduler.advance(10);
            system.scheduler.runDue(system.scheduler.now() + 10);
        });
        system.scheduler.start(task);
    });
    engine.advance(10);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(engine.edit([](System& s) { return s.scheduler.refusedReentries(); }), 2u);
    ASSERT_EQ(te.op.shown.size(), 1u);
    EXPECT_EQ(te.op.shown[0].text, "message");
}

TEST(EngineTest, QuestionsInsideTheEngineAreAnsweredNoWithoutAsking) {
    test::TestEngine te;
    te.op.answers = {true};
    bool answer = true;
    te.engine->edit([&](System& system) {
        answer = system.op.confirm(BoxKind::Warning, "Clear All Valve Tables? ");
    });
    EXPECT_FALSE(answer);
    EXPECT_TRUE(te.op.shown.empty());
    // The same question from a window's handler, before it edits, reaches the operator.
    EXPECT_TRUE(te.engine->edit([](System& s) -> Operator& { return s.op; })
                    .confirm(BoxKind::Warning, "Clear All Valve Tables? "));
}

TEST(EngineTest, EachOutputCyclePublishesWhatWentOutForTheWindows) {
    test::TestEngine te;
    Engine& engine = *te.engine;
    engine.edit(createOutputTimers);
    EXPECT_EQ(engine.latestOutput().cycle, 0u);
    engine.advance(1500);
    const OutputSnapshot& snapshot = engine.latestOutput();
    EXPECT_EQ(snapshot.cycle, 150u);
    EXPECT_EQ(snapshot.showTimeMs, 1500);
    EXPECT_EQ(snapshot.FountainMode, 5);
    EXPECT_DOUBLE_EQ(snapshot.intervals.p50Ms, 10.0);
    EXPECT_EQ(snapshot.universes, engine.edit([](System& s) { return s.channels.UniverseBuf; }));
}

class ThreadedEngineTest : public ::testing::Test {
  protected:
    ThreadedEngineTest() { createOutputTimers(te.system()); }
    ~ThreadedEngineTest() override { te.engine->stop(); }

    std::uint64_t cycles() {
        return te.engine->edit([](System& s) { return s.output.statistics.cycles; });
    }

    test::TestEngine te{EngineMode::Threaded};
    Engine& engine = *te.engine;
};

TEST_F(ThreadedEngineTest, RunsTheOutputCycleOnItsOwnThreadAndSaysWhatPriorityItGot) {
    engine.start();
    spinUntil([&] { return cycles() >= 20; });
    EXPECT_NE(engine.schedulingReport(), "");
    EXPECT_NE(logText(te.system()).find("Who: Engine Where: start= Info=engine thread: "),
              std::string::npos);
}

TEST_F(ThreadedEngineTest, AMessageFromATaskWaitsForTheOwnerThreadWhileTheShowGoesOn) {
    const auto owner = std::this_thread::get_id();
    engine.edit([](System& system) {
        const auto task = system.scheduler.addTask(
            "tells", 5, [&system] { system.op.tell(BoxKind::Plain, "from the engine"); }, false);
        system.scheduler.start(task);
    });
    engine.start();
    spinUntil([&] { return cycles() >= 30; });
    EXPECT_TRUE(te.op.shown.empty()) << "nothing reaches the operator off the main thread";
    engine.deliverPosted();
    ASSERT_EQ(te.op.shown.size(), 1u);
    EXPECT_EQ(te.op.shown[0].text, "from the engine");
    EXPECT_EQ(std::this_thread::get_id(), owner);
}

TEST_F(ThreadedEngineTest, EditsSeeTheTablesAsEachTaskLeftThem) {
    engine.edit([](System& system) {
        // Two writes that only together leave the tables consistent.
        const auto task = system.scheduler.addTask("pair", 1, [&system] {
            ++system.channels.SeqFrame[1];
            ++system.channels.SeqFrame[2];
        });
        system.scheduler.start(task);
    });
    engine.start();
    int checked = 0;
    spinUntil([&] {
        engine.edit([&](System& s) { EXPECT_EQ(s.channels.SeqFrame[1], s.channels.SeqFrame[2]); });
        return ++checked >= 20000;
    });
    spinUntil([&] { return engine.edit([](System& s) { return s.channels.SeqFrame[1] > 5; }); });
}

TEST_F(ThreadedEngineTest, AnEditThatArmsATaskWakesTheEngineForIt) {
    std::atomic<bool> ran{false};
    engine.start();
    engine.edit([&](System& system) {
        const auto task = system.scheduler.addTask(
            "soon", 1, [&ran] { ran = true; }, /*periodic=*/false);
        system.scheduler.start(task);
    });
    spinUntil([&] { return ran.load(); });
}

TEST_F(ThreadedEngineTest, AStallIsLoggedWithTheTaskThatHeldTheEngine) {
    engine.edit([](System& system) {
        const auto task = system.scheduler.addTask(
            "slow task", 50,
            [] {
                const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(70);
                spinUntil([&] { return std::chrono::steady_clock::now() >= until; });
            },
            false);
        system.scheduler.start(task);
    });
    engine.start();
    spinUntil([&] { return engine.health().stalls > 0; });
    engine.stop();
    const std::string log = logText(te.system());
    EXPECT_NE(log.find("Who: Engine Where: stall= Info=output cycle began "), std::string::npos)
        << log;
    EXPECT_NE(log.find("longest task meanwhile: slow task (7"), std::string::npos) << log;
}

}  // namespace
}  // namespace wl
