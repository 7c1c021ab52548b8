#pragma once

#include <iosfwd>
#include <string>

namespace wl {

class System;

// Thread: owner thread. Building the line allocates; it is made once a second, off the hot paths.

// One line telling how the fountain runs, for a show computer with no screen, ending with the
// main window's fault panel when an output fails.
std::string headlessStatusLine(const System& system);

// Prints the status line once a second of show time on `out`.
void startHeadlessStatus(System& system, std::ostream& out);

}  // namespace wl
