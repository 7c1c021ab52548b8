#include "output/UsbPacket.h"

#include <algorithm>

namespace wl {

namespace {

constexpr std::uint8_t kMark = 0xFF;
constexpr std::uint8_t kHighestLevel = 0xFE;
constexpr int kCodeAt = 1;
constexpr int kRepeatedCodeAt = 12;
constexpr int kLevelsAt = 14;
constexpr int kTrailerAt = kLevelsAt + kUniverseSize;
constexpr std::array<std::uint8_t, 4> kTrailer{0xFF, 0xF1, 0xFF, 0xFF};

}  // namespace

void buildUsbPacket(UsbPacket& packet, const Universe& levels, std::uint8_t code) {
    std::fill(packet.begin(), packet.begin() + kLevelsAt, kMark);
    packet[kCodeAt] = code;
    packet[kRepeatedCodeAt] = code;
    packet[kRepeatedCodeAt + 1] = 0x00;
    std::transform(levels.begin(), levels.end(), packet.begin() + kLevelsAt,
                   [](std::uint8_t level) { return std::min(level, kHighestLevel); });
    std::copy(kTrailer.begin(), kTrailer.end(), packet.begin() + kTrailerAt);
}

}  // namespace wl
