#pragma once

#include <pthread.h>

#include <cstdint>

namespace wl {

// A mutex for a real-time thread that shares its data with ordinary threads: priority
// inheritance lifts a holder of lower priority while the real-time thread waits, so a window
// holding it briefly never makes the show wait behind unrelated work. It comes with one condition
// that the holder can wait on until an absolute time of the monotonic clock, releasing the lock
// meanwhile, and that any thread can signal to cut the wait short.
//
// Thread: any. Never allocates after construction.
class RealtimeLock {
  public:
    RealtimeLock();
    ~RealtimeLock();
    RealtimeLock(const RealtimeLock&) = delete;
    RealtimeLock& operator=(const RealtimeLock&) = delete;

    void lock();
    void unlock();

    // With the lock held: waits until `deadlineNs` of the monotonic clock (or for a `wake`, or
    // spuriously), releasing the lock meanwhile; a negative deadline waits for a `wake` only.
    void waitUntil(std::int64_t deadlineNs);
    // Cuts a `waitUntil` short; may be called with or without the lock.
    void wake();

  private:
    pthread_mutex_t mutex_;
    pthread_cond_t condition_;
};

// Nanoseconds of the machine's monotonic clock (CLOCK_MONOTONIC).
std::int64_t monotonicNanoseconds();

}  // namespace wl
