#include "sequencer/ControlWordTools.h"

#include <algorithm>

#include "platform/Operator.h"
#include "sequencer/ControlWords.h"
#include "sequencer/SequencerStore.h"
#include "sequencer/SequencerWindowState.h"
#include "sequencer/Tempo.h"

namespace wl {

namespace {

constexpr std::uint16_t kClearedSceneTime = 1000;

PerScene<std::uint16_t>& editedWords(SequencerContext& ctx) {
    return ctx.store.SceneCtrl[ctx.window.ScrollBarNombSeq];
}

// Before a rewrite of the whole group: the snapshot and "Rec" off.
void prepareWordRewrite(SequencerContext& ctx) {
    SaveToUndo(ctx);
    ctx.window.CheckBoxEnableTempo = false;
}

}  // namespace

std::uint16_t commandWord(const SequencerContext& ctx, ControlCommand command) {
    switch (command) {
        case ControlCommand::StopSequense:
            return kWordStop;
        case ControlCommand::OffSequense:
            return kWordStopOff;
        case ControlCommand::NearLoop:
            return kWordRetToCycle;
        case ControlCommand::RepeatFromBegin:
            return kWordRetToBegin;
        case ControlCommand::DeleteCommand:
            break;
    }
    return static_cast<std::uint16_t>(ctx.window.ScrollBarSeqSpeed);
}

void DeleteLinesOfTime(SequencerContext& ctx) {
    prepareWordRewrite(ctx);
    editedWords(ctx).fill(static_cast<std::uint16_t>(ctx.window.ScrollBarSeqSpeed));
    SetFulltimersMode(ctx);
}

void DeleteLinesOfPatern(SequencerContext& ctx) {
    prepareWordRewrite(ctx);
    auto& words = editedWords(ctx);
    for (int scene = 1; scene < kSceneCount; ++scene) {
        if (!isTimeWord(words[scene])) words[scene] = words[scene - 1];
    }
    SetFulltimersMode(ctx);
}

void ClearAllControlCommands(SequencerContext& ctx, bool confirmed) {
    prepareWordRewrite(ctx);
    if (!confirmed) return;
    auto& words = editedWords(ctx);
    std::fill(words.begin(), words.begin() + kLastPatternScene + 1, kClearedSceneTime);
    refreshEditedSequence(ctx);
}

void popupCommand(SequencerContext& ctx, ControlCommand command) {
    SaveToUndo(ctx);
    if (command != ControlCommand::StopSequense && command != ControlCommand::OffSequense) {
        ctx.window.CheckBoxEnableTempo = false;
    }
    const int scene = std::clamp(ctx.window.PopupScene, 0, kSceneCount - 1);
    editedWords(ctx)[scene] = commandWord(ctx, command);
    refreshEditedSequence(ctx);
}

void SetModeAndTempo(SequencerContext& ctx, std::uint16_t word) {
    const int scene = std::clamp(ctx.window.ScrollBarAreaScrScena, 0, kSceneCount - 1);
    editedWords(ctx)[scene] = word;
    ctx.window.LabelWievDmxTempo = RePaintTemp(word, ctx.window.decimalSeparator);
    refreshEditedSequence(ctx);
}

}  // namespace wl
