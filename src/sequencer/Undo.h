#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/Scheduler.h"
#include "sequencer/SceneLevels.h"

namespace wl {

struct SequencerContext;

// One level of undo over a burst of edits (`UndoSnapshot`, `UndoArmed`, `TimerUndo` and the
// "Undo" button). The first edit of a burst takes the snapshot; edits less than a second apart
// share it; undo puts back the scene levels, links, control words and run modes as they were
// before the burst.
//
// The snapshot copies only what the burst changes: the scene levels set aside sequence by
// sequence by the store's writers (SceneLevels), plus the links, control words and run modes,
// which are small enough to copy whole when the burst begins.
//
// Thread: the engine. Allocates the copy of the small tables at construction and
// the burst timer at `createTimer`; taking, extending and restoring a snapshot never allocate.
class SequencerUndo {
  public:
    static constexpr int kBurstMs = 1000;

    SequencerUndo();

    // Registers `TimerUndo` (one-shot, 1000 ms): its tick ends the burst. Until then a burst
    // only ends when a file is opened or the edits are undone. A second call does nothing.
    void createTimer(Scheduler& scheduler);

    bool UndoArmed() const { return armed_; }
    // The "Undo" button: enabled from the first edit after a snapshot until undo.
    bool undoEnabled() const { return enabled_; }
    // How many times an edit asked for the snapshot (`SaveToUndo`), bursts or not.
    std::uint64_t snapshotRequests() const { return requests_; }

  private:
    friend void SaveToUndo(SequencerContext& ctx);
    friend void ReastoereFromUndo(SequencerContext& ctx);
    friend void endUndoBurst(SequencerContext& ctx);

    struct SmallTables {
        std::array<std::array<std::uint8_t, kSceneChannels>, kSequenceCount> LinkMask;
        std::array<std::array<std::uint16_t, kSceneCount>, kSequenceCount> SceneCtrl;
        std::array<std::uint8_t, kSequenceCount> SeqJob;
    };

    void stopTimer();

    std::unique_ptr<SmallTables> tables_;
    Scheduler* scheduler_ = nullptr;
    Scheduler::TaskId timer_ = 0;
    bool armed_ = false;
    bool enabled_ = false;
    std::uint64_t requests_ = 0;
};

// `SaveToUndo`, called by every editing command before it changes anything: restarts the burst
// timer; the first call of a burst takes the snapshot and enables "Undo".
void SaveToUndo(SequencerContext& ctx);

// `ReastoereFromUndo` (the "Undo" button): the tables go back to the snapshot, the burst ends,
// "Undo" is disabled and the window redraws. Nothing happens while "Undo" is disabled.
void ReastoereFromUndo(SequencerContext& ctx);

// Opening a file ends the burst, forgets the snapshot and disables "Undo": undo never mixes two
// projects.
void endUndoBurst(SequencerContext& ctx);

}  // namespace wl
