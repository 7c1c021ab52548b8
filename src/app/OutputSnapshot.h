#pragma once

#include <array>
#include <cstdint>

#include "output/ChannelSpace.h"
#include "output/CycleTiming.h"
#include "output/LatestMailbox.h"

namespace wl {

class System;

// What the output cycle publishes for the windows after each cycle: the universes as they went
// out, the monitor buffer, the frame rate and how steady the cycle runs. Windows read the newest
// one on their own refresh without taking the engine lock.
struct OutputSnapshot {
    std::uint64_t cycle = 0;      // cycles since start-up; 0 before the first
    std::int64_t showTimeMs = 0;  // the scheduler's time of that cycle
    std::uint8_t FountainMode = 0;
    float frameRate = 0;
    std::uint64_t lateCycles = 0;
    TimingFigures intervals;  // last minute, refreshed once a second
    TimingFigures durations;
    std::array<Universe, kUniverseCount> universes{};
    std::array<std::uint8_t, kUniverseSize + 1> MonitorBuf{};  // index 1..512, as the monitor
};

// The values the engine publishes for the windows, each through a latest-value mailbox (the
// engine writes, the main thread reads).
struct PublishedViews {
    LatestMailbox<OutputSnapshot> output;
};

// After an output cycle: fills and publishes the output snapshot. The timing figures are read
// anew once a second of show time (merging a minute of histograms is not for every cycle).
//
// Thread: the engine. Never allocates or locks.
void publishOutput(System& system);

}  // namespace wl
