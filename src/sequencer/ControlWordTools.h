#pragma once

#include <cstdint>

#include "platform/Operator.h"
#include "sequencer/SequencerContext.h"

namespace wl {

// The tools that rewrite control words of the edited sequence.
//
// Thread: the engine. Allocates (questions and window texts).

// The commands of the context menus and of the "Set Control Line " shapes.
enum class ControlCommand {
    StopSequense,     // "Stop Sequense", red shape: word 1
    OffSequense,      // "OFF Sequense", yellow shape: word 0
    NearLoop,         // "Near Loop", green shape: word 2
    RepeatFromBegin,  // "Repeat From Begin", blue shape: word 3
    DeleteCommand,    // "Delete Command", black shape: the tempo slider value
};

// The word a command writes.
std::uint16_t commandWord(const SequencerContext& ctx, ControlCommand command);

// "Delete Lines of Time": after Yes to the group question (`kConfirmGroupChange`), every word of
// the sequence becomes the tempo slider value, commands included.
void DeleteLinesOfTime(SequencerContext& ctx);

// "Delete Lines of Patern": after Yes to the group question, each command word of scenes 1..255
// takes the word of the scene before it.
void DeleteLinesOfPatern(SequencerContext& ctx);

// "Очистка всех упр. команд": the undo snapshot and "Rec" off come first, whatever the answer;
// with Yes to this warning, scenes 0..254 last 1000 ms.
inline constexpr Question kClearCommandsQuestion{
    BoxKind::Warning,
    "Нажатие кнопки измненит все значения\n\rуправляющих команд в текущем секвенсере!"};
void ClearAllControlCommands(SequencerContext& ctx, bool confirmed);

// A context-menu command on the scene under the mouse (`PopupScene`), after an undo snapshot;
// all but the two stop commands switch "Rec" off.
void popupCommand(SequencerContext& ctx, ControlCommand command);

// `SetModeAndTempo`: writes `word` into the scroll area's scene and shows its text.
void SetModeAndTempo(SequencerContext& ctx, std::uint16_t word);

}  // namespace wl
