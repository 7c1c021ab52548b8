#pragma once

#include <string>

namespace wl {

class System;

// The main window's player buttons, as operations of the logic (its file buttons are in
// ProjectFiles.h).
//
// Thread: the engine (inside a task or an edit). Never allocates.

// "Play from Start": every sequence stops, the frames are reset and the song goes back to its
// start with no selection.
void SpeedButtonbeginClick(System& system);

}  // namespace wl
