#include "storage/files/ShowTables.h"

namespace wl {

namespace {

constexpr std::size_t kOldScenesBytes = std::size_t{kOldSequences} * kSceneCount * kOldChannels;
constexpr std::size_t kOldPlaneBytes = std::size_t{kOldTracks} * kTrackTicks;

// The effect table's reset values, so that a file that leaves effects untouched shows them so.
constexpr std::int32_t kEffectResetTick = 1;
constexpr std::int32_t kEffectResetTime = 31;

}  // namespace

FileOnlyTables::FileOnlyTables()
    : OldScenes(kOldScenesBytes, 0),
      OldTrackSeq(kOldPlaneBytes, 0),
      OldTrackScene(kOldPlaneBytes, 0),
      OldTrackLevel(kOldPlaneBytes, 0),
      OldTrackCmd(kOldPlaneBytes, 0) {}

OwnedShowTables::OwnedShowTables() {
    for (std::size_t effect = 0; effect < effectSeq.size(); ++effect) {
        effectSeq[effect] = static_cast<std::uint8_t>(effect);
    }
    effectStart.fill(kEffectResetTick);
    effectFinish.fill(kEffectResetTick);
    effectTime.fill(kEffectResetTime);
}

ShowTables OwnedShowTables::view() {
    ForeignTables foreign{
        .MacroStore = bytesOf(macroStore),
        .MacroMode = bytesOf(macroMode),
        .MacroTabA = bytesOf(macroTabA),
        .MacroTabB = bytesOf(macroTabB),
        .MacroTabC = bytesOf(macroTabC),
        .MacroNames = bytesOf(macroNames),
        .EffectNames = bytesOf(effectNames),
        .EffectType = bytesOf(effectType),
        .EffectSeq = bytesOf(effectSeq),
        .EffectStart = bytesOf(effectStart),
        .EffectFinish = bytesOf(effectFinish),
        .EffectTime = bytesOf(effectTime),
        .EffectLevel = bytesOf(effectLevel),
    };
    return ShowTables{sequencer, channels, settings, tracks, kits,
                      schedule,  clips,    fileOnly, foreign};
}

}  // namespace wl
