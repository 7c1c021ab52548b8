#pragma once

#include <cstdint>

#include "output/ChannelSpace.h"

namespace wl {

struct SettingsRecord;
struct ShowRequests;

// A pump's `InfluenceFrame` level that leaves it as it is.
inline constexpr std::uint8_t kNoPumpInfluence = 255;

// The shaping steps of the output cycle, each in place on the frames of the channel space.
// Device blocks are taken per configured universe, their channel numbers within the universe.
//
// Thread: the engine. None of them allocates.

// Step 3 (`LightOn`): unless the lights are always on or the light time is on, the spot
// channels of `FirstFrame` go to 0.
void LightOn(ChannelSpace& space, const SettingsRecord& settings, bool lightTimeOn);

// Step 4 with the schedule on in a macro mode: `RateFrame` takes `FirstFrame` unramped.
void copyFirstToRate(ChannelSpace& space);

// Step 5 (`ValveQuicle`): with "Min Time for Valves", valve channels never ramp.
void ValveQuicle(ChannelSpace& space, const SettingsRecord& settings);

// Step 6 (`MasterJet`): `JetFrame` takes `RateFrame`, pump channels scaled by the master jet
// level (level x L div 255).
void MasterJet(ChannelSpace& space, const SettingsRecord& settings);

// Step 7 (`MinMaxDMX` and the rescale of every channel): each channel's level is swept into its
// `ChannelMin`..`ChannelMax`; with "Min Max Only For Punps" only the pump channels are, and no
// channel is rescaled twice.
void rescaleMinMax(ChannelSpace& space, const SettingsRecord& settings);

// Step 8: `OutFrame` takes `JetFrame`.
void copyJetToOut(ChannelSpace& space);

// Step 9 (`InfluencePump`): pump channels whose influence is not 255 are scaled by it.
void InfluencePump(ChannelSpace& space);

// Step 11 (`BlackOUT`, mode OFF): every channel 0; with "Volume of System allways 100%" the
// player is also asked to silence the audio library.
void BlackOUT(ChannelSpace& space, const SettingsRecord& settings, ShowRequests& requests);

// Step 12 (`BlockOfEmulation`): the enabled codes on A510, A511 and A512, in every mode.
void BlockOfEmulation(ChannelSpace& space, const SettingsRecord& settings);

// Step 13: with "Repeat Redut", A392..A480 repeat B392..B480.
void repeatRedut(ChannelSpace& space, const SettingsRecord& settings);

// Step 14 (`CaseBufOutToBufDMX`): `OutFrame` split into the eight universe buffers.
void CaseBufOutToBufDMX(ChannelSpace& space);

}  // namespace wl
