#include "sequencer/LinkGroups.h"

#include <algorithm>

#include "output/ChannelSpace.h"
#include "platform/Operator.h"
#include "sequencer/ControlWords.h"
#include "sequencer/SequencerStore.h"
#include "sequencer/SequencerWindowState.h"
#include "storage/SettingsRecord.h"

namespace wl {

namespace {

constexpr int kLastStart = kSceneChannels - 1;
constexpr int kMinLength = 3;
constexpr int kMaxLength = 256;
constexpr int kUniverseRowsBefore = 10;

struct ChannelInterval {
    int from;
    int to;
};

// The channel indices a group command works on.
ChannelInterval groupInterval(const LinkPageState& link) {
    return {
        std::clamp(link.ScrollBarBeginChK - 1, 0, kSceneChannels - 1),
        std::clamp(link.ScrollBarBeginChK + link.ScrollBarLengDmxChK - 2, 1, kSceneChannels - 1)};
}

int columnSeq(const LinkPageState& link, int column) {
    return link.ScrollBarFixPos + column;
}

// The sequences of the selected columns that exist.
template <typename Action>
void forEachSelectedSeq(const LinkPageState& link, Action action) {
    for (int column = 0; column < LinkPageState::kColumns; ++column) {
        const int seq = columnSeq(link, column);
        if (link.columnSelected[column] && seq < kSequenceCount) action(seq);
    }
}

int firstSelectedSeq(const LinkPageState& link) {
    for (int column = 0; column < LinkPageState::kColumns; ++column) {
        const int seq = columnSeq(link, column);
        if (link.columnSelected[column] && seq < kSequenceCount) return seq;
    }
    return -1;
}

void finishGroupCommand(SequencerContext& ctx) {
    ctx.window.link.columnSelected.fill(false);
    ctx.window.notify();
}

void linkGroupRange(SequencerContext& ctx, std::uint8_t linked) {
    SaveToUndo(ctx);
    const ChannelInterval range = groupInterval(ctx.window.link);
    forEachSelectedSeq(ctx.window.link, [&](int seq) {
        auto& links = ctx.store.LinkMask[seq];
        std::fill(links.begin() + range.from, links.begin() + range.to + 1, linked);
    });
    ++ctx.store.LinkEdits;
    finishGroupCommand(ctx);
}

bool inGrid(const LinkPageState& link, int row, int column) {
    return row >= 0 && row < LinkPageState::kRows && column >= 0 &&
           column < LinkPageState::kColumns && link.ScrollBarGroupPos + row < kSceneChannels &&
           columnSeq(link, column) < kSequenceCount;
}

}  // namespace

void onCheckGroup(SequencerContext& ctx, int row, int column, bool checked) {
    LinkPageState& link = ctx.window.link;
    if (!inGrid(link, row, column)) return;
    SaveToUndo(ctx);
    ctx.store.LinkMask[columnSeq(link, column)][link.ScrollBarGroupPos + row] = checked ? 1 : 0;
    ++ctx.store.LinkEdits;
    ctx.window.notify();
}

void MouseDownCheckBoxGroup(SequencerContext& ctx, int row, int column) {
    LinkPageState& link = ctx.window.link;
    if (!inGrid(link, row, column)) return;
    link.ScrollBarBeginChK = std::clamp(link.ScrollBarGroupPos + row + 1, 1, kLastStart);
    link.columnSelected[column] = true;
    ctx.window.notify();
}

void setSelectedColumns(SequencerContext& ctx) {
    linkGroupRange(ctx, 1);
}

void offSelectedColumns(SequencerContext& ctx) {
    linkGroupRange(ctx, 0);
}

void offAllOfSelectedColumns(SequencerContext& ctx) {
    SaveToUndo(ctx);
    forEachSelectedSeq(ctx.window.link, [&](int seq) { ctx.store.LinkMask[seq].fill(0); });
    ++ctx.store.LinkEdits;
    finishGroupCommand(ctx);
}

void offAllColumns(SequencerContext& ctx, bool groupChangeConfirmed) {
    SaveToUndo(ctx);
    if (groupChangeConfirmed) {
        for (auto& links : ctx.store.LinkMask) links.fill(0);
        ++ctx.store.LinkEdits;
    }
    finishGroupCommand(ctx);
}

void copyLinkColumn(SequencerContext& ctx) {
    LinkPageState& link = ctx.window.link;
    const int seq = firstSelectedSeq(link);
    if (seq >= 0) {
        link.LinkClip = ctx.store.LinkMask[seq];
        link.pasteLinkEnabled = true;
    }
    finishGroupCommand(ctx);
}

void pasteLinkColumn(SequencerContext& ctx) {
    LinkPageState& link = ctx.window.link;
    const int seq = firstSelectedSeq(link);
    if (seq >= 0 && link.pasteLinkEnabled) {
        ctx.store.LinkMask[seq] = link.LinkClip;
        ++ctx.store.LinkEdits;
        link.pasteLinkEnabled = false;
    }
    finishGroupCommand(ctx);
}

void selectAllColumns(SequencerContext& ctx, bool selected) {
    ctx.window.link.columnSelected.fill(selected);
    ctx.window.notify();
}

void ScrollBarBeginChKChange(SequencerContext& ctx, int start) {
    ctx.window.link.ScrollBarBeginChK = std::clamp(start, 1, kLastStart);
    ctx.window.notify();
}

void ScrollBarLengDmxChKChange(SequencerContext& ctx, int length) {
    ctx.window.link.ScrollBarLengDmxChK = std::clamp(length, kMinLength, kMaxLength);
    ctx.window.notify();
}

void newGroupClick(SequencerContext& ctx) {
    LinkPageState& link = ctx.window.link;
    const int length = link.ScrollBarLengDmxChK;
    int start = std::min(link.ScrollBarBeginChK + length, kLastStart);
    if (start + length >= kLastStart) start -= length;
    link.ScrollBarBeginChK = std::clamp(start, 1, kLastStart);
    ctx.window.notify();
}

void universeClick(SequencerContext& ctx, int universe) {
    LinkPageState& link = ctx.window.link;
    const int first = kUniverseSize * std::clamp(universe, 0, kUniverseCount - 1);
    link.ScrollBarGroupPos = std::max(first - kUniverseRowsBefore, 0);
    ctx.settings.SettingsRec[kLinkFirstRowSetting] = link.ScrollBarGroupPos;
    if (link.posUnivLink) link.ScrollBarBeginChK = first + 1;
    ctx.window.notify();
}

LinkGroupTexts linkGroupTexts(const SequencerContext& ctx) {
    const LinkPageState& link = ctx.window.link;
    const int start = link.ScrollBarBeginChK;
    const int length = link.ScrollBarLengDmxChK;
    return {"Set from " + ChannelLabel(start) + " to " + ChannelLabel(start + length - 1),
            "New " + ChannelLabel(start + length), "Leng Fixs " + std::to_string(length)};
}

std::string linkCellHint(SequencerContext& ctx, int seq, int ch) {
    return "Seq " + std::to_string(seq + 1) + "\n\r" + SeqName(ctx.store, seq) + "\n\r" + "DMX " +
           ChannelLabel(ch + 1) + "\n\r" + ChannelName(ctx.store, ch);
}

bool hasLinkedChannel(const SequencerStore& store, int seq) {
    const auto& links = store.LinkMask[seq];
    return std::any_of(links.begin() + 1, links.end(), [](std::uint8_t link) { return link != 0; });
}

}  // namespace wl
