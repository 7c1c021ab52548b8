#include "sequencer/Undo.h"

#include "sequencer/SequencerContext.h"
#include "sequencer/SequencerStore.h"
#include "sequencer/SequencerWindowState.h"
#include "sequencer/Tempo.h"

namespace wl {

SequencerUndo::SequencerUndo() : tables_(std::make_unique<SmallTables>()) {}

void SequencerUndo::createTimer(Scheduler& scheduler) {
    if (scheduler_ != nullptr) return;
    scheduler_ = &scheduler;
    timer_ = scheduler.addTask(
        "TimerUndo", kBurstMs, [this] { armed_ = false; }, /*periodic=*/false);
}

void SequencerUndo::stopTimer() {
    if (scheduler_ != nullptr) scheduler_->stop(timer_);
}

void SaveToUndo(SequencerContext& ctx) {
    SequencerUndo& undo = ctx.window.undo;
    ++undo.requests_;
    if (undo.scheduler_ != nullptr) undo.scheduler_->start(undo.timer_);
    if (undo.armed_) return;
    undo.armed_ = true;
    SequencerStore& store = ctx.store;
    store.SceneStore.holdSnapshot();
    undo.tables_->LinkMask = store.LinkMask;
    undo.tables_->SceneCtrl = store.SceneCtrl;
    undo.tables_->SeqJob = store.SeqJob;
    undo.enabled_ = true;
}

void ReastoereFromUndo(SequencerContext& ctx) {
    SequencerUndo& undo = ctx.window.undo;
    if (!undo.enabled_) return;
    SequencerStore& store = ctx.store;
    store.SceneStore.restoreSnapshot();
    store.LinkMask = undo.tables_->LinkMask;
    ++store.LinkEdits;
    store.SceneCtrl = undo.tables_->SceneCtrl;
    store.SeqJob = undo.tables_->SeqJob;
    undo.armed_ = false;
    undo.enabled_ = false;
    undo.stopTimer();
    refreshEditedSequence(ctx);
}

void endUndoBurst(SequencerContext& ctx) {
    SequencerUndo& undo = ctx.window.undo;
    ctx.store.SceneStore.dropSnapshot();
    undo.armed_ = false;
    undo.enabled_ = false;
    undo.stopTimer();
    ctx.window.notify();
}

}  // namespace wl
