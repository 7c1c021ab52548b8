#include "output/LinkIndex.h"

#include <cstring>

namespace wl {

namespace {

constexpr int kBlocks = kChannelCount / LinkIndex::kBlockChannels;
static_assert(kBlocks == 64, "one bit per block in a 64-bit word");

bool blockHoldsLinks(const std::uint8_t* block) {
    std::uint64_t any = 0;
    for (int offset = 0; offset < LinkIndex::kBlockChannels; offset += 8) {
        std::uint64_t word;
        std::memcpy(&word, block + offset, sizeof word);
        any |= word;
    }
    return any != 0;
}

int rowCount(const SequencerLinks& links) {
    return static_cast<int>(
        std::min({links.SeqJob.size(), links.LinkMask.size(), std::size_t{256}}));
}

}  // namespace

void LinkIndex::readRow(const SequencerLinks& links, int seq) {
    const std::uint8_t* row = links.LinkMask[seq].data();
    std::uint64_t blocks = 0;
    for (int b = 0; b < kBlocks; ++b) {
        if (blockHoldsLinks(row + b * kBlockChannels)) blocks |= std::uint64_t{1} << b;
    }
    blocks_[seq] = blocks;
    running_[seq] = links.SeqJob[seq] != 0;
}

void LinkIndex::rebuild(const SequencerLinks& links) {
    const int rows = rowCount(links);
    for (int seq = 0; seq < rows; ++seq) readRow(links, seq);
    built_ = true;
    seenEdits_ = links.LinkEdits;
}

void LinkIndex::update(const SequencerLinks& links) {
    if (!built_ || links.LinkEdits != seenEdits_) return rebuild(links);
    const int rows = rowCount(links);
    if (rows == 0) return;
    for (int seq = 0; seq < rows; ++seq) {
        if (running_[seq] != (links.SeqJob[seq] != 0)) readRow(links, seq);
    }
    for (int i = 0; i < kRowsPerUpdate; ++i) {
        nextRow_ = (nextRow_ + 1) % rows;
        readRow(links, nextRow_);
    }
}

}  // namespace wl
