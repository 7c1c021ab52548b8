#include "app/OperatingMode.h"

#include <array>

namespace wl {

std::string twoDigits(int value) {
    return (value >= 0 && value < 10 ? "0" : "") + std::to_string(value);
}

std::string ModeText(std::uint8_t mode) {
    static constexpr std::array<const char*, 7> kNames{"OFF",   "STOP",  "PAUSE", "STATIC",
                                                       "DINAM", "DANCE", "FILE"};
    if (mode < kNames.size()) return kNames[mode];
    if (mode <= 38) return "MACRO " + twoDigits(mode - 6);
    return "UNKNOWN";
}

}  // namespace wl

#include <optional>

#include "app/System.h"

namespace wl {

namespace {

constexpr int kLastModeEntry = 69;

std::optional<std::uint8_t> modeOf(ModeButton button) {
    switch (button) {
        case ModeButton::AllOff:
            return 0;
        case ModeButton::Static:
            return 3;
        case ModeButton::Stop:
            return 1;
        case ModeButton::Pause:
            return 2;
        case ModeButton::Dynamic:
            return 4;
        case ModeButton::Dance:
            return 5;
        case ModeButton::Macro:
        case ModeButton::Receiver:
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

void pressModeButton(System& system, ModeButton button) {
    system.ModeChanged = true;
    system.ScheduleStopReq = false;
    if (const auto mode = modeOf(button)) system.FountainMode = *mode;
    system.settings.SettingsRec[kLastModeEntry] = system.FountainMode;
}

}  // namespace wl
