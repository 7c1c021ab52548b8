#include "sequencer/SequenceSelection.h"

#include <algorithm>

#include "sequencer/ControlWords.h"
#include "sequencer/Influence.h"
#include "sequencer/Playback.h"
#include "sequencer/SequenceTimers.h"
#include "sequencer/SequencerStore.h"
#include "sequencer/SequencerWindowState.h"
#include "sequencer/Tempo.h"
#include "storage/SettingsRecord.h"

namespace wl {

namespace {

constexpr int kMaxDivider = 99;

int clampSeq(int seq) {
    return std::clamp(seq, 0, kSequenceCount - 1);
}

int quickSetting(int button) {
    return kFirstQuickSeqSetting + std::clamp(button, 0, kQuickButtons - 1);
}

void showSource(SequencerContext& ctx, int seq) {
    SequencerWindowState& window = ctx.window;
    // A file may hold a source the selector does not list; such a sequence runs as Tempo.
    if (ctx.store.SeqSource[seq] >= kSourceCount) ctx.store.SeqSource[seq] = kSourceTempo;
    window.rgInputSource = ctx.store.SeqSource[seq];
    window.seqSourceVisible =
        window.rgInputSource == kSourceParalell || window.rgInputSource == kSourceLabel;
    window.dividerVisible = window.rgInputSource == kSourceLabel;
}

void showSourceSeq(SequencerWindowState& window, int seq) {
    window.ScrollBarSeqSource = seq;
    window.seqSourceLabel = "From Seq " + paddedNumber(seq + 1, 2);
}

void showDivider(SequencerWindowState& window, int divider) {
    window.ScrollBarDivider = divider;
    window.dividerLabel = "Divide by " + paddedNumber(divider + 1, 2);
}

}  // namespace

void SequencerFormCreate(SequencerContext& ctx, Scheduler& scheduler) {
    ctx.timers.create(scheduler, [&ctx](int seq) { onSeqTimer(ctx, seq); });
    ctx.window.undo.createTimer(scheduler);
    for (auto& table : ctx.store.InfluenceTable) table.fill(255);
    selectSequence(ctx, ctx.settings.SettingsRec[kCurrentSeqSetting]);
}

void selectSequence(SequencerContext& ctx, int seq) {
    seq = clampSeq(seq);
    SequencerStore& store = ctx.store;
    SequencerWindowState& window = ctx.window;
    window.ScrollBarNombSeq = seq;
    ctx.settings.SettingsRec[kCurrentSeqSetting] = seq;
    showDivider(window, store.SeqDivider[seq]);
    showSourceSeq(window, store.SeqSourceSeq[seq]);
    showSource(ctx, seq);
    window.edtNameSeq = SeqName(store, seq);
    window.ScrollBarScenaRun = std::min<int>(store.CurScene[seq], kPlayableScenes - 1);
    showSelectedSceneTime(ctx);
    loadInfluenceControls(ctx);
    window.CheckBoxEnableTempo = false;
    CountTabInfluence(ctx, seq);
    ctx.timers.initTimer(seq, window.ScrollBarSeqSpeed);
    refreshEditedSequence(ctx);
}

void quickButtonSelect(SequencerContext& ctx, int button) {
    selectSequence(ctx, ctx.settings.SettingsRec[quickSetting(button)]);
}

void quickButtonRemember(SequencerContext& ctx, int button) {
    ctx.settings.SettingsRec[quickSetting(button)] = editedSeq(ctx);
    ctx.window.notify();
}

void setAllSeqJobs(SequencerContext& ctx, std::uint8_t job) {
    ctx.store.SeqJob.fill(job);
    refreshEditedSequence(ctx);
}

void rgSeqJobClick(SequencerContext& ctx, int item) {
    setSeqJob(ctx, editedSeq(ctx),
              static_cast<std::uint8_t>(std::clamp<int>(item, kJobOff, kJobPlay)));
}

void rgInputSourceClick(SequencerContext& ctx, int item) {
    ctx.store.SeqSource[editedSeq(ctx)] =
        static_cast<std::uint8_t>(std::clamp(item, 0, kSourceCount - 1));
    showSource(ctx, editedSeq(ctx));
    ctx.window.notify();
}

void ScrollBarSeqSourceChange(SequencerContext& ctx, int seq) {
    seq = clampSeq(seq);
    ctx.store.SeqSourceSeq[editedSeq(ctx)] = static_cast<std::uint8_t>(seq);
    showSourceSeq(ctx.window, seq);
    ctx.window.notify();
}

void ScrollBarDividerChange(SequencerContext& ctx, int divider) {
    divider = std::clamp(divider, 0, kMaxDivider);
    ctx.store.SeqDivider[editedSeq(ctx)] = static_cast<std::uint8_t>(divider);
    showDivider(ctx.window, divider);
    ctx.window.notify();
}

}  // namespace wl
