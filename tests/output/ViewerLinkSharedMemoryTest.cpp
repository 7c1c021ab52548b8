// The 3D link on real POSIX shared memory, read back through a second mapping as the viewer
// would read it. Block names are unique to the test, never the program's own.

#include <gtest/gtest.h>

#include <string>

#include "fakes/FakeOperator.h"
#include "fakes/FakeWallClock.h"
#include "fakes/TestSystem.h"
#include "output/ViewerLink.h"
#include "output/ViewerText.h"
#include "platform/PosixSharedMemory.h"
#include "storage/EventLog.h"

namespace wl {
namespace {

class ViewerLinkSharedMemoryTest : public ::testing::Test {
  protected:
    ~ViewerLinkSharedMemoryTest() override {
        link.FileMappingToOFF();
        for (int block = 0; block < ViewerLink::kBlockCount; ++block) {
            memory.remove(link.blockName(block));
        }
    }

    // What a second mapping of a block finds, as levels.
    std::optional<Universe> readBlock(int block) {
        std::string error;
        const auto bytes = readSharedBlock(link.blockName(block), ViewerLink::kBlockSize, error);
        if (!bytes) return std::nullopt;
        return readViewerText(*bytes);
    }

    test::TempDir home;
    test::FakeWallClock clock;
    EventLog log{home.path() / "wavelumina.Log", clock};
    test::FakeOperator op;
    PosixSharedMemory memory;
    ViewerLink link{memory, test::uniqueGuardName() + "-3D"};
};

TEST_F(ViewerLinkSharedMemoryTest, SecondMappingFindsTheLevelsAndSpectrumOfTheCycle) {
    link.FileMappingToON(op, log);
    link.FileMappingToON(op, log);
    ASSERT_TRUE(op.shown.empty()) << op.shown[0].text;

    std::array<Universe, kUniverseCount> universes{};
    for (int u = 0; u < kUniverseCount; ++u) {
        for (int c = 0; c < kUniverseSize; ++c) universes[u][c] = static_cast<std::uint8_t>(u + c);
    }
    std::array<std::int32_t, kBandPeakCount> bandPeak{};
    for (int band = 0; band < kBandPeakCount; ++band) bandPeak[band] = 100 + band;
    link.SendTo3D(universes, bandPeak);

    for (int u = 0; u < kUniverseCount; ++u) {
        EXPECT_EQ(readBlock(1 + u), universes[u]) << link.blockName(1 + u);
    }
    Universe spectrum{};
    for (int band = 1; band <= ViewerLink::kSharedBands; ++band)
        spectrum[band - 1] = static_cast<std::uint8_t>(100 + band);
    EXPECT_EQ(readBlock(0), spectrum);
}

TEST_F(ViewerLinkSharedMemoryTest, OffRemovesTheBlocks) {
    link.FileMappingToON(op, log);
    link.FileMappingToOFF();
    for (int block = 0; block < ViewerLink::kBlockCount; ++block) {
        EXPECT_EQ(readBlock(block), std::nullopt) << link.blockName(block);
    }
}

TEST_F(ViewerLinkSharedMemoryTest, BlocksTheViewerMadeFirstAreUsedAndLeftInPlace) {
    const auto viewerMade = memory.createOrOpen(link.blockName(1), 1025);
    ASSERT_NE(viewerMade.handle, SharedMemory::kNoHandle) << viewerMade.error;
    link.FileMappingToON(op, log);
    std::array<Universe, kUniverseCount> universes{};
    universes[0].fill(0x5A);
    link.SendTo3D(universes, std::array<std::int32_t, kBandPeakCount>{});
    link.FileMappingToOFF();
    memory.close(viewerMade.handle);

    EXPECT_EQ(readBlock(1), universes[0]);
    EXPECT_EQ(readBlock(2), std::nullopt);
}

}  // namespace
}  // namespace wl
