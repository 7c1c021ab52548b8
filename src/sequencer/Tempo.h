#pragma once

#include "sequencer/SequencerContext.h"
#include "sequencer/SequencerWindowState.h"

namespace wl {

// The tempo tools and scene selection of the sequencer window, on the edited sequence
// (`ScrollBarNombSeq`).
//
// Thread: the engine. Allocates the window texts.

// `SetFulltimersMode`: recomputes `PatternFirst`/`PatternLast` for the tempo scope, writes the
// tempo slider value into the scene times of that scope while "Rec" is on, sets the edited
// sequence's timer to the slider value and redraws.
void SetFulltimersMode(SequencerContext& ctx);

// The mode selector, pattern caption, scene label and tempo text of the edited sequence, then a
// redraw.
void refreshEditedSequence(SequencerContext& ctx);

// The tempo slider takes the selected scene's control word (within 50..10000) and `LabelTempo`
// shows the word's text.
void showSelectedSceneTime(SequencerContext& ctx);

// A click on a scope button, after an undo snapshot: "Change Tempo all Sequnser" switches "Rec"
// on and applies; the pattern and scene scopes switch "Rec" off and only recompute the range.
void chooseTempoScope(SequencerContext& ctx, TempoScope scope);

// The operator moved the tempo slider: "Rec" on, then the tempo is applied.
void ScrollBarSeqSpeedChange(SequencerContext& ctx, int tempoMs);
// The button beside the tempo slider: 100 ms, "Rec" on, applied.
void tempo100Click(SequencerContext& ctx);
// "Rec": switching it on applies the tempo; switching it off does nothing else.
void CheckBoxEnableTempoClick(SequencerContext& ctx, bool on);

// The scene scroll bar of the edited sequence: a sequence in STOP outputs the scene at once, one
// in PLAY goes on from it; either way the timer takes the scene's time.
void ScrollBarScenaRunChange(SequencerContext& ctx, int scene);
// "Set First Scena": the scene scroll bar goes to 0; `CurScene` stays.
void SetFirstScenaClick(SequencerContext& ctx);

// The mouse moved over a scene of the channel area (`channelArea`) or the RGB area: a sequence in
// STOP outputs that scene at once, with its influence value from the channel area.
void outputSceneUnderMouse(SequencerContext& ctx, int scene, bool channelArea);

}  // namespace wl
