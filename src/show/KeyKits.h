#pragma once

#include <array>
#include <cstdint>

namespace wl {

inline constexpr int kKitGroups = 8;
inline constexpr int kKitSlotsPerGroup = 256;
inline constexpr int kKitSlots = kKitGroups * kKitSlotsPerGroup;
inline constexpr std::uint8_t kResetKeyScene = 255;

// The keyboard kits: for each of 8 kit groups 256 key slots, each with the sequence, scene, mode
// and assignment marker the key records into the current track.
//
// Thread: the engine. Plain data.
struct KeyKits {
    std::array<std::uint8_t, kKitSlots> KeySeq{};
    std::array<std::uint8_t, kKitSlots> KeyScene{};
    std::array<std::uint8_t, kKitSlots> KeyAux{};  // 255 once assigned through the picker
    std::array<std::uint8_t, kKitSlots> KeyMode{};
};

// Every key unassigned: sequence, marker and mode 0, scene 255.
void ResetKeyKits(KeyKits& kits);

}  // namespace wl
