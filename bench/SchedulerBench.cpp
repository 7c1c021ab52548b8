// How long the scheduler takes to run a busy show's timers on the virtual clock.

#include <benchmark/benchmark.h>

#include "platform/Scheduler.h"

namespace {

// The output cycle, the track loop, the mode timer and 256 sequences stepping every 50 ms.
void BM_SchedulerOneSecondOfShow(benchmark::State& state) {
    wl::Scheduler scheduler;
    int runs = 0;
    for (int interval : {10, 12, 10, 500, 151}) {
        scheduler.start(scheduler.addTask("timer", interval, [&runs] { ++runs; }));
    }
    for (int seq = 0; seq < 256; ++seq) {
        scheduler.start(scheduler.addTask("SeqTimer", 50, [&runs] { ++runs; }));
    }
    for (auto _ : state) {
        scheduler.advance(1000);
    }
    benchmark::DoNotOptimize(runs);
    state.SetItemsProcessed(runs);
}
BENCHMARK(BM_SchedulerOneSecondOfShow);

}  // namespace
