#pragma once

#include <optional>

#include "platform/Scheduler.h"

namespace wl {

class System;

// The DMX output window's timers: the output cycle, its slow companion and the macro label.
struct OutputTimerIds {
    std::optional<Scheduler::TaskId> TimerDMX;
    std::optional<Scheduler::TaskId> tmrCopyFromOption;
    std::optional<Scheduler::TaskId> tmrMacro;
};

inline constexpr int kOutputCycleMs = 10;
inline constexpr int kOptionTimerMs = 151;
inline constexpr int kMacroLabelMs = 3000;

// The output window's creation, after its links are open: the pump influence back to none, the
// output cycle and the option timer running, the macro label timer ready.
void createOutputTimers(System& system);

// The output window's destruction, before its links close: the output cycle stops first, then
// the macro and the option timers.
void stopOutputTimers(System& system);

// One output cycle (`TimerDMXTimer`): compose the frame, hand the universes to the USB link and
// then the 3D link, then the monitors and statistics, and publish the output snapshot.
//
// Thread: the engine. Never allocates or locks.
void TimerDMXTimer(System& system);

// `tmrCopyFromOption`: the "Output" column's caption, the switch channel indicators, the device
// map, the USB indicator.
void tmrCopyFromOptionTimer(System& system);

}  // namespace wl
