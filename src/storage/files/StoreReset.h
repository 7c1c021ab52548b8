#pragma once

#include "storage/files/ShowTables.h"

namespace wl {

// The store reset run before every sequencer load and at start-up: every table the sequencer
// file holds takes its reset value (the settings record its start values, channel limits 0..255,
// unassigned keys, the default schedule, no macros), the macro names are cleared too. Tables the
// reset keeps (view positions, clock sources, influences, spares, anticipations of clip tracks
// 33-64) are left alone; so are the track store and the effects, which have their own resets.
//
// Thread: the engine. Never allocates.
void ResetStore(ShowTables& tables, bool programStart);
// The same for every table but the scene levels, for a load that brings its levels in a block of
// their own.
void ResetStoreTables(ShowTables& tables, bool programStart);

}  // namespace wl
