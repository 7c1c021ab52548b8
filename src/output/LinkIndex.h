#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "output/SequencerLinks.h"

namespace wl {

// Where in each sequence's link row the links lie: one bit per block of 64 channels that holds
// at least one. The output cycle reads only those blocks of a row, so a show of 256 sequences
// costs a few thousand reads a cycle instead of a million.
//
// The index is read again in full whenever the count of link edits moves (every operation that
// changes links raises it), and a row whenever its sequence starts or stops. As a safety net for
// a writer that does not count its edit, every row is also read in turn, 16 a cycle: such a link
// would still arrive within 16 cycles (160 ms). A removed link takes effect at once anyway (the
// blocks are read as they stand).
//
// Thread: the engine. Never allocates.
class LinkIndex {
  public:
    static constexpr int kBlockChannels = 64;
    static constexpr int kRowsPerUpdate = 16;

    // Re-reads every row.
    void rebuild(const SequencerLinks& links);
    // Once per cycle: rows whose sequence started or stopped since the last update, then the
    // next rows in turn. The first update rebuilds the whole index.
    void update(const SequencerLinks& links);

    // Bit b set: channels 64b + 1 .. 64b + 64 may hold links of sequence `seq`.
    std::uint64_t blocks(int seq) const { return blocks_[seq]; }

  private:
    void readRow(const SequencerLinks& links, int seq);

    static constexpr int kRows = 256;
    std::array<std::uint64_t, kRows> blocks_{};
    std::array<bool, kRows> running_{};
    int nextRow_ = 0;
    bool built_ = false;
    std::uint32_t seenEdits_ = 0;
};

// Calls `visit(i)` for every nonzero entry i < count of `row` within the blocks of `blocks`
// (index i is channel i + 1).
template <typename Visit>
void forEachIndexedLink(const LinkRow& row, std::uint64_t blocks, int count, Visit visit) {
    while (blocks != 0) {
        const int first = std::countr_zero(blocks) * LinkIndex::kBlockChannels;
        blocks &= blocks - 1;
        const int end = std::min(first + LinkIndex::kBlockChannels, count);
        for (int word = first; word < end; word += 8) {
            std::uint64_t links;
            std::memcpy(&links, row.data() + word, sizeof links);
            if (links == 0) continue;
            for (int i = word; i < word + 8; ++i) {
                if (row[i] != 0) visit(i);
            }
        }
    }
}

}  // namespace wl
