#pragma once

#include <string>

namespace wl {

// Asks real-time scheduling (`SCHED_FIFO` at `fifoPriority`, 1..99) for the
// calling thread; where the system refuses (no CAP_SYS_NICE, no RLIMIT_RTPRIO), raises its
// ordinary priority as far as the system allows, down to nice `fallbackNice`. Returns what the
// thread got, for the event log: "SCHED_FIFO priority 20", "nice -10 (real-time refused: …)" or
// "normal priority (…)".
//
// Thread: any (acts on the calling thread). Allocates the text.
std::string raiseCurrentThreadPriority(int fifoPriority, int fallbackNice);

}  // namespace wl
