#pragma once

#include <string>

#include "LoadedShow.h"

namespace wl::tool {

// One line about a loaded file: its kind, the layout version its size gives, and what it holds
// (used sequences and linked channels, or tracks with events, the last event's time and the
// effects in use).
//
// Thread: owner thread. Allocates.
std::string summaryLine(const LoadedShow& loaded, OwnedShowTables& tables);

}  // namespace wl::tool
