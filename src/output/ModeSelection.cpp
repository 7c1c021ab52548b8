#include "output/ModeSelection.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace wl {

namespace {

// Levels at or below this in the light frame blank a sequencer channel.
constexpr std::uint8_t kLightGate = 10;

// The OR of 64 channels of a link row into the marks, a word at a time.
void orBlock(std::uint8_t* marks, const std::uint8_t* row, int first) {
    for (int offset = first; offset < first + LinkIndex::kBlockChannels; offset += 8) {
        std::uint64_t mark;
        std::uint64_t link;
        std::memcpy(&mark, marks + offset, sizeof mark);
        std::memcpy(&link, row + offset, sizeof link);
        mark |= link;
        std::memcpy(marks + offset, &mark, sizeof mark);
    }
}

void selectStop(ChannelSpace& s, const DrivenChannels& driven) {
    for (int n = 1; n <= s.ChannelCount; ++n) {
        if (s.ChannelTestCheck[n] != 0) {
            s.FirstFrame[n] = s.ChannelTestLevel[n];
        } else if (driven[n - 1] != 0) {
            s.FirstFrame[n] = s.SeqFrame[n];
        }
    }
}

void selectSequencer(ChannelSpace& s, const DrivenChannels& driven) {
    for (int n = 1; n <= s.ChannelCount; ++n) {
        const std::uint8_t gated = s.LightFrame[n] > kLightGate ? s.SeqFrame[n] : 0;
        s.FirstFrame[n] = driven[n - 1] != 0 ? gated : s.FirstFrame[n];
    }
}

}  // namespace

void markDrivenChannels(DrivenChannels& driven, const SequencerLinks& links, const LinkIndex& index,
                        int lastSequence, int channelCount) {
    driven.fill(0);
    const int blocks = std::clamp(channelCount, 0, kChannelCount) / LinkIndex::kBlockChannels;
    const std::uint64_t configured =
        blocks >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << blocks) - 1;
    const auto sequences = static_cast<int>(std::min(links.SeqJob.size(), links.LinkMask.size()));
    const int last = std::min(lastSequence, sequences - 1);
    for (int seq = 0; seq <= last; ++seq) {
        if (links.SeqJob[seq] == 0) continue;
        const LinkRow& row = links.LinkMask[seq];
        for (std::uint64_t rest = index.blocks(seq) & configured; rest != 0; rest &= rest - 1) {
            orBlock(driven.data(), row.data(), std::countr_zero(rest) * LinkIndex::kBlockChannels);
        }
    }
}

void CarryModeFontanToFirst(ChannelSpace& s, std::uint8_t mode, const DrivenChannels& driven) {
    const auto first = s.FirstFrame.begin() + 1;
    const auto end = first + s.ChannelCount;
    switch (mode) {
        case kModeOff:
            std::fill(first, end, std::uint8_t{0});
            return;
        case kModeStop:
            selectStop(s, driven);
            return;
        case kModePause:
        case kModeDinam:
        case kModeDance:
            selectSequencer(s, driven);
            return;
        case kModeFile:
            return;
        default:  // STATIC and the macros take the manual levels; unknown modes hold the frame
            if (mode <= kLastMacroMode) {
                std::copy_n(s.ChannelTestLevel.begin() + 1, s.ChannelCount, first);
            }
            return;
    }
}

}  // namespace wl
