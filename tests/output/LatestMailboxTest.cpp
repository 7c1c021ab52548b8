#include "output/LatestMailbox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <thread>

namespace wl {
namespace {

TEST(LatestMailboxTest, ReaderGetsTheNewestValueOnce) {
    LatestMailbox<int> box;
    EXPECT_FALSE(box.take());

    box.back() = 1;
    box.publish();
    box.back() = 2;
    box.publish();
    ASSERT_TRUE(box.take());
    EXPECT_EQ(box.front(), 2);
    EXPECT_EQ(box.dropped(), 1u);

    EXPECT_FALSE(box.take());
    EXPECT_EQ(box.front(), 2);

    box.back() = 3;
    box.publish();
    ASSERT_TRUE(box.take());
    EXPECT_EQ(box.front(), 3);
}

// The writer fills whole slots with one number while the reader checks every value it takes:
// a slot shared by both at once would show a mix of numbers or a number going backwards.
TEST(LatestMailboxTest, ValuesCrossThreadsWhole) {
    using Block = std::array<std::uint32_t, 512>;
    constexpr std::uint32_t kLast = 20000;
    LatestMailbox<Block> box;

    std::thread writer([&box] {
        for (std::uint32_t n = 1; n <= kLast; ++n) {
            box.back().fill(n);
            box.publish();
        }
    });
    std::uint32_t seen = 0;
    std::uint32_t taken = 0;
    bool whole = true;
    while (seen != kLast) {
        if (!box.take()) continue;
        const Block& block = box.front();
        whole = whole && std::all_of(block.begin(), block.end(),
                                     [&block](std::uint32_t v) { return v == block[0]; });
        ASSERT_GT(block[0], seen);
        seen = block[0];
        ++taken;
    }
    writer.join();
    EXPECT_TRUE(whole);
    EXPECT_EQ(taken + box.dropped(), kLast);
}

}  // namespace
}  // namespace wl
