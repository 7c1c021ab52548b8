#include "sequencer/Tempo.h"

#include <algorithm>

#include "sequencer/ControlWords.h"
#include "sequencer/Playback.h"
#include "sequencer/SequenceTimers.h"
#include "sequencer/SequencerStore.h"

namespace wl {

namespace {

void recomputePatternRange(SequencerContext& ctx) {
    SequencerStore& store = ctx.store;
    SceneRange range;
    switch (ctx.window.tempoScope) {
        case TempoScope::All:
            break;
        case TempoScope::Pattern:
            range = PatternAround(store, editedSeq(ctx), store.CurScene[editedSeq(ctx)]);
            break;
        case TempoScope::Scene:
            range.first = range.last = ctx.window.ScrollBarScenaRun;
            break;
    }
    store.PatternFirst = static_cast<std::uint16_t>(range.first);
    store.PatternLast = static_cast<std::uint16_t>(range.last);
}

// "Rec": the slider value becomes the time of the scenes in scope; the whole-sequence scope
// keeps the commands.
void recordTempo(SequencerContext& ctx) {
    auto& words = ctx.store.SceneCtrl[editedSeq(ctx)];
    const auto tempo = static_cast<std::uint16_t>(ctx.window.ScrollBarSeqSpeed);
    if (ctx.window.tempoScope == TempoScope::All) {
        for (auto& word : words) {
            if (isTimeWord(word)) word = tempo;
        }
        return;
    }
    std::fill(words.begin() + ctx.store.PatternFirst, words.begin() + ctx.store.PatternLast + 1,
              tempo);
}

void setTempoSlider(SequencerWindowState& window, int tempoMs) {
    window.ScrollBarSeqSpeed =
        std::clamp(tempoMs, SequencerWindowState::kMinTempo, SequencerWindowState::kMaxTempo);
}

void recordAndApply(SequencerContext& ctx) {
    ctx.window.CheckBoxEnableTempo = true;
    SetFulltimersMode(ctx);
}

}  // namespace

void refreshEditedSequence(SequencerContext& ctx) {
    SequencerWindowState& window = ctx.window;
    const int seq = editedSeq(ctx);
    window.rgSeqJob = ctx.store.SeqJob[seq];
    window.patternCaption = PatternCaption(ctx.store, seq);
    window.lblScena = "Scena " + std::to_string(window.ScrollBarScenaRun + 1);
    window.LabelTempo =
        RePaintTemp(ctx.store.SceneCtrl[seq][window.ScrollBarScenaRun], window.decimalSeparator);
    window.notify();
}

void SetFulltimersMode(SequencerContext& ctx) {
    recomputePatternRange(ctx);
    if (ctx.window.CheckBoxEnableTempo) recordTempo(ctx);
    ctx.timers.initTimer(editedSeq(ctx), ctx.window.ScrollBarSeqSpeed);
    refreshEditedSequence(ctx);
}

void showSelectedSceneTime(SequencerContext& ctx) {
    SequencerWindowState& window = ctx.window;
    const std::uint16_t word = ctx.store.SceneCtrl[editedSeq(ctx)][window.ScrollBarScenaRun];
    setTempoSlider(window, word);
    window.LabelTempo = RePaintTemp(word, window.decimalSeparator);
}

void chooseTempoScope(SequencerContext& ctx, TempoScope scope) {
    SaveToUndo(ctx);
    ctx.window.tempoScope = scope;
    if (scope == TempoScope::All) {
        recordAndApply(ctx);
        return;
    }
    ctx.window.CheckBoxEnableTempo = false;
    recomputePatternRange(ctx);
    refreshEditedSequence(ctx);
}

void ScrollBarSeqSpeedChange(SequencerContext& ctx, int tempoMs) {
    setTempoSlider(ctx.window, tempoMs);
    recordAndApply(ctx);
}

void tempo100Click(SequencerContext& ctx) {
    ScrollBarSeqSpeedChange(ctx, 100);
}

void CheckBoxEnableTempoClick(SequencerContext& ctx, bool on) {
    ctx.window.CheckBoxEnableTempo = on;
    if (on) SetFulltimersMode(ctx);
}

void ScrollBarScenaRunChange(SequencerContext& ctx, int scene) {
    SequencerWindowState& window = ctx.window;
    const int seq = editedSeq(ctx);
    window.ScrollBarScenaRun = std::clamp(scene, 0, kPlayableScenes - 1);
    if (window.carryFromMainScene) window.ScrollBarAreaScrScena = window.ScrollBarScenaRun;
    showSelectedSceneTime(ctx);
    if (ctx.store.SeqJob[seq] == kJobStop) {
        outputLinkedLevels(ctx, seq, window.ScrollBarScenaRun);
    } else if (ctx.store.SeqJob[seq] == kJobPlay) {
        setCurScene(ctx.store, seq, window.ScrollBarScenaRun);
    }
    ctx.timers.initTimer(seq, window.ScrollBarSeqSpeed);
    refreshEditedSequence(ctx);
}

void SetFirstScenaClick(SequencerContext& ctx) {
    ctx.window.ScrollBarScenaRun = 0;
    showSelectedSceneTime(ctx);
    refreshEditedSequence(ctx);
}

void outputSceneUnderMouse(SequencerContext& ctx, int scene, bool channelArea) {
    const int seq = editedSeq(ctx);
    if (ctx.store.SeqJob[seq] != kJobStop) return;
    scene = std::clamp(scene, 0, kSceneCount - 1);
    if (channelArea) publishInfluence(ctx, seq, scene);
    outputLinkedLevels(ctx, seq, scene);
}

}  // namespace wl
