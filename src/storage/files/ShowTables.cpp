#include "storage/files/ShowTables.h"

namespace wl {

namespace {

constexpr std::size_t kOldScenesBytes = std::size_t{kOldSequences} * kSceneCount * kOldChannels;
constexpr std::size_t kOldPlaneBytes = std::size_t{kOldTracks} * kTrackTicks;

}  // namespace

FileOnlyTables::FileOnlyTables()
    : OldScenes(kOldScenesBytes, 0),
      OldTrackSeq(kOldPlaneBytes, 0),
      OldTrackScene(kOldPlaneBytes, 0),
      OldTrackLevel(kOldPlaneBytes, 0),
      OldTrackCmd(kOldPlaneBytes, 0) {}

ForeignTables foreignTablesOf(MacroTables& macros, EffectTable& effects) {
    return ForeignTables{
        .MacroStore = bytesOf(macros.MacroStore),
        .MacroMode = bytesOf(macros.MacroMode),
        .MacroTabA = bytesOf(macros.MacroTabA),
        .MacroTabB = bytesOf(macros.MacroTabB),
        .MacroTabC = bytesOf(macros.MacroTabC),
        .MacroNames = bytesOf(macros.MacroNames),
        .EffectNames = bytesOf(effects.EffectNames),
        .EffectType = bytesOf(effects.EffectType),
        .EffectSeq = bytesOf(effects.EffectSeq),
        .EffectStart = bytesOf(effects.EffectStart),
        .EffectFinish = bytesOf(effects.EffectFinish),
        .EffectTime = bytesOf(effects.EffectTime),
        .EffectLevel = bytesOf(effects.EffectLevel),
    };
}

ShowTables OwnedShowTables::view() {
    return ShowTables{sequencer, channels, settings,
                      tracks,    kits,     schedule,
                      clips,     fileOnly, foreignTablesOf(macros, effects)};
}

}  // namespace wl
