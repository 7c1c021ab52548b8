#pragma once

#include <atomic>
#include <cstdint>

namespace wl {

// Wakes a worker thread that waits for work: every `raise` moves a counter the worker waits on,
// so a raise between the worker's look for work and its wait is never lost.
//
// Thread: `raise` on any thread; `seen` and `waitPast` on the worker. Never allocates or locks.
class WakeSignal {
  public:
    void raise() {
        count_.fetch_add(1, std::memory_order_release);
        count_.notify_one();
    }
    // Read before looking for work.
    std::uint32_t seen() const { return count_.load(std::memory_order_acquire); }
    // Returns once a raise came after `seen`.
    void waitPast(std::uint32_t seen) const { count_.wait(seen, std::memory_order_acquire); }

  private:
    std::atomic<std::uint32_t> count_{0};
};

}  // namespace wl
