#pragma once

#include <string>
#include <string_view>

#include "sequencer/SequencerContext.h"

namespace wl {

// The clearing commands of the sequencer window, on the edited sequence. A command that asks
// first has its question here: the window asks it (a warning with Yes and No; closing the box is
// No) and calls the command only on Yes.
//
// Thread: the engine. Never allocates, apart from the window texts.

// "Clear Current Pattern" (also the creator's clear button): after an undo snapshot, the linked
// range of the pattern's scenes becomes 0 and their words the tempo slider value; nothing for a
// one-scene pattern or a range of one channel.
void ClearCurrentPattern(SequencerContext& ctx);

// "Clear Current Sequenser": "Clear sequenser " + the sequence's number; on Yes, after an undo
// snapshot, every level 0, every word 100, scene 0, mode OFF.
std::string clearSequenserQuestion(const SequencerContext& ctx);
void ClearCurrentSequenser(SequencerContext& ctx);

// "Clear All Sequensers": on Yes, after an undo snapshot, the store reset.
inline constexpr std::string_view kClearAllSequensersQuestion = "Clear all sequensers? ";
void ClearAllSequensers(SequencerContext& ctx);

// "Стереть текущую Сцену": "Rec" off, an undo snapshot, every level of the selected scene 0.
void EraseCurrentScene(SequencerContext& ctx);

// "Очистить секвенсер" / "Стереть весь секвенсер": "Стереть секвенсер " + the sequence's number;
// on Yes "Rec" off, an undo snapshot and every level of the sequence 0; the words stay.
std::string eraseSequenserQuestion(const SequencerContext& ctx);
void EraseSequenserLevels(SequencerContext& ctx);

}  // namespace wl
