#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <span>

#include "platform/StereoFrame.h"

namespace wl {

// The frames a playing channel handed to the output lately, numbered by how many came before
// them, so the analysis can read what is being heard. Each frame is one atomic word.
//
// Thread: `add` and `publish` on the consumer thread (device callback or paced output); `count`
// and `copy` on the main thread. Never allocates or locks.
class HeardHistory {
  public:
    static constexpr std::uint64_t kFrames = 16384;
    // How far behind the newest frame a reading may reach: the rest may be rewritten while it
    // is read (the consumer adds at most this many frames between two publishes).
    static constexpr std::uint64_t kReadable = kFrames - 4096;

    void add(StereoFrame frame) {
        const auto packed =
            static_cast<std::uint32_t>(static_cast<std::uint16_t>(frame.left)) |
            (static_cast<std::uint32_t>(static_cast<std::uint16_t>(frame.right)) << 16);
        frames_[written_ % kFrames].store(packed, std::memory_order_relaxed);
        ++written_;
    }
    // Makes the frames added so far readable.
    void publish() { count_.store(written_, std::memory_order_release); }
    // Frames added and published so far (consumer thread: also those not yet published).
    std::uint64_t count() const { return count_.load(std::memory_order_acquire); }
    std::uint64_t added() const { return written_; }

    // Copies the frames numbered `first` .. `first` + out.size() - 1; frames not published yet
    // or too old to read give silence.
    void copy(std::uint64_t first, std::span<StereoFrame> out) const;

  private:
    std::array<std::atomic<std::uint32_t>, kFrames> frames_{};
    std::atomic<std::uint64_t> count_{0};
    std::uint64_t written_ = 0;  // consumer side
};

}  // namespace wl
