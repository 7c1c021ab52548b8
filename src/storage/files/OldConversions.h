#pragma once

#include "storage/files/ShowTables.h"

namespace wl {

// Moves what an older sequencer layout (versions 1..8) left in the staging tables into the
// current tables: scenes of 32 sequences on channels 1-512, 64 names, the links of 64 sequences,
// the scene control of 32 sequences, and the view positions.
//
// Thread: the engine. Never allocates.
void convertOldSeq(ShowTables& tables);

// Versions 9..11 stored 32 macros of which only the first 16 were ever used; the rest is cleared.
void clearUpperMacros(ShowTables& tables);

// Moves what an older track layout (versions 21..24) left in the staging tables into the current
// tables: 64 effect names, and the names and four main planes of tracks 1-32.
void convertOldTrack(ShowTables& tables);

}  // namespace wl
