#pragma once

#include <array>
#include <cstdint>

#include "output/ChannelSpace.h"
#include "output/EffectTable.h"
#include "output/LinkIndex.h"
#include "output/SequencerLinks.h"

namespace wl {

// Cycles each effect still waits before its next step; 1 at start.
using EffectCounters = std::array<std::int32_t, kEffectCount>;

// One flag per channel (index n - 1 for channel n): not yet claimed by an effect this cycle.
using RateWorkFlags = LinkRow;

// Step 4 of the output cycle (`RateDMX`): every active effect claims the channels its sequence
// links (as far as `index` names them) that no lower effect claimed, and on its step cycles moves
// them toward `FirstFrame` by its step size ("Rate" both ways, "Decay" falling only; rising is at
// once). Claimed channels that do not step keep their `RateFrame` level; every unclaimed channel
// takes `FirstFrame`. A step size below 1 counts as 1 and an interval below 0 as 0, so a damaged
// effect neither runs levels the wrong way nor freezes its channels.
//
// Thread: the engine. Never allocates.
void RateDMX(ChannelSpace& space, const EffectTable& effects, EffectCounters& counters,
             RateWorkFlags& work, const SequencerLinks& links, const LinkIndex& index,
             std::int32_t playTick);

// The level after one step of an effect of `type` from `level` toward `target`.
std::uint8_t rampStep(std::uint8_t type, std::uint8_t level, std::uint8_t target,
                      std::int32_t stepSize);

}  // namespace wl
