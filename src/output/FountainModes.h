#pragma once

#include <cstdint>

namespace wl {

// The fountain's operating modes (`FountainMode`): 0 OFF, 1 STOP, 2 PAUSE, 3 STATIC, 4 DINAM,
// 5 DANCE, 6 FILE, 7..38 MACRO 01..32; anything above is UNKNOWN.
inline constexpr std::uint8_t kModeOff = 0;
inline constexpr std::uint8_t kModeStop = 1;
inline constexpr std::uint8_t kModePause = 2;
inline constexpr std::uint8_t kModeStatic = 3;
inline constexpr std::uint8_t kModeDinam = 4;
inline constexpr std::uint8_t kModeDance = 5;
inline constexpr std::uint8_t kModeFile = 6;
inline constexpr std::uint8_t kFirstMacroMode = 7;
inline constexpr std::uint8_t kLastMacroMode = 38;

}  // namespace wl
