#pragma once

#include <array>
#include <functional>

#include "platform/Scheduler.h"
#include "sequencer/SceneLevels.h"

namespace wl {

// The 256 `SeqTimer`s: one periodic scheduler task per sequence, carrying the sequence index.
// They exist from the sequencer window's creation on, start at 300 ms and enabled, and are never
// disabled by playback; only their intervals change. Before `create` every call is a no-op.
//
// Thread: the engine. Allocates in `create` only.
class SequenceTimers {
  public:
    static constexpr int kCreationIntervalMs = 300;

    // Registers and starts the 256 tasks; `onTick` gets the sequence index. A second call does
    // nothing.
    void create(Scheduler& scheduler, const std::function<void(int seq)>& onTick);
    bool created() const { return scheduler_ != nullptr; }

    // `initTimer`: sets the interval as a disabled-then-re-enabled timer does, so an enabled
    // timer waits the full new interval from now even when the interval is unchanged; a disabled
    // timer only takes the value.
    void initTimer(int seq, int intervalMs);

    // The interval a scene asks for while its sequence ticks: the wait restarts only when the
    // interval really changes, so a sequence whose scenes share one time keeps its own rhythm.
    void keepInterval(int seq, int intervalMs);

    // The current interval; 0 before `create`.
    int interval(int seq) const;
    Scheduler::TaskId taskId(int seq) const { return ids_[seq]; }

  private:
    Scheduler* scheduler_ = nullptr;
    std::array<Scheduler::TaskId, kSequenceCount> ids_{};
};

}  // namespace wl
