#pragma once

#include <iosfwd>
#include <string>

namespace wl {

class Engine;
class System;

// Thread: the line is made on the engine, once a second, off the hot paths (it allocates); it is
// printed on the main thread, so a slow terminal or journal never holds up the show.

// One line telling how the fountain runs, for a show computer with no screen: show time, mode,
// late timer runs, frame rate, late cycles, the spread of the time between output cycles over
// the last minute ("interval p50 10.0 p99 10.3 max 11.2 ms"), and the main window's fault panel
// when an output fails.
std::string headlessStatusLine(const System& system);

// Prints the status line once a second of show time on `out`.
void startHeadlessStatus(Engine& engine, std::ostream& out);

}  // namespace wl
