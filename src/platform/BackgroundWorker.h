#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace wl {

// Runs slow jobs (file writes and reads) one after another on a thread of its own, so that
// neither the show's engine nor the windows wait for the disk. Jobs run in the order they were
// posted, so a load queued after a save sees the saved file. Inline, each job runs at once on the
// poster's thread instead (tests and virtual-clock runs, which must repeat exactly).
//
// Thread: `post` and `waitIdle` from any thread; jobs run on the worker. Allocates (the queue).
class BackgroundWorker {
  public:
    enum class Mode { Threaded, Inline };

    explicit BackgroundWorker(Mode mode);
    // Finishes every job already posted, then ends the thread.
    ~BackgroundWorker();
    BackgroundWorker(const BackgroundWorker&) = delete;
    BackgroundWorker& operator=(const BackgroundWorker&) = delete;

    void post(std::function<void()> job);
    // Returns once every job posted before the call has run.
    void waitIdle();

  private:
    void loop();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<std::function<void()>> jobs_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace wl
