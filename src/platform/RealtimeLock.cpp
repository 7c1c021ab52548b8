#include "platform/RealtimeLock.h"

#include <ctime>

namespace wl {

RealtimeLock::RealtimeLock() {
    pthread_mutexattr_t mutexAttributes;
    pthread_mutexattr_init(&mutexAttributes);
    // Where the system has no priority inheritance the lock still works, only without the lift.
    pthread_mutexattr_setprotocol(&mutexAttributes, PTHREAD_PRIO_INHERIT);
    pthread_mutex_init(&mutex_, &mutexAttributes);
    pthread_mutexattr_destroy(&mutexAttributes);

    pthread_condattr_t conditionAttributes;
    pthread_condattr_init(&conditionAttributes);
    pthread_condattr_setclock(&conditionAttributes, CLOCK_MONOTONIC);
    pthread_cond_init(&condition_, &conditionAttributes);
    pthread_condattr_destroy(&conditionAttributes);
}

RealtimeLock::~RealtimeLock() {
    pthread_cond_destroy(&condition_);
    pthread_mutex_destroy(&mutex_);
}

void RealtimeLock::lock() {
    pthread_mutex_lock(&mutex_);
}

void RealtimeLock::unlock() {
    pthread_mutex_unlock(&mutex_);
}

void RealtimeLock::waitUntil(std::int64_t deadlineNs) {
    if (deadlineNs < 0) {
        pthread_cond_wait(&condition_, &mutex_);
        return;
    }
    timespec deadline{};
    deadline.tv_sec = static_cast<time_t>(deadlineNs / 1'000'000'000);
    deadline.tv_nsec = static_cast<long>(deadlineNs % 1'000'000'000);
    pthread_cond_timedwait(&condition_, &mutex_, &deadline);
}

void RealtimeLock::wake() {
    pthread_cond_broadcast(&condition_);
}

std::int64_t monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

}  // namespace wl
