#include "sequencer/SequenceTimers.h"

namespace wl {

void SequenceTimers::create(Scheduler& scheduler, const std::function<void(int seq)>& onTick) {
    if (created()) return;
    scheduler_ = &scheduler;
    for (int seq = 0; seq < kSequenceCount; ++seq) {
        ids_[seq] =
            scheduler.addTask("SeqTimer", kCreationIntervalMs, [onTick, seq] { onTick(seq); });
        scheduler.start(ids_[seq]);
    }
}

void SequenceTimers::initTimer(int seq, int intervalMs) {
    if (!created()) return;
    const Scheduler::TaskId id = ids_[seq];
    const bool enabled = scheduler_->isRunning(id);
    scheduler_->stop(id);
    scheduler_->setInterval(id, intervalMs);
    scheduler_->setRunning(id, enabled);
}

void SequenceTimers::keepInterval(int seq, int intervalMs) {
    if (!created() || scheduler_->interval(ids_[seq]) == intervalMs) return;
    scheduler_->setInterval(ids_[seq], intervalMs);
}

int SequenceTimers::interval(int seq) const {
    return created() ? static_cast<int>(scheduler_->interval(ids_[seq])) : 0;
}

}  // namespace wl
