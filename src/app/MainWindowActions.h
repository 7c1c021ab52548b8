#pragma once

#include <string>

namespace wl {

class System;

// The main window's file and player buttons, as operations of the logic.
//
// Thread: owner thread. Allocates (paths, file transfers).

// "Open track and sound": the operator chooses a track file; the ".trk" of that name is opened
// and becomes the current track.
void SpeedButtonOpenProjectClick(System& system);

// "Save All Project": the track file, the sequencer file and the settings file, in this order.
// Before it the window asks `saveProjectQuestion` when that is not empty (the sequencer file
// would be written over a file that was not loaded, such as one refused at start-up), and saves
// only on Yes.
std::string saveProjectQuestion(System& system);
void SpeedButtonSaveFileClick(System& system);

// "Play from Start": every sequence stops, the frames are reset and the song goes back to its
// start with no selection.
void SpeedButtonbeginClick(System& system);

}  // namespace wl
