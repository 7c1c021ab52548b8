#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "output/OutputCycle.h"
#include "storage/SettingsRecord.h"

namespace wl::test {

// The tables one output cycle works on, each fresh, with the sequencer's run modes and links
// as plain arrays. One universe unless a test configures more.
struct OutputTables {
    static constexpr int kSequences = 256;

    OutputTables() { settings.SettingsRec[65] = kSequences - 1; }

    std::unique_ptr<ChannelSpace> spaceOwner = std::make_unique<ChannelSpace>();
    ChannelSpace& space = *spaceOwner;
    SettingsRecord settings;
    std::array<std::uint8_t, kSequences> SeqJob{};
    std::unique_ptr<std::array<LinkRow, kSequences>> LinkMask =
        std::make_unique<std::array<LinkRow, kSequences>>();
    EffectTable effects;
    ShowPosition show;
    SwitchState switches;
    ShowRequests requests;
    std::uint8_t mode = 5;

    // Channel `channel` (1..4096) linked to sequence `seq`.
    void link(int seq, int channel) { (*LinkMask)[seq][channel - 1] = 1; }

    // `universes` universes with the given device blocks in each.
    void configure(int universes, int spots, int pumps, int valves) {
        settings.SettingsRec[18] = universes - 1;
        for (int u = 0; u < 8; ++u) {
            settings.SettingsRec[101 + u] = spots;
            settings.SettingsRec[111 + u] = pumps;
            settings.SettingsRec[121 + u] = valves;
        }
        CountChannels(space, settings);
    }

    std::uint32_t LinkEdits = 0;
    SequencerLinks links() const { return {SeqJob, *LinkMask, LinkEdits}; }

    CycleSources sources() {
        return {space, settings, mode, links(), effects, show, switches, requests, {}};
    }
};

}  // namespace wl::test
