#include "app/OutputSnapshot.h"

#include "app/System.h"

namespace wl {

void publishOutput(System& system) {
    OutputSnapshot& snapshot = system.published.output.back();
    const CycleStatistics& statistics = system.output.statistics;
    const std::int64_t now = system.scheduler.now();
    // A second of show time passed since the figures were read last (or they never were).
    const bool newSecond = snapshot.cycle == 0 || now / 1000 != snapshot.showTimeMs / 1000;
    snapshot.cycle = statistics.cycles;
    snapshot.showTimeMs = now;
    snapshot.FountainMode = system.FountainMode;
    snapshot.frameRate = statistics.frameRate;
    snapshot.lateCycles = statistics.lateCycles;
    if (newSecond) {
        snapshot.intervals = system.output.timing.intervals();
        snapshot.durations = system.output.timing.durations();
    }
    snapshot.universes = system.channels.UniverseBuf;
    snapshot.MonitorBuf = system.output.monitor.MonitorBuf;
    system.published.output.publish();
}

}  // namespace wl
