#pragma once

#include <array>
#include <cstdint>

#include "output/ChannelSpace.h"

namespace wl {

inline constexpr int kMacroCount = 32;
inline constexpr int kMacroSequences = 256;
inline constexpr int kMacroNameLength = 16;

// Macro types (`MacroMode`), also the items of "Macros " (`rgModeMacro`).
inline constexpr std::uint8_t kMacroStatic = 0;   // the manual levels of every channel
inline constexpr std::uint8_t kMacroDynamic = 1;  // which sequences run, at which scene

// The 32 stored looks of the fountain. Saved with the sequencer file and the ".set" file, all
// but the names.
//
// Thread: the engine. Plain data.
struct MacroTables {
    template <typename T>
    using PerMacro = std::array<T, kMacroCount>;
    using PerSequence = std::array<std::uint8_t, kMacroSequences>;

    PerMacro<std::uint8_t> MacroMode{};
    PerMacro<std::array<std::int16_t, kChannelCount>> MacroStore{};  // i: level of channel i + 1
    PerMacro<PerSequence> MacroTabA{};  // current scene of each sequence (low byte)
    PerMacro<PerSequence> MacroTabB{};  // stored with the others, no use of its own
    PerMacro<PerSequence> MacroTabC{};  // run mode of each sequence
    PerMacro<std::array<char, kMacroNameLength>> MacroNames{};  // raw bytes, space padded
};

// Every table to 0.
void ClearMacroTables(MacroTables& macros);

// `ChannelTestLevel` of channels 1..count takes the low bytes of static macro `macro`.
void loadMacroLevels(const MacroTables& macros, int macro, ChannelSpace& space, int count);

}  // namespace wl
