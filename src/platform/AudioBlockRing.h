#pragma once

#include <array>
#include <atomic>
#include <cstdint>

#include "platform/StereoFrame.h"

namespace wl {

// A run of decoded frames and where in the file it starts. `generation` names the seek it was
// decoded after, so blocks of an older seek are thrown away unheard.
struct AudioBlock {
    static constexpr std::int64_t kFrames = 1024;

    std::array<StereoFrame, kFrames> frames;
    std::int64_t startFrame = 0;
    std::int64_t count = 0;
    std::uint32_t generation = 0;
    bool last = false;  // the file ends after this block
};

// Decoded blocks on their way from the decoder to the output: a single-producer,
// single-consumer ring. The producer fills the next free block in place and pushes it; the
// consumer reads the oldest block in place and pops it. About 1.5 s of 44.1 kHz sound.
//
// Thread: `writable` and `push` on the producer thread only (the decoder thread, or the owner
// when decoding inline); `front` and `pop` on the consumer thread only (the device callback or
// the paced output). Never allocates (the blocks live in the ring) or locks.
class AudioBlockRing {
  public:
    static constexpr std::uint32_t kBlocks = 64;

    // The next block to fill, or null while the ring is full.
    AudioBlock* writable() {
        const std::uint32_t tail = tail_.load(std::memory_order_relaxed);
        if (tail - head_.load(std::memory_order_acquire) == kBlocks) return nullptr;
        return &blocks_[tail % kBlocks];
    }
    void push() {
        tail_.store(tail_.load(std::memory_order_relaxed) + 1, std::memory_order_release);
    }

    // The oldest filled block, or null while the ring is empty.
    const AudioBlock* front() const {
        const std::uint32_t head = head_.load(std::memory_order_relaxed);
        if (head == tail_.load(std::memory_order_acquire)) return nullptr;
        return &blocks_[head % kBlocks];
    }
    void pop() {
        head_.store(head_.load(std::memory_order_relaxed) + 1, std::memory_order_release);
    }

  private:
    std::array<AudioBlock, kBlocks> blocks_{};
    std::atomic<std::uint32_t> head_{0};
    std::atomic<std::uint32_t> tail_{0};
};

}  // namespace wl
