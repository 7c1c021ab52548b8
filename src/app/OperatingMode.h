#pragma once

#include <cstdint>
#include <string>

namespace wl {

// The fountain's operating mode: 0 OFF, 1 STOP, 2 PAUSE, 3 STATIC, 4 DINAM, 5 DANCE, 6 FILE,
// 7..38 MACRO 01..32; anything above is UNKNOWN.
inline constexpr std::uint8_t kModeDance = 5;

// "OFF", …, "MACRO 05", "UNKNOWN".
std::string ModeText(std::uint8_t mode);

// Two digits with a leading zero below 10.
std::string twoDigits(int value);

}  // namespace wl

namespace wl {

class System;

// The mode buttons of the main window, left to right.
enum class ModeButton { AllOff, Static, Macro, Stop, Pause, Receiver, Dynamic, Dance };

// A mode button's "down" action: the mode it sets (if any) is requested and stored in the settings;
// the mode timer applies it.
void pressModeButton(System& system, ModeButton button);

}  // namespace wl
