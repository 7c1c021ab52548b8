#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "output/ChannelSpace.h"
#include "output/ShapeColour.h"

namespace wl {

struct SettingsRecord;

inline constexpr int kSwitchCount = 4;  // A..D

// The four timed switches and the light time: what the clock checks found, the "Manual"
// buttons, and the indicators of the "Switchs" page.
//
// Thread: the engine. Plain data.
struct SwitchState {
    std::array<bool, kSwitchCount> SwitchOn{};
    bool LightTimeOn = false;
    // SpeedButtonSwAHand .. SpeedButtonSwDHand: down keeps the switch on.
    std::array<bool, kSwitchCount> manualDown{};

    ShapeColour shpSpotOn{};                           // the light
    std::array<ShapeColour, kSwitchCount> shpSw{};     // each switch on or off
    std::array<ShapeColour, kSwitchCount> shpSwDmx{};  // the level sent on each switch's channel
};

// Whether a daily period from `on` to `off` (minutes after midnight) holds `now`. A period whose
// on time is later than its off time runs through midnight; equal times are never on.
constexpr bool inDailyPeriod(int on, int off, int now) {
    if (on < off) return on <= now && now < off;
    if (on > off) return now >= on || now < off;
    return false;
}

// The clock checks, once for every new second of the local time `hour`:`minute`: the light
// time (kept as it is in mode OFF), then switches A..D by their "Job" and times, the "Manual"
// buttons on top, then the indicators.
void checkSwitchClock(SwitchState& switches, const SettingsRecord& settings, std::uint8_t mode,
                      int hour, int minute);

// Step 10 of the output cycle (`BlockOfSwitch`): outside mode OFF, every switch that is on sends
// 255 on its channel. In mode OFF the blackout clears every channel right after, so nothing is
// set there.
void BlockOfSwitch(Frame& out, const SwitchState& switches, const SettingsRecord& settings,
                   std::uint8_t mode);

// The option timer's colours for the levels sent on the switch channels: blue above 127, grey
// otherwise.
void colourSwitchOutputs(SwitchState& switches, const Frame& out, const SettingsRecord& settings);

// The texts of a period's two labels: " ON hh:mm" and "0FF hh:mm".
struct PeriodLabels {
    std::string on;
    std::string off;
};
PeriodLabels switchLabels(const SettingsRecord& settings, int switchIndex);
PeriodLabels lightLabels(const SettingsRecord& settings);

}  // namespace wl
