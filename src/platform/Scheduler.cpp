#include "platform/Scheduler.h"

#include <chrono>
#include <utility>

namespace wl {

Scheduler::TaskId Scheduler::addTask(std::string name, Millis interval, std::function<void()> work,
                                     bool periodic) {
    Task task;
    task.name = std::move(name);
    task.interval = interval < 0 ? 0 : interval;
    task.work = std::move(work);
    task.periodic = periodic;
    tasks_.push_back(std::move(task));
    heap_.reserve(tasks_.size());
    return static_cast<TaskId>(tasks_.size() - 1);
}

void Scheduler::start(TaskId id) {
    Task& task = tasks_[id];
    task.running = true;
    if (inTask_ && current_ == id) task.rearmedWhileRunning = true;
    if (task.interval > 0) {
        arm(id, now_ + task.interval);
    } else {
        disarm(id);
    }
}

void Scheduler::stop(TaskId id) {
    tasks_[id].running = false;
    disarm(id);
}

void Scheduler::setInterval(TaskId id, Millis interval) {
    tasks_[id].interval = interval < 0 ? 0 : interval;
    if (tasks_[id].running) start(id);
}

void Scheduler::setRunning(TaskId id, bool running) {
    if (running == tasks_[id].running) return;
    if (running) {
        start(id);
    } else {
        stop(id);
    }
}

Scheduler::TaskRun Scheduler::takeLongestRun() {
    const TaskRun longest = longestRun_;
    longestRun_ = {};
    return longest;
}

Scheduler::Millis Scheduler::nextDeadline() const {
    return heap_.empty() ? -1 : tasks_[heap_.front()].deadline;
}

void Scheduler::advance(Millis span) {
    if (inRun_) {
        ++refusedReentries_;
        return;
    }
    const Millis target = now_ + (span < 0 ? 0 : span);
    inRun_ = true;
    while (!heap_.empty() && tasks_[heap_.front()].deadline <= target) {
        now_ = tasks_[heap_.front()].deadline;
        runTop();
    }
    inRun_ = false;
    now_ = target;
}

void Scheduler::runDue(Millis time) {
    if (inRun_) {
        ++refusedReentries_;
        return;
    }
    if (time > now_) now_ = time;
    // Each task runs at most once per call: after running, a task is re-armed after now_.
    inRun_ = true;
    while (!heap_.empty() && tasks_[heap_.front()].deadline <= now_) runTop();
    inRun_ = false;
}

void Scheduler::runTop() {
    const TaskId id = heap_.front();
    Task& task = tasks_[id];
    const Millis due = task.deadline;
    disarm(id);
    if (!task.periodic) task.running = false;

    task.rearmedWhileRunning = false;
    current_ = id;
    inTask_ = true;
    ++task.runs;
    const auto began = std::chrono::steady_clock::now();
    task.work();
    const auto took = std::chrono::duration_cast<std::chrono::nanoseconds>(
                          std::chrono::steady_clock::now() - began)
                          .count();
    if (took > longestRun_.nanoseconds) longestRun_ = {id, took};
    inTask_ = false;

    if (!task.running || task.rearmedWhileRunning || !task.periodic || task.interval == 0) return;
    Millis next = due + task.interval;
    if (next <= now_) {
        ++task.overruns;
        ++totalOverruns_;
        next += ((now_ - next) / task.interval + 1) * task.interval;
    }
    arm(id, next);
}

void Scheduler::arm(TaskId id, Millis deadline) {
    Task& task = tasks_[id];
    task.deadline = deadline;
    if (task.heapIndex == kNotQueued) {
        task.heapIndex = heap_.size();
        heap_.push_back(id);
        siftUp(task.heapIndex);
    } else {
        siftUp(task.heapIndex);
        siftDown(task.heapIndex);
    }
    if (!inRun_ && wakeUp_ && heap_.front() == id) wakeUp_(deadline);
}

void Scheduler::disarm(TaskId id) {
    const std::size_t index = tasks_[id].heapIndex;
    if (index == kNotQueued) return;
    const std::size_t last = heap_.size() - 1;
    if (index != last) swapSlots(index, last);
    heap_.pop_back();
    tasks_[id].heapIndex = kNotQueued;
    if (index < heap_.size()) {
        siftUp(index);
        siftDown(index);
    }
}

bool Scheduler::earlier(TaskId a, TaskId b) const {
    const Millis da = tasks_[a].deadline;
    const Millis db = tasks_[b].deadline;
    return da != db ? da < db : a < b;
}

void Scheduler::siftUp(std::size_t index) {
    while (index > 0) {
        const std::size_t parent = (index - 1) / 2;
        if (!earlier(heap_[index], heap_[parent])) return;
        swapSlots(index, parent);
        index = parent;
    }
}

void Scheduler::siftDown(std::size_t index) {
    for (;;) {
        const std::size_t left = 2 * index + 1;
        if (left >= heap_.size()) return;
        std::size_t child = left;
        if (left + 1 < heap_.size() && earlier(heap_[left + 1], heap_[left])) child = left + 1;
        if (!earlier(heap_[child], heap_[index])) return;
        swapSlots(index, child);
        index = child;
    }
}

void Scheduler::swapSlots(std::size_t a, std::size_t b) {
    std::swap(heap_[a], heap_[b]);
    tasks_[heap_[a]].heapIndex = a;
    tasks_[heap_[b]].heapIndex = b;
}

}  // namespace wl
