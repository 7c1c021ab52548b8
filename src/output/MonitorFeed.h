#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "output/ChannelSpace.h"
#include "output/SequencerLinks.h"

namespace wl {

// The sources of the channel monitor (" Source "), in the order of its items.
enum class MonitorSource : std::uint8_t {
    SeqData,  // "bSeqData": the edited sequence's current scene
    FromSeq,  // "bFromSeq": SeqFrame
    First,    // "bFirst": FirstFrame
    Second,   // "bSecond": RateFrame
    Three,    // "bThree": JetFrame
    Out,      // "bOut": OutFrame
    Hand,     // "bHand": ChannelTestLevel
    Activ,    // "bActiv": 255 where the edited sequence links the channel
    Valve,    // "bValve": influence addresses of the sequences
    Light,    // "bLight": LightFrame
};

// What the monitor shows of the sequencer: the edited sequence's current scene (4096 levels),
// its links, and the influence address of every sequence. Empty views show as 0.
struct MonitorSequencerView {
    std::span<const std::uint8_t> scene;
    std::span<const std::uint8_t> links;
    std::span<const std::uint16_t> InfToDmx;
};

// The buffer the output cycle fills for the channel monitor, and the monitor's choices.
//
// Thread: the engine. Plain data.
struct MonitorFeed {
    std::array<std::uint8_t, kUniverseSize + 1> MonitorBuf{};  // index 1..512
    bool MonitorNewData = false;  // raised by each fill, lowered by the monitor when it draws
    MonitorSource source = MonitorSource::Out;
    int universe = 0;  // 0..7
};

// Step 17 (`WievDMX`), first part: the chosen universe of the chosen source into `MonitorBuf`.
// "bValve" has an address only for the 256 sequences: in universe 1 entries 257..512 keep their
// values, in the other universes every entry shows 0.
//
// Thread: the engine. Never allocates.
void fillMonitor(MonitorFeed& feed, const ChannelSpace& space, const MonitorSequencerView& seq);

}  // namespace wl
