#pragma once

#include <cstdint>

#include "output/ChannelSpace.h"
#include "output/CycleClock.h"
#include "output/CycleStatistics.h"
#include "output/CycleTiming.h"
#include "output/EffectRamp.h"
#include "output/EffectTable.h"
#include "output/LinkIndex.h"
#include "output/ModeSelection.h"
#include "output/MonitorFeed.h"
#include "output/OutputColumn.h"
#include "output/SequencerLinks.h"
#include "output/ShowPosition.h"
#include "output/ShowRequests.h"
#include "output/TimedSwitches.h"

namespace wl {

struct SettingsRecord;

// Everything one output cycle reads and writes beyond its own state, gathered by the owner of
// the tables for each cycle.
struct CycleSources {
    ChannelSpace& channels;
    const SettingsRecord& settings;
    std::uint8_t FountainMode;
    SequencerLinks sequencer;
    const EffectTable& effects;
    const ShowPosition& show;
    const SwitchState& switches;
    ShowRequests& requests;
    MonitorSequencerView monitor;
};

// The 10 ms output cycle (`TimerDMXTimer`): composes the frame of every channel from the sources
// the fountain mode selects, shapes it and splits it into the universe buffers; after the links
// have sent the universes, it feeds the monitors and keeps the statistics. Every step works in
// place on preallocated frames.
//
// Thread: the engine. Never allocates or locks after construction.
class OutputCycle {
  public:
    OutputCycle();
    OutputCycle(const OutputCycle&) = delete;
    OutputCycle& operator=(const OutputCycle&) = delete;

    // Steps 1 to 14: timing start, mode selection (held at the end of a song), light blanking,
    // effects, valve bypass, master jet, min/max, out frame, pump influence, switches, blackout
    // in mode OFF, emulation codes, the universe B repeat and the universe split.
    void composeFrame(const CycleSources& sources);
    // Steps 17 to 19, once the universes went to the USB and 3D links: the monitor buffer and
    // the "Output" column, the cycle time and the frame rate at scheduler time `nowMs`.
    void finishCycle(const CycleSources& sources, std::int64_t nowMs);

    // The counter that times each cycle and the time between cycles; the machine's monotonic
    // clock unless replaced (a virtual run times its cycles on the virtual clock).
    void useClock(const CycleClock& clock) { clock_ = &clock; }

    EffectCounters EffectCounter;
    CycleStatistics statistics;
    CycleTiming timing;
    MonitorFeed monitor;
    OutputColumn column;

  private:
    SteadyCycleClock steadyClock_;
    const CycleClock* clock_ = &steadyClock_;
    std::int64_t cycleStartNs_ = 0;
    LinkIndex links_;
    DrivenChannels driven_{};
    RateWorkFlags rateWork_{};
};

}  // namespace wl
