#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace wl {

// A small value one thread publishes and another reads whole, without a lock: the writer never
// waits; a reader that met a write half-way reads again. The value is kept in atomic words, so
// no byte of it is ever touched by two threads at once.
//
// Thread: `write` on one writer thread; `read` on any thread. Never allocates or locks.
template <class T>
class SeqLocked {
    static_assert(std::is_trivially_copyable_v<T>);
    static constexpr std::size_t kWords = (sizeof(T) + 7) / 8;

  public:
    void write(const T& value) {
        std::array<std::uint64_t, kWords> words{};
        std::memcpy(words.data(), &value, sizeof(T));
        const std::uint32_t sequence = sequence_.load(std::memory_order_relaxed);
        sequence_.store(sequence + 1, std::memory_order_relaxed);
        std::atomic_thread_fence(std::memory_order_release);
        for (std::size_t i = 0; i < kWords; ++i) {
            words_[i].store(words[i], std::memory_order_relaxed);
        }
        sequence_.store(sequence + 2, std::memory_order_release);
    }

    T read() const {
        std::array<std::uint64_t, kWords> words{};
        for (;;) {
            const std::uint32_t before = sequence_.load(std::memory_order_acquire);
            for (std::size_t i = 0; i < kWords; ++i) {
                words[i] = words_[i].load(std::memory_order_relaxed);
            }
            std::atomic_thread_fence(std::memory_order_acquire);
            const std::uint32_t after = sequence_.load(std::memory_order_relaxed);
            if (before == after && (before & 1) == 0) break;
        }
        T value;
        std::memcpy(static_cast<void*>(&value), words.data(), sizeof(T));
        return value;
    }

  private:
    std::atomic<std::uint32_t> sequence_{0};
    std::array<std::atomic<std::uint64_t>, kWords> words_{};
};

}  // namespace wl
