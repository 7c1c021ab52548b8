#include "output/ChannelSpace.h"

#include <algorithm>
#include <cstdio>

#include "storage/SettingsRecord.h"

namespace wl {

namespace {

// Settings entries of the device map.
constexpr int kUniversesEntry = 18;
constexpr int kSpotsEntry = 101;
constexpr int kPumpsEntry = 111;
constexpr int kValvesEntry = 121;

std::uint16_t clampedAbove(int value, int limit, int replacement) {
    return static_cast<std::uint16_t>(value > limit ? replacement : value);
}

int storedCount(const SettingsRecord& settings, int entry) {
    return std::clamp(settings.SettingsRec[entry], 0, 0xFFFF);
}

}  // namespace

ChannelSpace::ChannelSpace() {
    LightFrame.fill(255);
    InfluenceFrame.fill(255);
    ChannelMax.fill(255);
}

std::string ChannelLabel(int channel) {
    if (channel < 1 || channel > kChannelCount) return {};
    char label[8];
    std::snprintf(label, sizeof label, "%c%03d", 'A' + (channel - 1) / kUniverseSize,
                  (channel - 1) % kUniverseSize + 1);
    return label;
}

void ResetFrames(ChannelSpace& space) {
    for (auto& universe : space.UniverseBuf) universe.fill(0);
    for (Frame* frame : {&space.SeqFrame, &space.FirstFrame, &space.RateFrame, &space.JetFrame,
                         &space.OutFrame, &space.ChannelTestLevel}) {
        frame->fill(0);
    }
    space.LightFrame.fill(255);
}

std::uint16_t channelCountFor(const SettingsRecord& settings) {
    const int universes = std::clamp(settings.SettingsRec[kUniversesEntry], 0, 7) + 1;
    return static_cast<std::uint16_t>(kUniverseSize * universes);
}

void CountChannels(ChannelSpace& space, const SettingsRecord& settings) {
    space.ChannelCount = channelCountFor(settings);
    DeviceMap& m = space.Map;
    for (int u = 0; u < kUniverseCount; ++u) {
        // Every value comes from the unclamped ones; the clamps follow in a fixed order.
        const int spots = storedCount(settings, kSpotsEntry + u);
        const int spotLen = 3 * spots;
        const int pumpLen = storedCount(settings, kPumpsEntry + u);
        const int valveLen = storedCount(settings, kValvesEntry + u);
        const int spotLast = spotLen;
        const int pumpFirst = spotLast + 1;
        const int pumpLast = spotLen + pumpLen;
        const int valveFirst = pumpFirst + pumpLen;
        const int valveLast = spotLast + pumpLen + valveLen;

        m.SpotCount[u] = static_cast<std::uint16_t>(spots);
        m.SpotFirst[u] = 1;
        m.SpotLen[u] = clampedAbove(spotLen, 511, 511);
        m.PumpLen[u] = clampedAbove(pumpLen, 480, 480);
        m.ValveLen[u] = clampedAbove(valveLen, 512, 512);
        m.PumpFirst[u] = clampedAbove(pumpFirst, 511, 512);
        m.ValveFirst[u] = clampedAbove(valveFirst, 511, 512);
        m.SpotLast[u] = clampedAbove(spotLast, 511, 511);
        m.PumpLast[u] = clampedAbove(pumpLast, 512, 512);
        m.ValveLast[u] = clampedAbove(valveLast, 512, 512);
    }
}

DeviceKind deviceKindOf(const DeviceMap& map, int universe, int channel) {
    if (map.SpotLen[universe] > 0 && channel >= map.SpotFirst[universe] &&
        channel <= map.SpotLast[universe]) {
        switch (channel % 3) {
            case 1:
                return DeviceKind::SpotRed;
            case 2:
                return DeviceKind::SpotGreen;
            default:
                return DeviceKind::SpotBlue;
        }
    }
    if (map.PumpLen[universe] > 0 && channel >= map.PumpFirst[universe] &&
        channel <= map.PumpLast[universe]) {
        return DeviceKind::Pump;
    }
    if (map.ValveLen[universe] > 0 && channel >= map.ValveFirst[universe] &&
        channel <= map.ValveLast[universe]) {
        return DeviceKind::Valve;
    }
    return DeviceKind::Free;
}

DeviceMapLabels PrintLabelChannel(const DeviceMap& map, int u) {
    DeviceMapLabels labels;
    const auto n = [](int value) { return std::to_string(value); };
    if (map.SpotCount[u] == 0) {
        labels.spots = {" ", "Spots no allocated", " ", " "};
    } else {
        labels.spots = {"FirstChnl=01", "Last Chnl=" + n(map.SpotLen[u]),
                        "DMX Length=" + n(map.SpotLen[u]), "Spots=" + n(map.SpotCount[u])};
    }
    if (map.PumpLen[u] == 0) {
        labels.pumps = {" ", "Invertors no allocated", " "};
    } else {
        labels.pumps = {"FirstChnl= " + n(map.PumpFirst[u]), "Last Chnl= " + n(map.PumpLast[u]),
                        "DMX Length= " + n(map.PumpLen[u])};
    }
    if (map.ValveLen[u] == 0) {
        labels.valves = {" ", "Valve no allocated", " "};
    } else {
        labels.valves = {"FirstChnl=" + n(map.ValveFirst[u]), "Last Chnl=" + n(map.ValveLast[u]),
                         "DMX Length=" + n(map.ValveLen[u])};
    }
    return labels;
}

}  // namespace wl
