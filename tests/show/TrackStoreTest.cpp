#include <gtest/gtest.h>

#include <memory>

#include "show/TrackStore.h"

namespace wl {
namespace {

TEST(TrackStore, ResetEmptiesEverySlotAndSetsTheParameters) {
    auto store = std::make_unique<TrackStore>();
    store->Params.bytes.fill(0xEE);
    store->TrackNames[3].fill('a');
    store->TrackAdvance[3] = 7;
    store->TrackSpare1.at(0, 0) = 3;
    store->TrackLevel.at(63, 16'300) = 9;
    ResetTracks(*store, "hdr");

    EXPECT_EQ(store->TrackSeq.at(63, 16'300), kEmptySeq);
    EXPECT_EQ(store->TrackScene.at(0, 0), kEmptyScene);
    EXPECT_EQ(store->TrackLevel.at(63, 16'300), 0);
    EXPECT_EQ(store->TrackOffset[10], 128);
    EXPECT_EQ(store->TrackSweep[10], 128);
    const std::pair<TrackParam, int> params[] = {
        {TrackParam::TrackTab, 1},   {TrackParam::TrackPosRecs, 0}, {TrackParam::TrackNombA, 1},
        {TrackParam::TrackNombB, 2}, {TrackParam::TrackNombC, 3},   {TrackParam::KitGroup, 0},
        {TrackParam::FftBpm, 1},     {TrackParam::FftGain, 10},     {TrackParam::EffectNo, 0}};
    for (const auto& [field, value] : params) EXPECT_EQ(store->Params.get(field), value);
    // The song volume and the bytes of older versions stay; the block's tail is cleared.
    EXPECT_EQ(store->Params.bytes[12], 0xEE);
    EXPECT_EQ(store->Params.bytes[0], 0xEE);
    EXPECT_EQ(store->Params.bytes[195], 0xEE);
    EXPECT_EQ(store->Params.bytes[196], 0);
    EXPECT_EQ(store->TrackNames[3][0], 'a');
    EXPECT_EQ(store->TrackAdvance[3], 7);
    EXPECT_EQ(store->TrackSpare1.at(0, 0), 3);
}

TEST(TrackStore, HeaderIsSpacePaddedAndKeepsAtMost255Characters) {
    auto store = std::make_unique<TrackStore>();
    SetTrackHeader(*store, "abc");
    EXPECT_EQ(std::string(store->Header.begin(), store->Header.begin() + 4), "abc ");
    EXPECT_EQ(store->Header[255], ' ');
    SetTrackHeader(*store, std::string(300, 'x'));
    EXPECT_EQ(store->Header[254], 'x');
    EXPECT_EQ(store->Header[255], ' ');
}

TEST(TrackStore, NamesReadBackWithControlBytesAsSpacesAndTrackClamped) {
    auto store = std::make_unique<TrackStore>();
    store->TrackNames[63] = {'J', 'e', 't', 0, 10, 'x'};
    EXPECT_EQ(TrackName(*store, 70), "Jet  x          ");
    EXPECT_EQ(store->TrackNames[63][3], ' ');
}

TEST(TrackStore, EventsAreAnythingButTheEmptyRecord) {
    auto store = std::make_unique<TrackStore>();
    ResetTracks(*store, "");
    EXPECT_FALSE(TrackHasEvents(*store, 5));
    store->TrackAux.at(5, 16'300) = 1;
    EXPECT_TRUE(TrackHasEvents(*store, 5));
}

}  // namespace
}  // namespace wl
