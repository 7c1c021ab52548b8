#include "platform/BackgroundWorker.h"

namespace wl {

BackgroundWorker::BackgroundWorker(Mode mode) {
    if (mode == Mode::Threaded) thread_ = std::thread([this] { loop(); });
}

BackgroundWorker::~BackgroundWorker() {
    if (!thread_.joinable()) return;
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void BackgroundWorker::post(std::function<void()> job) {
    if (!thread_.joinable()) {
        job();
        return;
    }
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
    }
    wake_.notify_one();
}

void BackgroundWorker::waitIdle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

void BackgroundWorker::loop() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty()) return;  // stopping, with nothing left to do
        std::function<void()> job = std::move(jobs_.front());
        jobs_.pop_front();
        busy_ = true;
        lock.unlock();
        job();
        lock.lock();
        busy_ = false;
        if (jobs_.empty()) idle_.notify_all();
    }
}

}  // namespace wl
