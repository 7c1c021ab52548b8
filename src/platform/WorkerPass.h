#pragma once

#include <atomic>
#include <cstdint>

namespace wl {

// Tells when a worker thread can no longer hold a pointer it found before a channel was taken
// out of the table: the worker marks the start and the end of each pass over the table, and a
// channel taken out is freed only once the pass that may have seen it has ended.
//
// Thread: `begin` and `end` on the worker; `mark` and `endedSince` on any thread. Never
// allocates or locks.
class WorkerPass {
  public:
    void begin() { state_.fetch_add(1, std::memory_order_seq_cst); }
    void end() { state_.fetch_add(1, std::memory_order_seq_cst); }

    // Read after the channel was taken out.
    std::uint64_t mark() const { return state_.load(std::memory_order_seq_cst); }
    // Whether a pass under way at `mark` (if any) has ended since.
    bool endedSince(std::uint64_t mark) const {
        return (mark & 1) == 0 || state_.load(std::memory_order_seq_cst) != mark;
    }

  private:
    std::atomic<std::uint64_t> state_{0};  // odd while a pass is under way
};

}  // namespace wl
