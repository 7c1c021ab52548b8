#include "app/Engine.h"

#include <cassert>

#include "output/CycleClock.h"
#include "platform/ThreadPriority.h"

namespace wl {

namespace {

constexpr std::int64_t kNsPerMs = 1'000'000;

// A virtual run times its cycles on the virtual clock, so its figures repeat exactly.
class SchedulerCycleClock final : public CycleClock {
  public:
    explicit SchedulerCycleClock(const Scheduler& scheduler) : scheduler_(scheduler) {}
    std::int64_t nanoseconds() const override { return scheduler_.now() * kNsPerMs; }

  private:
    const Scheduler& scheduler_;
};

std::int64_t lockAndRead(RealtimeLock& lock) {
    lock.lock();
    return monotonicNanoseconds();
}

}  // namespace

Engine::Hold::Hold(Engine& engine) : engine_(engine), began_(lockAndRead(engine.lock_)) {}

Engine::Hold::~Hold() {
    const std::int64_t held = monotonicNanoseconds() - began_;
    if (held > engine_.longestEditNs_) engine_.longestEditNs_ = held;
    if (held > engine_.longestEditSinceCycleNs_) engine_.longestEditSinceCycleNs_ = held;
    engine_.lock_.unlock();
}

Engine::Engine(const SystemSetup& setup, EngineSetup engineSetup)
    : mode_(engineSetup.mode),
      wakeMain_(std::move(engineSetup.wakeMain)),
      operator_(*setup.op, [this](std::function<void()> work) { post(std::move(work)); }),
      files_(threaded() ? BackgroundWorker::Mode::Threaded : BackgroundWorker::Mode::Inline) {
    SystemSetup own = setup;
    own.op = &operator_;
    own.logWriting = threaded() ? LogWriting::Threaded : LogWriting::Synchronous;
    system_ = std::make_unique<System>(own);
    if (!threaded()) {
        virtualCycleClock_ = std::make_unique<SchedulerCycleClock>(system_->scheduler);
        system_->output.useClock(*virtualCycleClock_);
    }
    // A window that arms a task ahead of every other one cuts the engine's sleep short.
    system_->scheduler.setWakeUp([this](Scheduler::Millis) { lock_.wake(); });
}

Engine::~Engine() {
    stop();
    files_.waitIdle();
    system_->scheduler.setWakeUp(nullptr);
}

void Engine::start() {
    if (!threaded() || thread_.joinable()) return;
    stopping_ = false;
    thread_ = std::thread([this] { run(); });
}

void Engine::stop() {
    if (!thread_.joinable()) return;
    lock_.lock();
    stopping_ = true;
    lock_.wake();
    lock_.unlock();
    thread_.join();
}

void Engine::advance(Scheduler::Millis span) {
    assert(!threaded());
    Hold hold(*this);
    system_->scheduler.advance(span);
}

void Engine::post(std::function<void()> work) {
    if (!threaded()) {
        work();
        return;
    }
    bool first = false;
    {
        std::lock_guard guard(postedMutex_);
        first = posted_.empty();
        posted_.push_back(std::move(work));
    }
    // One delivery takes everything queued, so only the first of a burst needs to ask for it.
    if (first && wakeMain_) wakeMain_();
}

void Engine::deliverPosted() {
    std::vector<std::function<void()>> batch;
    {
        std::lock_guard guard(postedMutex_);
        batch.swap(posted_);
    }
    for (auto& work : batch) work();
}

void Engine::offEngine(std::function<void()> job) {
    files_.post(std::move(job));
}

void Engine::waitForFiles() {
    files_.waitIdle();
}

std::string Engine::schedulingReport() {
    return edit([this](System&) { return schedulingReport_; });
}

EngineHealth Engine::health() {
    return edit([this](System&) { return EngineHealth{longestEditNs_, stalls_}; });
}

System& Engine::unlockedSystem() {
    assert(!thread_.joinable());
    return *system_;
}

void Engine::run() {
    const std::string report = raiseCurrentThreadPriority(kRealtimePriority, kFallbackNice);
    lock_.lock();
    schedulingReport_ = report;
    {
        EngineScope scope;
        system_->log.WriteLog("Engine", "start", "engine thread: " + report);
    }
    // The scheduler's time goes on from where start-up left it.
    const std::int64_t originNs = monotonicNanoseconds() - system_->scheduler.now() * kNsPerMs;
    while (!stopping_) {
        runDueTasks(originNs);
        const Scheduler::Millis next = system_->scheduler.nextDeadline();
        lock_.waitUntil(next < 0 ? -1 : originNs + next * kNsPerMs);
    }
    lock_.unlock();
}

void Engine::runDueTasks(std::int64_t originNs) {
    EngineScope scope;
    system_->scheduler.runDue((monotonicNanoseconds() - originNs) / kNsPerMs);
    const std::uint64_t cycles = system_->output.statistics.cycles;
    if (cycles == cyclesSeen_) return;
    cyclesSeen_ = cycles;
    // The task that held a cycle up ran after the cycle before it, often in the same batch, so
    // the blame looks back over two batches.
    const Scheduler::TaskRun latest = system_->scheduler.takeLongestRun();
    const Scheduler::TaskRun longest =
        latest.nanoseconds >= previousLongestRun_.nanoseconds ? latest : previousLongestRun_;
    previousLongestRun_ = latest;
    const std::int64_t interval = system_->output.timing.lastIntervalNs();
    if (interval > kStallMs * kNsPerMs) reportStall(interval, longest);
    longestEditSinceCycleNs_ = 0;
}

void Engine::reportStall(std::int64_t intervalNs, const Scheduler::TaskRun& longest) {
    ++stalls_;
    const Scheduler& scheduler = system_->scheduler;
    std::string info = "output cycle began " + std::to_string(intervalNs / kNsPerMs) +
                       " ms after the one before; longest task meanwhile: ";
    info += longest.nanoseconds > 0 ? scheduler.name(longest.task) + " (" +
                                          std::to_string(longest.nanoseconds / kNsPerMs) + " ms)"
                                    : std::string("none");
    info +=
        "; longest edit meanwhile: " + std::to_string(longestEditSinceCycleNs_ / kNsPerMs) + " ms";
    system_->log.WriteLog("Engine", "stall", info);
}

}  // namespace wl
