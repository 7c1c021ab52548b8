#pragma once

#include <cstdint>

#include "sequencer/SequencerContext.h"

namespace wl {

// The playback engine: each sequence in PLAY steps on its own `SeqTimer` and writes its scene's
// levels for its linked channels into `SeqFrame`, with the scene's pump influence into
// `InfluenceFrame` and, where enabled, its valves' lights into `LightFrame`.
//
// Thread: the engine. The tick path never allocates or locks; the window
// texts it writes are short enough to stay in place.

// Handler of every `SeqTimer`: ignored unless the sequence is in PLAY; clock-time sources go to
// `NewScenaTime`, the others to `NewScenaSeq`.
void onSeqTimer(SequencerContext& ctx, int seq);

// One tick of a scene-stepping source (Tempo, Synhro, Paralell, Level, Label).
void NewScenaSeq(SequencerContext& ctx, int seq);

// One tick of a clock-time source (Second, Minute, Hour): the scene is the clock's reading.
void NewScenaTime(SequencerContext& ctx, int seq);

// Advances the sequence by one scene, acts on the new scene's control word and outputs the scene
// (the scene jumped to, for the loop and restart words). A non-zero `forcedInterval` replaces
// the scene time as the timer interval.
void TimerToScenes(SequencerContext& ctx, int seq, std::uint16_t forcedInterval);

// Writes the levels of every channel linked to `seq` in its scene `scene` into `SeqFrame`.
void outputLinkedLevels(SequencerContext& ctx, int seq, int scene);

// Writes the scene's pump influence value into `InfluenceFrame` at the sequence's `InfToDmx`
// (slot 0, which no channel uses, when the address is 0).
void publishInfluence(SequencerContext& ctx, int seq, int scene);

// Sets the run mode of a sequence (used by the track playback and the mode selectors; anything
// above PLAY is taken as PLAY); the mode selector follows when it is the edited sequence.
void setSeqJob(SequencerContext& ctx, int seq, std::uint8_t job);

// Sets the current scene (limited to 0..253); a sequence in PLAY goes on from there at its next
// tick.
void setCurScene(SequencerStore& store, int seq, int scene);

// A new track step has come: every Label sequence may take its next scene.
void raiseLabelPending(SequencerStore& store);

}  // namespace wl
