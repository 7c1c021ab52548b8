#include "output/LinkIndex.h"

#include <gtest/gtest.h>

#include <vector>

#include "OutputFixture.h"

namespace wl {
namespace {

class LinkIndexTest : public ::testing::Test {
  protected:
    std::vector<int> linked(int seq) const {
        std::vector<int> channels;
        forEachIndexedLink((*t.LinkMask)[seq], index.blocks(seq), kChannelCount,
                           [&channels](int i) { channels.push_back(i + 1); });
        return channels;
    }

    test::OutputTables t;
    LinkIndex index;
};

TEST_F(LinkIndexTest, NamesTheBlocksThatHoldLinks) {
    t.link(3, 1);
    t.link(3, 64);
    t.link(3, 65);
    t.link(3, kChannelCount);
    index.update(t.links());  // the first update reads every row
    EXPECT_EQ(index.blocks(3), (std::uint64_t{1} << 63) | 0b11);
    EXPECT_EQ(linked(3), (std::vector<int>{1, 64, 65, kChannelCount}));
    EXPECT_EQ(index.blocks(4), 0U);
}

TEST_F(LinkIndexTest, ARemovedLinkIsGoneAtOnce) {
    t.link(0, 10);
    t.link(0, 11);
    index.update(t.links());
    (*t.LinkMask)[0][9] = 0;
    EXPECT_EQ(linked(0), std::vector<int>{11});
}

TEST_F(LinkIndexTest, ASequenceThatStartsOrStopsIsReadAgainAtOnce) {
    index.update(t.links());
    t.link(200, 700);
    t.SeqJob[200] = 2;
    index.update(t.links());
    EXPECT_EQ(linked(200), std::vector<int>{700});
    t.link(200, 900);
    t.SeqJob[200] = 0;
    index.update(t.links());
    EXPECT_EQ(linked(200), (std::vector<int>{700, 900}));
}

TEST_F(LinkIndexTest, ACountedLinkEditArrivesAtTheNextUpdate) {
    t.SeqJob.fill(2);
    index.update(t.links());
    t.link(5, 3000);
    t.link(250, 4096);
    ++t.LinkEdits;
    index.update(t.links());
    EXPECT_EQ(linked(5), std::vector<int>{3000});
    EXPECT_EQ(linked(250), std::vector<int>{4096});
}

// A writer that does not count its edit is still caught by the rows read in turn.
TEST_F(LinkIndexTest, ANewLinkOfARunningSequenceArrivesWithinSixteenUpdates) {
    t.SeqJob.fill(2);
    index.update(t.links());
    for (int seq = 0; seq < 256; ++seq) t.link(seq, 3000);
    for (int i = 0; i < 16; ++i) index.update(t.links());
    for (int seq = 0; seq < 256; ++seq) EXPECT_EQ(linked(seq), std::vector<int>{3000}) << seq;
}

}  // namespace
}  // namespace wl
