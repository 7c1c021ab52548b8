#pragma once

#include <cstdint>

#include "output/ChannelSpace.h"
#include "output/FountainModes.h"
#include "output/LinkIndex.h"
#include "output/SequencerLinks.h"

namespace wl {

// Channels a running sequence drives, index n - 1 for channel n.
using DrivenChannels = LinkRow;

// True for the modes whose output takes channels from the running sequences: STOP, PAUSE,
// DINAM and DANCE.
constexpr bool modeReadsSequencer(std::uint8_t mode) {
    return mode == kModeStop || mode == kModePause || mode == kModeDinam || mode == kModeDance;
}

// Marks the channels 1..channelCount that a sequence 0..lastSequence with a run mode other than
// OFF links, reading only the blocks of each row that `index` names.
//
// Thread: the engine. Never allocates.
void markDrivenChannels(DrivenChannels& driven, const SequencerLinks& links, const LinkIndex& index,
                        int lastSequence, int channelCount);

// Step 2 of the output cycle (`CarryModeFontanToFirst`): the source of every channel
// 1..ChannelCount for the fountain mode, into `FirstFrame`. A channel no running sequence drives
// keeps its value in the sequencer modes; FILE and unknown modes hold the whole frame.
//
// Thread: the engine. Never allocates.
void CarryModeFontanToFirst(ChannelSpace& space, std::uint8_t mode, const DrivenChannels& driven);

}  // namespace wl
