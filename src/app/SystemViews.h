#pragma once

#include "output/Macros.h"
#include "output/OutputCycle.h"

namespace wl {

class System;

// The views the output logic works through, built from the system's tables for one operation.
// They refer to the system's members and allocate nothing.
//
// Thread: the engine.

// What one output cycle reads and writes.
CycleSources cycleSources(System& system);

// What the macro operations of the "Macros" page work on. Needs the output window's timers
// (`createOutputTimers`), whose `tmrMacro` resets the macro label.
MacroContext macroContext(System& system);

}  // namespace wl
