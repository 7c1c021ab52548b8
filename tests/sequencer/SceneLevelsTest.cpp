#include "sequencer/SceneLevels.h"

#include <gtest/gtest.h>

#include <memory>

namespace wl::test {
namespace {

class SceneLevelsTest : public ::testing::Test {
  protected:
    std::unique_ptr<SceneLevels> levels = std::make_unique<SceneLevels>();
};

TEST_F(SceneLevelsTest, OnlyWritesUnderAHeldSnapshotAreSetAside) {
    levels->setLevel(1, 0, 0, 10);
    EXPECT_EQ(levels->snapshotBytes(), 0u);
    levels->holdSnapshot();
    levels->setLevel(1, 0, 0, 11);
    levels->writableScene(1, 200)[7] = 12;  // the same sequence: already aside
    levels->writableSequence(2)[0] = 13;
    EXPECT_EQ(levels->snapshotBytes(), 2 * kSequenceBytes);
    levels->restoreSnapshot();
    EXPECT_EQ(levels->level(1, 0, 0), 10);
    EXPECT_EQ(levels->level(1, 200, 7), 0);
    EXPECT_EQ(levels->level(2, 0, 0), 0);
    EXPECT_FALSE(levels->holdsSnapshot());
}

// Clearing under a snapshot moves the block into the snapshot; the store then works on the old
// snapshot block, which must not bring back what an earlier burst set aside in it.
TEST_F(SceneLevelsTest, ClearingUnderASnapshotLeavesNoStaleLevels) {
    levels->setLevel(5, 3, 3, 50);
    levels->holdSnapshot();
    levels->setLevel(5, 3, 3, 51);  // sequence 5 goes aside holding 50
    levels->holdSnapshot();         // a later burst
    levels->setLevel(6, 0, 0, 60);
    levels->clear();
    for (int seq : {5, 6}) {
        for (int scene : {0, 3}) {
            for (int ch : {0, 3}) EXPECT_EQ(levels->level(seq, scene, ch), 0) << seq;
        }
    }
    levels->restoreSnapshot();
    EXPECT_EQ(levels->level(5, 3, 3), 51);
    EXPECT_EQ(levels->level(6, 0, 0), 0);
}

TEST_F(SceneLevelsTest, SwappingBlocksEndsBothSnapshots) {
    SceneLevels other;
    other.setLevel(0, 0, 0, 8);
    levels->holdSnapshot();
    levels->setLevel(0, 0, 0, 9);
    levels->swapBlocks(other);
    EXPECT_EQ(levels->level(0, 0, 0), 8);
    EXPECT_EQ(other.level(0, 0, 0), 9);
    EXPECT_FALSE(levels->holdsSnapshot());
    levels->restoreSnapshot();
    EXPECT_EQ(levels->level(0, 0, 0), 8);
}

}  // namespace
}  // namespace wl::test
