#pragma once

#include "sequencer/SequencerStore.h"

namespace wl::tool {

// Whether a loaded table still holds what the store reset gives it, for the summary and the
// export, which show only what a show changed.
//
// Thread: any. Never allocates.

// A name with any visible character (the reset leaves names all 0, read as spaces).
bool nameUsed(const Name& name);

// A sequence with a name, a run mode, a clock source, another view, scene words other than
// 500 ms, links or levels.
bool sequenceUsed(const SequencerStore& store, int seq);

}  // namespace wl::tool
