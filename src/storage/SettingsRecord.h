#pragma once

#include <array>
#include <cstdint>

namespace wl {

// The options of every window, as one record saved inside the sequencer file and the settings
// snapshot. Each entry belongs to one subsystem; the windows only show and edit them.
//
// Thread: the engine. Plain data.
struct SettingsRecord {
    std::array<std::int32_t, 256> SettingsRec{};
    std::array<std::uint8_t, 256> SettingsFlags{};
};

}  // namespace wl
