#include "app/OperatingMode.h"

#include <algorithm>
#include <array>

#include "app/System.h"
#include "output/MacroTables.h"
#include "output/OutputSettings.h"

namespace wl {

namespace {

constexpr int kStartPlayListSetting = 10;
constexpr int kStartNothingStop = 0;
constexpr int kAllowScheduleOffFlag = 44;

constexpr std::array<const char*, 7> kModeNames{"OFF",   "STOP",  "PAUSE", "STATIC",
                                                "DINAM", "DANCE", "FILE"};

std::optional<std::uint8_t> modeOf(ModeButton button) {
    switch (button) {
        case ModeButton::AllOff:
            return kModeOff;
        case ModeButton::Static:
            return kModeStatic;
        case ModeButton::Stop:
            return kModeStop;
        case ModeButton::Pause:
            return kModePause;
        case ModeButton::Dynamic:
            return kModeDinam;
        case ModeButton::Dance:
            return kModeDance;
        case ModeButton::Macro:
        case ModeButton::Receiver:
            return std::nullopt;
    }
    return std::nullopt;
}

// `ScheduleOFF`: the schedule's "ON" goes off only when "Allow to Switch OFF Shedule " permits.
void ScheduleOFF(SettingsRecord& settings) {
    if (settings.SettingsFlags[kAllowScheduleOffFlag] != 0) {
        settings.SettingsFlags[kScheduleOnFlag] = 0;
    }
}

// The player stops the song and shows PAUSE; the mode's own button is pressed after it.
void pauseAudio(System& system) {
    system.mode.audio = AudioWish::Paused;
    system.mode.pressedButton = ModeButton::Pause;
}

void stopAllSequences(System& system) {
    system.sequencer.SeqJob.fill(kJobOff);
}

// Every sequence OFF, the frames reset and the track view back to the beginning without a
// selection: the state the manual modes start from.
void clearShowArea(System& system) {
    stopAllSequences(system);
    system.showRequests.clearTrackSelection = true;
    ResetFrames(system.channels);
    system.showRequests.startMarkToBeginning = true;
}

// "Mode Seq" of the sequencer window back to its first item, OFF.
void seqModeToFirstItem(System& system) {
    system.sequencerWindow.rgSeqJob = kJobOff;
    system.sequencerWindow.notify();
}

void SetModeFontan_OFF(System& system) {
    pauseAudio(system);
    system.mode.pressedButton = ModeButton::AllOff;
    clearShowArea(system);
}

void SetModeFontan_STOP(System& system) {
    pauseAudio(system);
    system.mode.pressedButton = ModeButton::Stop;
}

void SetModeFontan_PAUSE(System& system) {
    pauseAudio(system);
}

void SetModeFontan_STATIC(System& system) {
    pauseAudio(system);
    system.mode.pressedButton = ModeButton::Static;
    clearShowArea(system);
    seqModeToFirstItem(system);
}

void SetModeFontan_DINAM(System& system) {
    system.mode.audio = AudioWish::Silent;
    system.mode.pressedButton = ModeButton::Dynamic;
}

void SetModeFontan_DANCE(System& system) {
    system.mode.audio = AudioWish::Audible;
    system.mode.pressedButton = ModeButton::Dance;
}

// The minute of the local time, counted from a fixed day, so a file start is once per minute of
// the calendar and not once per minute number of the hour.
std::int64_t minuteOfCalendar(const LocalTime& time) {
    const std::int64_t day = (std::int64_t{time.year} * 13 + time.month) * 32 + time.day;
    return (day * 24 + time.hour) * 60 + time.minute;
}

// The schedule re-applies FILE every second of its minute; only the first one starts the track.
void SetModeFontan_FILE(System& system) {
    ModeState& mode = system.mode;
    mode.LabelShdFile = "---";
    const std::int64_t minute = minuteOfCalendar(system.clock.now());
    if (mode.lastFileStartMinute == minute) return;
    mode.lastFileStartMinute = minute;
    mode.LabelShdFile = "No Exist File";
    system.FountainMode = kModeDance;
    mode.scheduledTrackRequested = true;
}

void SetModeFontan_MACRO(System& system, int macro) {
    pauseAudio(system);
    system.mode.pressedButton = ModeButton::Macro;
    clearShowArea(system);
    seqModeToFirstItem(system);
    loadMacroLevels(system.macros, macro, system.channels, system.channels.ChannelCount);
}

void SetModeFontan(System& system, std::uint8_t mode) {
    switch (mode) {
        case kModeStop:
            return SetModeFontan_STOP(system);
        case kModePause:
            return SetModeFontan_PAUSE(system);
        case kModeStatic:
            return SetModeFontan_STATIC(system);
        case kModeDinam:
            return SetModeFontan_DINAM(system);
        case kModeDance:
            return SetModeFontan_DANCE(system);
        case kModeFile:
            return SetModeFontan_FILE(system);
        default:
            if (mode >= kFirstMacroMode && mode <= kLastMacroMode) {
                return SetModeFontan_MACRO(system, mode - kFirstMacroMode);
            }
            return SetModeFontan_OFF(system);  // OFF, and any unknown mode
    }
}

}  // namespace

std::string ModeText(std::uint8_t mode) {
    if (mode < kModeNames.size()) return kModeNames[mode];
    if (mode <= kLastMacroMode) return "MACRO " + twoDigits(mode - kModeFile);
    return "UNKNOWN";
}

std::optional<std::uint8_t> modeByName(std::string_view name) {
    for (int mode = kModeOff; mode <= kLastMacroMode; ++mode) {
        if (ModeText(static_cast<std::uint8_t>(mode)) == name)
            return static_cast<std::uint8_t>(mode);
    }
    return std::nullopt;
}

std::string modeNames() {
    std::string names;
    for (const char* name : kModeNames) names += std::string(name) + ", ";
    return names + ModeText(kFirstMacroMode) + " … " + ModeText(kLastMacroMode);
}

void requestMode(System& system, std::uint8_t mode) {
    system.FountainMode = mode;
    system.ModeChanged = true;
    system.ScheduleStopReq = false;
    system.settings.SettingsRec[kLastModeSetting] = mode;
}

void pressModeButton(System& system, ModeButton button) {
    requestMode(system, modeOf(button).value_or(system.FountainMode));
}

void createModeTimer(System& system) {
    const auto timer = system.scheduler.addTask("tmrModeSet", kModeTimerIntervalMs,
                                                [&system] { tmrModeSetTimer(system); });
    system.scheduler.start(timer);
    const bool nothing = system.settings.SettingsRec[kStartPlayListSetting] == kStartNothingStop;
    system.FountainMode = nothing ? kModeOff : kModeDance;
    system.settings.SettingsRec[kLastModeSetting] = system.FountainMode;
    system.ModeChanged = true;
}

void tmrModeSetTimer(System& system) {
    if (system.ScheduleStopReq) {
        system.ScheduleStopReq = false;
        ScheduleOFF(system.settings);
    }
    if (!system.ModeChanged) return;
    system.ModeChanged = false;
    system.mode.LabelModeFontan = ModeText(system.FountainMode);
    SetModeFontan(system, system.FountainMode);
    system.settings.SettingsRec[kLastModeSetting] = system.FountainMode;
}

}  // namespace wl
