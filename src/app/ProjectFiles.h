#pragma once

#include <string>

namespace wl {

class Engine;

// The main window's "Open track and sound": the operator chooses a track file (asked here, before
// the engine lock is taken); the ".trk" of that name is read by the file worker and becomes the
// current track, and the caption follows.
//
// Thread: the main thread (it asks the operator). Allocates.
void SpeedButtonOpenProjectClick(Engine& engine);

// Before "Save All Project" the window asks this question when it is not empty (the sequencer
// file would be written over a file that was not loaded, such as one refused at start-up), and
// saves only on Yes.
//
// Thread: the main thread. Allocates.
std::string saveProjectQuestion(Engine& engine);

// The main window's "Save All Project": the track file, the sequencer file and the settings file,
// in this order, as they stood when the button was pressed. The copy is taken under short edits
// and the files are written by the engine's file worker, so the show never waits for the disk;
// failures reach the operator and the event log, and the caption follows once the files are
// written. The 256 MiB scene store is not copied up front: the save reads it a sequence at a
// time, and a sequence edited before the save read it is kept aside as it was.
//
// Thread: any (a window, or a task of the engine). Allocates.
void SpeedButtonSaveFileClick(Engine& engine);

}  // namespace wl
