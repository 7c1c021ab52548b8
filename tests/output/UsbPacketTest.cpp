#include "output/UsbPacket.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <numeric>

namespace wl {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;

Universe rampLevels() {
    Universe levels{};
    std::iota(levels.begin(), levels.end(), 0);  // 0..255, 0..255
    return levels;
}

TEST(UsbPacketTest, FramesTheLevelsBetweenHeaderAndTrailer) {
    UsbPacket packet{};
    packet.fill(0x55);  // a used buffer: every byte must be written again
    buildUsbPacket(packet, rampLevels(), 0xF8);

    EXPECT_THAT(std::vector<std::uint8_t>(packet.begin(), packet.begin() + 14),
                ElementsAre(0xFF, 0xF8, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                            0xF8, 0x00));
    for (int channel = 1; channel <= kUniverseSize; ++channel) {
        const int level = (channel - 1) % 256;
        ASSERT_EQ(packet[13 + channel], level == 0xFF ? 0xFE : level) << "channel " << channel;
    }
    EXPECT_THAT(std::vector<std::uint8_t>(packet.end() - 4, packet.end()),
                ElementsAre(0xFF, 0xF1, 0xFF, 0xFF));
}

TEST(UsbPacketTest, FullLevelsTravelAsFE) {
    Universe full{};
    full.fill(0xFF);
    UsbPacket packet{};
    buildUsbPacket(packet, full, 0xF0);
    EXPECT_THAT(std::vector<std::uint8_t>(packet.begin() + 14, packet.begin() + 526), Each(0xFE));
}

}  // namespace
}  // namespace wl
