#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "output/FountainModes.h"
#include "output/TwoDigits.h"

namespace wl {

// "OFF", …, "MACRO 05", "UNKNOWN".
std::string ModeText(std::uint8_t mode);

// The mode whose text is `name` ("OFF" .. "FILE", "MACRO 01" .. "MACRO 32"), exactly as shown.
std::optional<std::uint8_t> modeByName(std::string_view name);
// Every name `modeByName` knows, for messages: "OFF, STOP, …, MACRO 01 … MACRO 32".
std::string modeNames();

// The mode buttons of the main window, left to right.
enum class ModeButton { AllOff, Static, Macro, Stop, Pause, Receiver, Dynamic, Dance };

// How the mode wants the song to sound; the audio player carries it out.
enum class AudioWish : std::uint8_t {
    Paused,   // the channel stopped
    Silent,   // DINAM: playing at volume 0 ("NO AUDIO")
    Audible,  // DANCE: playing by the volume rule, system wave-out volume 64000
};

// What applying a mode shows and asks of the parts that carry it out.
//
// Thread: the engine. Allocates when texts change.
struct ModeState {
    ModeButton pressedButton = ModeButton::Dance;  // the mode button shown down
    std::string LabelModeFontan;                   // the Sound window's mode label
    AudioWish audio = AudioWish::Paused;

    // The file mode: the label of the schedule's show file, the calendar minute of the last
    // file start, and the request to the schedule to open and play the track of its current
    // entry (`CurrentShedEntry`), which it lowers.
    std::string LabelShdFile;
    std::optional<std::int64_t> lastFileStartMinute;
    bool scheduledTrackRequested = false;
};

class System;

// A mode chosen by the operator (mode buttons, `--mode`): the mode is requested and stored in
// the settings, a pending schedule stop is dropped; the mode timer applies it.
void requestMode(System& system, std::uint8_t mode);

// A mode button's "down" action: requests the mode it sets; MACRO and the receiver button keep
// the mode but ask for it to be applied again.
void pressModeButton(System& system, ModeButton button);

// Interval of the mode timer `tmrModeSet`.
inline constexpr int kModeTimerIntervalMs = 10;

// The Sound window's creation: registers and starts `tmrModeSet`, then sets the first mode by
// " Start Play List " (settings entry 10): "Nothing, Stop" OFF, otherwise DANCE.
void createModeTimer(System& system);

// `tmrModeSetTimer`: turns the schedule off when asked, then applies a changed mode.
void tmrModeSetTimer(System& system);

}  // namespace wl
