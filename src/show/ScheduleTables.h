#pragma once

#include <array>
#include <cstdint>

#include "sequencer/SequencerStore.h"

namespace wl {

inline constexpr int kShedEntries = 32;
inline constexpr int kShedPathLength = 256;
inline constexpr std::uint8_t kResetShedHour = 1;

using ShedPath = std::array<char, kShedPathLength>;  // raw bytes, zero or space padded
using PerShedEntry = std::array<std::uint8_t, kShedEntries>;

// The 32 entries of the schedule, one table per field.
//
// Thread: the engine. Plain data.
struct ScheduleTables {
    std::array<Name, kShedEntries> ShedNames{};
    std::array<ShedPath, kShedEntries> ShedFiles{};  // show list or track file of the entry
    PerShedEntry ShedSpare1{};
    PerShedEntry ShedWeekDay{};  // 0 any, 1 Sunday .. 7 Saturday
    PerShedEntry ShedDay{};      // 0 any, 1..31
    PerShedEntry ShedMonth{};    // 0 any, 1..12
    PerShedEntry ShedHour{};
    PerShedEntry ShedMinute{};
    PerShedEntry ShedSecond{};  // shown only
    PerShedEntry ShedMode{};    // operating mode to set
    PerShedEntry ShedSpare2{};
};

// Names "Name Shedule 01 " .. "Name Shedule 32 ", no files, any day, 01:00:00, mode OFF.
void ResetSchedule(ScheduleTables& schedule);

}  // namespace wl
