#include "sequencer/SequencerStore.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace wl {
namespace {

// Resident pages of this process, from the kernel's own count.
long residentKiB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * 4;
}

class StoreTest : public ::testing::Test {
  protected:
    std::unique_ptr<SequencerStore> store = std::make_unique<SequencerStore>();
};

TEST_F(StoreTest, ScenesAreAddressedOnTheFlatIndex) {
    EXPECT_EQ(sceneIndex(1, 0, 0), 1048576u);
    EXPECT_EQ(sceneIndex(255, 255, 4095), kSceneStoreBytes - 1);
    store->SceneStore.writableScene(3, 7)[100] = 42;
    EXPECT_EQ(store->SceneStore[3 * 1048576 + 7 * 4096 + 100], 42);
    EXPECT_EQ(store->SceneStore[sceneIndex(3, 7, 100)], 42);
}

TEST_F(StoreTest, ResetSetsDefaultsAndKeepsTheKeptTables) {
    store->SceneStore.setLevel(200, 100, 4000, 9);
    store->LinkMask[4][17] = 1;
    store->SeqJob[4] = kJobPlay;
    store->CurScene[4] = 77;
    store->SeqSource[4] = kSourceLabel;
    store->InfToDmx[4] = 12;
    store->PosSpot[4] = 33;
    store->InfLgtSpare3[4] = 5;
    store->LabelPending[4] = 1;
    store->SeqNames[4].fill('x');

    ResetSequencerStore(*store, /*programStart=*/false);

    EXPECT_EQ(store->SceneStore[sceneIndex(200, 100, 4000)], 0);
    EXPECT_EQ(store->LinkMask[4][17], 0);
    EXPECT_EQ(store->SeqJob[4], kJobOff);
    EXPECT_EQ(store->CurScene[4], 0);
    EXPECT_EQ(store->SceneCtrl[255][255], 500);
    EXPECT_EQ(store->SeqType[4], kTypeInv);
    EXPECT_EQ(store->InfLgtLeng[4], 2);
    EXPECT_EQ(store->InfLgtSpare3[4], 0);
    EXPECT_EQ(store->SeqNames[4][0], 0);
    EXPECT_EQ(store->SeqSource[4], kSourceLabel);
    EXPECT_EQ(store->InfToDmx[4], 12);
    EXPECT_EQ(store->PosSpot[4], 33);
    EXPECT_EQ(store->LabelPending[4], 1) << "only the start-up reset clears the Label state";

    ResetSequencerStore(*store, /*programStart=*/true);
    EXPECT_EQ(store->LabelPending[4], 0);
}

// The store is 256 MiB: it must not be committed when made, and the reset writes only the
// sequences that were written (their pages stay, to be written again without faulting).
TEST_F(StoreTest, ResetWritesOnlyTheSequencesThatWereWritten) {
    const long before = residentKiB();
    for (int seq = 0; seq < kSequenceCount; seq += 32) {
        store->SceneStore.setLevel(seq, 0, 0, 1);  // eight sequences, each a 2 MiB page at most
    }
    ResetSequencerStore(*store, /*programStart=*/true);
    const auto second = std::make_unique<SequencerStore>();  // made, never written
    EXPECT_LT(residentKiB() - before, 64 * 1024);
    for (int seq = 0; seq < kSequenceCount; seq += 32) {
        EXPECT_EQ(store->SceneStore.level(seq, 0, 0), 0) << seq;
    }
}

TEST_F(StoreTest, NamesReadAsSixteenCharactersAndHealTheTable) {
    EXPECT_EQ(SeqName(*store, 0), std::string(16, ' '));
    EXPECT_EQ(store->SeqNames[0][15], ' ');

    SetSeqName(*store, 300, "Jets");  // clamped to 255
    EXPECT_EQ(SeqName(*store, 255), "Jets            ");
    SetSeqName(*store, 255, "");
    EXPECT_EQ(SeqName(*store, 255), "Jets            ") << "an empty edit keeps the name";
    SetChannelName(*store, 4095, "A very long channel name");
    EXPECT_EQ(ChannelName(*store, 9999), "A very long chan");
}

TEST_F(StoreTest, LinkedRange) {
    EXPECT_EQ(LinkedRange(*store, 0), std::make_pair(1, 4095)) << "nothing linked";
    store->LinkMask[0][10] = 1;
    store->LinkMask[0][19] = 1;
    EXPECT_EQ(LinkedRange(*store, 0), std::make_pair(10, 19));
    store->LinkMask[1][0] = 1;
    EXPECT_EQ(LinkedRange(*store, 1), std::make_pair(0, 4095)) << "index 0 is never a last";
}

}  // namespace
}  // namespace wl
