#include "storage/files/StoreReset.h"

#include <algorithm>

#include "storage/SettingsDefaults.h"

namespace wl {

namespace {

constexpr std::uint8_t kResetChannelMax = 255;

void clear(std::span<std::byte> table) {
    std::fill(table.begin(), table.end(), std::byte{0});
}

}  // namespace

void ResetStore(ShowTables& tables, bool programStart) {
    tables.sequencer.SceneStore.clear();
    ResetStoreTables(tables, programStart);
}

void ResetStoreTables(ShowTables& tables, bool programStart) {
    ResetSequencerTables(tables.sequencer, programStart);
    for (Name& name : tables.sequencer.ChannelNames) name.fill(0);
    ResetSettingsRecord(tables.settings);
    tables.channels.ChannelMin.fill(0);
    tables.channels.ChannelMax.fill(kResetChannelMax);
    tables.channels.ChannelTestLevel.fill(0);
    tables.channels.ChannelTestCheck.fill(0);
    tables.fileOnly.Reserved.fill(0);
    ResetKeyKits(tables.kits);
    ResetTrackClips(tables.clips);
    ResetSchedule(tables.schedule);
    const ForeignTables& macros = tables.foreign;
    for (std::span<std::byte> table : {macros.MacroStore, macros.MacroMode, macros.MacroTabA,
                                       macros.MacroTabB, macros.MacroTabC, macros.MacroNames}) {
        clear(table);
    }
}

}  // namespace wl
