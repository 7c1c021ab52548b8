#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/EngineOperator.h"
#include "app/System.h"
#include "output/CycleClock.h"
#include "platform/BackgroundWorker.h"
#include "platform/EngineScope.h"
#include "platform/RealtimeLock.h"

namespace wl {

// Where the show's timers run.
enum class EngineMode {
    // A thread of its own at real-time priority, sleeping to absolute deadlines of the monotonic
    // clock: the program.
    Threaded,
    // The caller's thread on the virtual clock, only while the caller advances it: tests and
    // `--virtual-clock` runs, so each of them is exactly repeatable.
    Synchronous,
};

struct EngineSetup {
    EngineMode mode = EngineMode::Synchronous;
    // Asks the main thread (the GUI thread, or the main thread headless) to call
    // `deliverPosted` soon. Called from any thread; required when threaded.
    std::function<void()> wakeMain;
};

// How steady the engine has been: the longest hold of its lock by an edit, and the stalls it
// logged (an output cycle that began more than `kStallMs` after the one before).
struct EngineHealth {
    std::int64_t longestEditNs = 0;
    std::uint64_t stalls = 0;
};

// The show's engine: owns the System of tables and runs its scheduler, on a thread of its own
// or on the caller's. Every task runs under the engine lock; any other thread reaches the tables
// only inside `edit`, which takes the same lock, so each task and each edit finds the tables as
// the previous one left them. Nothing slow may happen inside an edit: no question to the
// operator, no file I/O, no large painting, no waiting for another thread. What windows show
// every few milliseconds they read from what the engine publishes, or copy inside a short edit.
//
// Messages that engine code raises for the operator are posted to the main thread and never
// wait there; results of slow work come back the same way (`post`).
//
// Thread: construct, `start`, `stop`, `advance` and `deliverPosted` on the main thread; `edit`
// and `post` from any thread. Allocates at construction; the engine thread itself allocates
// only where the tasks do.
class Engine {
  public:
    static constexpr int kRealtimePriority = 20;
    static constexpr int kFallbackNice = -10;
    static constexpr std::int64_t kStallMs = 50;

    Engine(const SystemSetup& setup, EngineSetup engineSetup);
    // Stops the engine thread first.
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Runs `work(system)` under the engine lock and returns what it returns. Called from inside
    // a task or another edit, it runs at once (the lock is already held by this thread).
    template <class Work>
    decltype(auto) edit(Work&& work) {
        if (EngineScope::active()) return std::forward<Work>(work)(*system_);
        Hold hold(*this);
        return std::forward<Work>(work)(*system_);
    }

    // Threaded: the engine thread begins running the scheduler, whose time goes on from where it
    // stands. Synchronous: nothing (the caller advances the clock).
    void start();
    // Threaded: the engine thread ends after the task it is running; the tables stay as they
    // are for the shut-down. Safe to call twice.
    void stop();
    bool threaded() const { return mode_ == EngineMode::Threaded; }

    // Synchronous only: moves the virtual clock forward by `span` ms, running every task due.
    void advance(Scheduler::Millis span);

    // Runs `work` on the main thread: queued when threaded (and `wakeMain` asked to deliver),
    // at once when synchronous.
    void post(std::function<void()> work);
    // On the main thread: runs what was posted, in order.
    void deliverPosted();

    // Runs slow work (file writes and reads) on the engine's file worker, one job after another;
    // at once when synchronous. The job reaches the tables only through `edit`.
    void offEngine(std::function<void()> job);
    // Returns once every job handed to the file worker before the call has run.
    void waitForFiles();

    // The newest output snapshot the engine published; the main thread only (the one reader).
    const OutputSnapshot& latestOutput() {
        system_->published.output.take();
        return system_->published.output.front();
    }

    // The operator, for windows to ask before they edit (the same one the tables' code reaches).
    Operator& person() { return operator_; }

    // What scheduling the engine thread got ("SCHED_FIFO priority 20", "nice -10 (…)"); empty
    // until it started.
    std::string schedulingReport();
    EngineHealth health();

    // The tables without the lock, for the main thread while no engine thread runs: start-up
    // before `start`, shut-down after `stop`, and tests.
    System& unlockedSystem();

  private:
    // The engine lock for one edit, timed.
    class Hold {
      public:
        explicit Hold(Engine& engine);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

      private:
        Engine& engine_;
        EngineScope scope_;
        std::int64_t began_;
    };

    void run();
    void runDueTasks(std::int64_t originNs);
    void reportStall(std::int64_t intervalNs, const Scheduler::TaskRun& longest);

    const EngineMode mode_;
    std::function<void()> wakeMain_;

    RealtimeLock lock_;
    EngineOperator operator_;
    std::unique_ptr<System> system_;
    std::unique_ptr<CycleClock> virtualCycleClock_;

    // Guarded by lock_.
    bool stopping_ = false;
    std::int64_t longestEditNs_ = 0;
    std::int64_t longestEditSinceCycleNs_ = 0;
    std::uint64_t stalls_ = 0;
    std::uint64_t cyclesSeen_ = 0;
    Scheduler::TaskRun previousLongestRun_;
    std::string schedulingReport_;

    std::mutex postedMutex_;
    std::vector<std::function<void()>> posted_;

    std::thread thread_;
    // Declared last, so it finishes its jobs (which edit the tables) before anything else goes.
    BackgroundWorker files_;
};

}  // namespace wl
