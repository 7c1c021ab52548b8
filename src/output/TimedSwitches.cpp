#include "output/TimedSwitches.h"

#include <algorithm>

#include "output/FountainModes.h"
#include "output/OutputSettings.h"
#include "output/TwoDigits.h"
#include "storage/SettingsRecord.h"

namespace wl {

namespace {

constexpr std::uint8_t kSwitchLevel = 255;
constexpr std::uint8_t kSwitchLevelShownOn = 127;

constexpr ShapeColour kBlack{0, 0, 0};
constexpr ShapeColour kLightAlways{255, 196, 196};
constexpr ShapeColour kYellow{255, 255, 0};
constexpr ShapeColour kGrey{128, 128, 128};
constexpr ShapeColour kGreen{0, 128, 0};
constexpr ShapeColour kMaroon{128, 0, 0};
constexpr ShapeColour kBlue{0, 0, 255};

// A period of the day as four settings entries from `first`: on hour, on minute, off hour,
// off minute.
struct DailyPeriod {
    int onHour, onMinute, offHour, offMinute;

    bool holds(int hour, int minute) const {
        return inDailyPeriod(60 * onHour + onMinute, 60 * offHour + offMinute, 60 * hour + minute);
    }
};

// Stored times outside the day are held at its edges (hour 24, minute 60), which keeps their
// meaning (a time never reached, the next full hour) without overflowing the minute count.
DailyPeriod periodAt(const SettingsRecord& settings, int first) {
    const auto& rec = settings.SettingsRec;
    const auto hour = [&](int entry) { return std::clamp(rec[entry], 0, 24); };
    const auto minute = [&](int entry) { return std::clamp(rec[entry], 0, 60); };
    return {hour(first), minute(first + 1), hour(first + 2), minute(first + 3)};
}

int switchEntry(int switchIndex) {
    return kFirstSwitchSetting + kSwitchSettingStride * switchIndex;
}

int switchChannel(const SettingsRecord& settings, int switchIndex) {
    return settings.SettingsRec[switchEntry(switchIndex) + 4];
}

bool validChannel(int channel) {
    return channel >= 1 && channel <= kChannelCount;
}

std::string clockText(int hour, int minute) {
    return twoDigits(hour) + ":" + twoDigits(minute);
}

PeriodLabels labelsOf(const DailyPeriod& period) {
    return {" ON " + clockText(period.onHour, period.onMinute),
            "0FF " + clockText(period.offHour, period.offMinute)};
}

ShapeColour lightIndicator(const SwitchState& switches, const SettingsRecord& settings,
                           std::uint8_t mode) {
    if (mode == kModeOff) return kBlack;
    if (settings.SettingsFlags[kLightsAlwaysFlag] != 0) return kLightAlways;
    return switches.LightTimeOn ? kYellow : kGrey;
}

}  // namespace

void checkSwitchClock(SwitchState& switches, const SettingsRecord& settings, std::uint8_t mode,
                      int hour, int minute) {
    if (mode != kModeOff) {
        switches.LightTimeOn = periodAt(settings, kLightOnHourSetting).holds(hour, minute);
    }
    for (int x = 0; x < kSwitchCount; ++x) {
        const bool job = settings.SettingsFlags[kFirstSwitchJobFlag + x] != 0;
        switches.SwitchOn[x] = switches.manualDown[x] ||
                               (job && periodAt(settings, switchEntry(x)).holds(hour, minute));
        switches.shpSw[x] = switches.SwitchOn[x] ? kGreen : kMaroon;
    }
    switches.shpSpotOn = lightIndicator(switches, settings, mode);
}

void BlockOfSwitch(Frame& out, const SwitchState& switches, const SettingsRecord& settings,
                   std::uint8_t mode) {
    if (mode == kModeOff) return;
    for (int x = 0; x < kSwitchCount; ++x) {
        const int channel = switchChannel(settings, x);
        if (switches.SwitchOn[x] && validChannel(channel)) out[channel] = kSwitchLevel;
    }
}

void colourSwitchOutputs(SwitchState& switches, const Frame& out, const SettingsRecord& settings) {
    for (int x = 0; x < kSwitchCount; ++x) {
        const int channel = switchChannel(settings, x);
        const bool high = validChannel(channel) && out[channel] > kSwitchLevelShownOn;
        switches.shpSwDmx[x] = high ? kBlue : kGrey;
    }
}

PeriodLabels switchLabels(const SettingsRecord& settings, int switchIndex) {
    return labelsOf(periodAt(settings, switchEntry(switchIndex)));
}

PeriodLabels lightLabels(const SettingsRecord& settings) {
    return labelsOf(periodAt(settings, kLightOnHourSetting));
}

}  // namespace wl
