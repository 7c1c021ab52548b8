#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace wl {

// Drives every timer of the system from one deadline queue.
//
// Tasks are registered once (at window or subsystem creation) and then started, stopped and
// re-timed as often as needed. Periodic tasks are re-armed from their own deadline, so they never
// drift; a task that finds its next deadline already past (the main thread was held up) is run
// once, counted as an overrun and re-armed on its grid after the present time. Tasks due at the
// same moment run in the order they were registered.
//
// Time is in milliseconds and only moves when the owner says so: `advance` for the virtual clock
// of tests and simulations (each task runs at its own deadline), `runDue` for a real clock (every
// due task runs once at the given time).
//
// Thread: the engine only. Allocates in `addTask`; starting, stopping, re-timing and running
// tasks never allocate.
class Scheduler {
  public:
    using TaskId = std::uint32_t;
    using Millis = std::int64_t;

    TaskId addTask(std::string name, Millis interval, std::function<void()> work,
                   bool periodic = true);

    // Arms the task for now + interval, as a newly enabled timer does. A task with interval 0
    // stays running but never comes due.
    void start(TaskId id);
    void stop(TaskId id);
    // While running, a new interval restarts the wait from now.
    void setInterval(TaskId id, Millis interval);
    void setRunning(TaskId id, bool running);

    bool isRunning(TaskId id) const { return tasks_[id].running; }
    Millis interval(TaskId id) const { return tasks_[id].interval; }
    Millis deadline(TaskId id) const { return tasks_[id].deadline; }
    const std::string& name(TaskId id) const { return tasks_[id].name; }
    std::uint64_t runs(TaskId id) const { return tasks_[id].runs; }
    std::uint64_t overruns(TaskId id) const { return tasks_[id].overruns; }
    std::uint64_t totalOverruns() const { return totalOverruns_; }

    Millis now() const { return now_; }
    // The earliest deadline of a running task, or -1 when nothing is armed.
    Millis nextDeadline() const;

    // Called whenever a task is armed ahead of every other one, so a real-clock driver can wake
    // up sooner. Not called while the scheduler itself is running tasks.
    void setWakeUp(std::function<void(Millis deadline)> wakeUp) { wakeUp_ = std::move(wakeUp); }

    // Virtual clock: moves time forward by `span`, running each due task at its own deadline.
    void advance(Millis span);
    // Real clock: sets the time to `time` (never backwards) and runs every due task once.
    void runDue(Millis time);

    // A call of `advance` or `runDue` from inside a task (a nested event loop of a message box,
    // say) would run tasks inside a task that has not finished. Such a call runs nothing and is
    // counted here instead.
    std::uint64_t refusedReentries() const { return refusedReentries_; }
    // The longest run of a task since the last call (wall-clock time), so a held-up clock can be
    // blamed on the task that held it; `nanoseconds` is 0 when nothing ran.
    struct TaskRun {
        TaskId task = 0;
        std::int64_t nanoseconds = 0;
    };
    TaskRun takeLongestRun();

  private:
    static constexpr std::size_t kNotQueued = static_cast<std::size_t>(-1);

    struct Task {
        std::string name;
        Millis interval = 0;
        std::function<void()> work;
        bool periodic = true;
        bool running = false;
        Millis deadline = 0;
        std::size_t heapIndex = kNotQueued;
        std::uint64_t runs = 0;
        std::uint64_t overruns = 0;
        bool rearmedWhileRunning = false;
    };

    void arm(TaskId id, Millis deadline);
    void disarm(TaskId id);
    void runTop();
    bool earlier(TaskId a, TaskId b) const;
    void siftUp(std::size_t index);
    void siftDown(std::size_t index);
    void swapSlots(std::size_t a, std::size_t b);

    std::deque<Task> tasks_;  // stable addresses: a running task may register another
    std::vector<TaskId> heap_;
    Millis now_ = 0;
    TaskId current_ = 0;
    bool inTask_ = false;
    bool inRun_ = false;
    std::function<void(Millis)> wakeUp_;
    std::uint64_t totalOverruns_ = 0;
    std::uint64_t refusedReentries_ = 0;
    TaskRun longestRun_;
};

}  // namespace wl
