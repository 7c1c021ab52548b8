#include "platform/ThreadPriority.h"

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstring>

namespace wl {

namespace {

// Tries nice values from `fallbackNice` up to -1; returns the one the system granted, or 0.
int raiseNice(int fallbackNice) {
    const auto thread = static_cast<id_t>(syscall(SYS_gettid));
    for (int nice = fallbackNice; nice < 0; ++nice) {
        if (setpriority(PRIO_PROCESS, thread, nice) == 0) return nice;
    }
    return 0;
}

}  // namespace

std::string raiseCurrentThreadPriority(int fifoPriority, int fallbackNice) {
    sched_param parameters{};
    parameters.sched_priority = fifoPriority;
    const int refused = pthread_setschedparam(pthread_self(), SCHED_FIFO, &parameters);
    if (refused == 0) return "SCHED_FIFO priority " + std::to_string(fifoPriority);

    const std::string reason = std::strerror(refused);
    const int nice = raiseNice(fallbackNice);
    if (nice != 0) {
        return "nice " + std::to_string(nice) + " (real-time scheduling refused: " + reason + ")";
    }
    return "normal priority (real-time scheduling and a raised priority refused: " + reason + ")";
}

}  // namespace wl
