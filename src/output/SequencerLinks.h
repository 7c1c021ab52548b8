#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "output/ChannelSpace.h"

namespace wl {

// Run modes of a sequence (`SeqJob`).
inline constexpr std::uint8_t kJobOff = 0;   // silent: the output cycle skips its channels
inline constexpr std::uint8_t kJobStop = 1;  // holds its last output, does not step
inline constexpr std::uint8_t kJobPlay = 2;  // steps on its timer

// One sequence's links: index n - 1 is nonzero when the sequence drives channel n.
using LinkRow = std::array<std::uint8_t, kChannelCount>;

// What the output reads of the sequencer tables, handed over by whoever owns them: the run mode
// of every sequence (0 = OFF) and its link row, one entry per sequence in both, and the count of
// link edits.
//
// Thread: the engine. Views only.
struct SequencerLinks {
    std::span<const std::uint8_t> SeqJob;
    std::span<const LinkRow> LinkMask;
    std::uint32_t LinkEdits = 0;  // changes whenever any link row changes
};

}  // namespace wl
