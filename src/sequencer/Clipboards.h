#pragma once

#include "sequencer/SequencerContext.h"

namespace wl {

// The copy and paste commands of the sequencer window on the clipboards of SequencerClipboards.
// Copies and pastes work on the linked range (first, last) of the sequence they touch and never
// write outside the edited sequence.
//
// Thread: the engine. Never allocates, apart from the window texts.

// "Copy Pattern": the tempo scope becomes "pattern" (as its button does), then the pattern's
// scenes and the scene after it (never scene 255) with their words, channels first..last.
void CopyPattern(SequencerContext& ctx);
// "Copy All Sequenser": after an undo snapshot, all 256 scenes and words, channels first..last.
void CopyAllSequenser(SequencerContext& ctx);
// "Paste Block": after an undo snapshot, the copied width from the target's first linked channel,
// into the scenes from `PatternFirst` (a pattern: only the scenes copied) or into all 256 scenes
// (a sequence), with their words; then the current scene goes to `PatternFirst`. One paste per
// copy.
void PasteBlock(SequencerContext& ctx);

// "Copy Current Scena": channels first..last and the word of the scroll area's scene.
void CopyCurrentScena(SequencerContext& ctx);
// "Paste One Scena": after an undo snapshot, into the scroll area's scene of the edited sequence.
void PasteOneScena(SequencerContext& ctx);

// "Копировать секвенсер" and "Вставить секвенсер": every level of one sequence, no words.
void CopySequenser(SequencerContext& ctx);
void PasteSequenser(SequencerContext& ctx);

}  // namespace wl
