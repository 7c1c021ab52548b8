#include "sequencer/Clearing.h"

#include <algorithm>

#include "sequencer/Playback.h"
#include "sequencer/SceneDrawing.h"
#include "sequencer/SequenceTimers.h"
#include "sequencer/SequencerWindowState.h"
#include "sequencer/Tempo.h"
#include "sequencer/Undo.h"

namespace wl {

namespace {

constexpr std::uint16_t kClearedSequenceTime = 100;

void clearLevels(SequencerContext& ctx) {
    const auto levels = ctx.store.SceneStore.writableSequence(editedSeq(ctx));
    std::fill(levels.begin(), levels.end(), 0);
}

}  // namespace

void ClearCurrentPattern(SequencerContext& ctx) {
    SaveToUndo(ctx);
    SequencerStore& store = ctx.store;
    const int seq = editedSeq(ctx);
    const SceneRange pattern = toolPattern(store);
    const auto [first, last] = LinkedRange(store, seq);
    if (pattern.last <= pattern.first || last == first) return;
    const auto tempo = static_cast<std::uint16_t>(ctx.window.ScrollBarSeqSpeed);
    for (int scene = pattern.first; scene <= pattern.last; ++scene) {
        const auto levels = store.SceneStore.writableScene(seq, scene);
        std::fill(levels.begin() + first, levels.begin() + last + 1, 0);
        store.SceneCtrl[seq][scene] = tempo;
    }
    ctx.timers.initTimer(seq, tempo);
    ctx.window.tools.creator.coutOfAcselEnabled = true;
    refreshEditedSequence(ctx);
}

std::string clearSequenserQuestion(const SequencerContext& ctx) {
    return "Clear sequenser " + std::to_string(editedSeq(ctx) + 1);
}

void ClearCurrentSequenser(SequencerContext& ctx) {
    SaveToUndo(ctx);
    const int seq = editedSeq(ctx);
    clearLevels(ctx);
    ctx.store.SceneCtrl[seq].fill(kClearedSequenceTime);
    setCurScene(ctx.store, seq, 0);
    ctx.window.ScrollBarScenaRun = 0;
    setSeqJob(ctx, seq, kJobOff);
    SetFulltimersMode(ctx);
}

void ClearAllSequensers(SequencerContext& ctx) {
    SaveToUndo(ctx);
    ResetSequencerStore(ctx.store, /*programStart=*/false);
    refreshEditedSequence(ctx);
}

void EraseCurrentScene(SequencerContext& ctx) {
    ctx.window.CheckBoxEnableTempo = false;
    SaveToUndo(ctx);
    const auto levels =
        ctx.store.SceneStore.writableScene(editedSeq(ctx), ctx.window.ScrollBarScenaRun);
    std::fill(levels.begin(), levels.end(), 0);
    refreshEditedSequence(ctx);
}

std::string eraseSequenserQuestion(const SequencerContext& ctx) {
    return "Стереть секвенсер " + std::to_string(editedSeq(ctx) + 1);
}

void EraseSequenserLevels(SequencerContext& ctx) {
    ctx.window.CheckBoxEnableTempo = false;
    SaveToUndo(ctx);
    clearLevels(ctx);
    refreshEditedSequence(ctx);
}

}  // namespace wl
