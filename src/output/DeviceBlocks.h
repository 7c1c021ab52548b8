#pragma once

#include <algorithm>

#include "output/ChannelSpace.h"

namespace wl {

// Channels first..last of a frame (global numbers, inclusive); empty when first > last.
struct FrameRange {
    int first = 1;
    int last = 0;
};

// The number of universes the channel count covers, 1..8.
constexpr int configuredUniverses(const ChannelSpace& space) {
    return std::clamp(space.ChannelCount / kUniverseSize, 1, kUniverseCount);
}

// A device block of universe `universe` as global channel numbers. A block of length 0 is
// empty whatever its clamped ends say, and no block leaves its universe.
constexpr FrameRange blockRange(int universe, int first, int last, int length) {
    if (length == 0) return {};
    const int base = kUniverseSize * universe;
    return {base + std::max(first, 1), base + std::min(last, kUniverseSize)};
}

constexpr FrameRange spotBlock(const DeviceMap& map, int universe) {
    return blockRange(universe, 1, map.SpotLast[universe], map.SpotLen[universe]);
}
constexpr FrameRange pumpBlock(const DeviceMap& map, int universe) {
    return blockRange(universe, map.PumpFirst[universe], map.PumpLast[universe],
                      map.PumpLen[universe]);
}
constexpr FrameRange valveBlock(const DeviceMap& map, int universe) {
    return blockRange(universe, map.ValveFirst[universe], map.ValveLast[universe],
                      map.ValveLen[universe]);
}

}  // namespace wl
