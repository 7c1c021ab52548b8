#include "output/MacroTables.h"

#include <algorithm>

namespace wl {

void ClearMacroTables(MacroTables& m) {
    m.MacroMode.fill(0);
    for (auto& levels : m.MacroStore) levels.fill(0);
    for (auto* table : {&m.MacroTabA, &m.MacroTabB, &m.MacroTabC}) {
        for (auto& entries : *table) entries.fill(0);
    }
    for (auto& name : m.MacroNames) name.fill(0);
}

void loadMacroLevels(const MacroTables& macros, int macro, ChannelSpace& space, int count) {
    const auto& levels = macros.MacroStore[macro];
    const int channels = std::clamp(count, 0, kChannelCount);
    for (int i = 0; i < channels; ++i) {
        space.ChannelTestLevel[i + 1] = static_cast<std::uint8_t>(levels[i] & 0xFF);
    }
}

}  // namespace wl
