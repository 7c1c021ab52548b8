#pragma once

namespace wl {

// Entries of the settings record that the output cycle, the macros and the timed switches read.

// SettingsRec
inline constexpr int kMasterJetSetting = 13;       // "Manual level max High All Jets ", 0..255
inline constexpr int kOutputPageSetting = 21;      // first channel row of the "Static" page
inline constexpr int kLightOnHourSetting = 26;     // then on minute, off hour, off minute
inline constexpr int kFirstEmulationSetting = 32;  // levels for A510, A511, A512
inline constexpr int kFirstSwitchSetting = 45;     // switch X: 45 + 5X on hour .. 49 + 5X channel
inline constexpr int kSwitchSettingStride = 5;
inline constexpr int kLastSequenceSetting = 65;  // last sequence in use
inline constexpr int kLastModeSetting = 69;      // FountainMode as last chosen

// SettingsFlags
inline constexpr int kSystemVolumeFlag = 9;      // "Volume of System allways 100%"
inline constexpr int kScheduleOnFlag = 10;       // the schedule's "ON"
inline constexpr int kLightsAlwaysFlag = 11;     // "Allways": lights without the light time
inline constexpr int kFirstEmulationFlag = 41;   // send A510, A511, A512
inline constexpr int kValvesNoRampFlag = 47;     // "Min Time for Valves"
inline constexpr int kMinMaxOnlyPumpsFlag = 48;  // "Min Max Only For Punps"
inline constexpr int kFirstSwitchJobFlag = 50;   // "Job" of switches A..D
inline constexpr int kFirstSwitchStopFlag = 54;  // "STOP disable" of switches A..D
inline constexpr int kRedutFlag = 60;            // "Repeat Redut DMX2->DMX1  (392 to 480)"

}  // namespace wl
