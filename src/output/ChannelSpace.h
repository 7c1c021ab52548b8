#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace wl {

struct SettingsRecord;

inline constexpr int kUniverseCount = 8;
inline constexpr int kUniverseSize = 512;
inline constexpr int kChannelCount = kUniverseCount * kUniverseSize;

// One level per channel, indexed by the global channel number 1..4096; index 0 is never used.
using Frame = std::array<std::uint8_t, kChannelCount + 1>;
using Universe = std::array<std::uint8_t, kUniverseSize>;

// Channels 1..512 of each universe, split into consecutive blocks: RGB spots from channel 1, then
// pumps, then valves; the rest are free. All numbers are channels within the universe.
struct DeviceMap {
    using PerUniverse = std::array<std::uint16_t, kUniverseCount>;
    PerUniverse SpotCount{}, SpotLen{}, PumpLen{}, ValveLen{};
    PerUniverse SpotFirst{}, SpotLast{}, PumpFirst{}, PumpLast{}, ValveFirst{}, ValveLast{};
};

// The flat DMX channel space every level source writes into and the output cycle reads.
//
// Thread: the engine. Plain data; nothing here allocates.
struct ChannelSpace {
    ChannelSpace();

    Frame SeqFrame{};        // what the playing sequences ask for
    Frame FirstFrame{};      // the source chosen for the current fountain mode
    Frame RateFrame{};       // after effect ramping and valve bypass
    Frame JetFrame{};        // after the master jet level and the min/max rescale
    Frame OutFrame{};        // the final frame
    Frame LightFrame{};      // light gate: above 10 lets the sequencer through
    Frame InfluenceFrame{};  // pump factor: 255 means no influence
    std::array<Universe, kUniverseCount> UniverseBuf{};

    std::uint16_t ChannelCount = kUniverseSize;  // 512 x number of universes

    Frame ChannelMin{};
    Frame ChannelMax{};
    Frame ChannelTestLevel{};  // manual levels
    Frame ChannelTestCheck{};  // 1 where the manual level overrides the sequencer in STOP

    DeviceMap Map{};
};

// "A001" .. "H512"; empty outside 1..4096.
std::string ChannelLabel(int channel);

// Universe buffers, pipeline frames and manual levels to 0, the light gate to 255.
void ResetFrames(ChannelSpace& space);

// 512 x the configured number of universes (settings entry 18 holds that number minus one).
std::uint16_t channelCountFor(const SettingsRecord& settings);

// Recomputes ChannelCount and the device map from the settings.
void CountChannels(ChannelSpace& space, const SettingsRecord& settings);

// What a channel within a universe drives, by the device map.
enum class DeviceKind { SpotRed, SpotGreen, SpotBlue, Pump, Valve, Free };
DeviceKind deviceKindOf(const DeviceMap& map, int universe, int channel);

// The texts of the "Channels" page for one universe: first, last, length (and count for spots).
struct DeviceMapLabels {
    std::array<std::string, 4> spots;
    std::array<std::string, 3> pumps;
    std::array<std::string, 3> valves;
};
DeviceMapLabels PrintLabelChannel(const DeviceMap& map, int universe);

}  // namespace wl
