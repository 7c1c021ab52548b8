#pragma once

#include <array>
#include <atomic>
#include <cstdint>

namespace wl {

// Hands the newest value from one writer thread to one reader thread without either waiting
// for the other: three slots, one being filled, one being read and one in between. Publishing
// swaps the filled slot into the middle; taking swaps the middle out when it holds something
// new. A value published before the reader took the last one replaces it (only the newest
// matters), and the writer counts it as dropped.
//
// Thread: `back`, `publish` and `dropped` on the writer thread only; `take` and `front` on the
// reader thread only. Never allocates or locks.
template <class T>
class LatestMailbox {
  public:
    // The slot the writer fills before publishing it.
    T& back() { return slots_[back_]; }

    // Makes the filled slot the newest value.
    void publish() {
        const std::uint32_t previous = middle_.exchange(back_ | kFresh, std::memory_order_acq_rel);
        back_ = previous & kIndex;
        if ((previous & kFresh) != 0) ++dropped_;
    }

    // Moves the newest value to the front when there is one; false when nothing new came.
    bool take() {
        if ((middle_.load(std::memory_order_acquire) & kFresh) == 0) return false;
        front_ = middle_.exchange(front_, std::memory_order_acq_rel) & kIndex;
        return true;
    }

    // The value the reader took last.
    const T& front() const { return slots_[front_]; }

    // How many published values were replaced before the reader took them.
    std::uint64_t dropped() const { return dropped_; }

  private:
    static constexpr std::uint32_t kIndex = 3;
    static constexpr std::uint32_t kFresh = 4;

    std::array<T, 3> slots_{};
    std::uint32_t back_ = 0;
    std::uint32_t front_ = 1;
    std::atomic<std::uint32_t> middle_{2};
    std::uint64_t dropped_ = 0;
};

}  // namespace wl
