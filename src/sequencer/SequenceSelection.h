#pragma once

#include <cstdint>

#include "sequencer/SequencerContext.h"

namespace wl {

class Scheduler;

// Choosing the edited sequence and its run mode and clock source; the sequencer window's creation.
//
// Thread: the engine. Allocates (window texts; the timers at creation).

// The sequencer window's creation: the 256 `SeqTimer`s (300 ms, enabled), the undo burst timer,
// every influence value 255, and the sequence remembered in the settings selected.
void SequencerFormCreate(SequencerContext& ctx, Scheduler& scheduler);

// Makes `seq` the edited sequence: the controls take its values, "Rec" goes off, its influence
// table is computed and the remembered sequence's timer takes the tempo slider value.
void selectSequence(SequencerContext& ctx, int seq);

// Quick buttons "1".."7" (`button` 0..6): a left press selects the remembered sequence, a right
// press remembers the edited one.
void quickButtonSelect(SequencerContext& ctx, int button);
void quickButtonRemember(SequencerContext& ctx, int button);

// "All patterns OFF" (kJobOff) and "All  patterns STOP" (kJobStop).
void setAllSeqJobs(SequencerContext& ctx, std::uint8_t job);
// "Mode Seq": the edited sequence's run mode.
void rgSeqJobClick(SequencerContext& ctx, int item);
// "Source ": the edited sequence's clock source; "From Seq " shows for Paralell and Label,
// "Divide by " for Label only.
void rgInputSourceClick(SequencerContext& ctx, int item);
void ScrollBarSeqSourceChange(SequencerContext& ctx, int seq);
void ScrollBarDividerChange(SequencerContext& ctx, int divider);

}  // namespace wl
