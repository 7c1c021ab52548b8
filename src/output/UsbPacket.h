#pragma once

#include <array>
#include <cstdint>

#include "output/ChannelSpace.h"

namespace wl {

// How many universes travel over USB: A to D. E to H reach only the 3D viewer.
inline constexpr int kUsbUniverseCount = 4;

// The code that names each USB universe on the wire.
inline constexpr std::array<std::uint8_t, kUsbUniverseCount> kUsbUniverseCodes{0xF0, 0xF8, 0xF9,
                                                                               0xFA};

// One universe on the wire: 0xFF, the code, ten 0xFF, the code again, 0x00, the 512 levels,
// then 0xFF 0xF1 0xFF 0xFF. Levels never reach 0xFF (255 goes as 254), so the receiver finds
// each packet by its run of 0xFF bytes around the code.
inline constexpr int kUsbPacketSize = 530;
using UsbPacket = std::array<std::uint8_t, kUsbPacketSize>;

// Fills `packet` with `levels` (channels 1..512 of one universe) under `code`.
//
// Thread: any. Never allocates.
void buildUsbPacket(UsbPacket& packet, const Universe& levels, std::uint8_t code);

}  // namespace wl
