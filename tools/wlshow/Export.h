#pragma once

#include <optional>
#include <ostream>

#include "LoadedShow.h"

namespace wl::tool {

// Writes the loaded file as JSON: what differs from the reset values, names in UTF-8 without
// their trailing spaces. Sequence, scene, track, tick and effect numbers are the stored indices
// from 0; channel numbers `n` run from 1. `levelsOf` adds the levels of that sequence's linked
// channels for every scene.
//
// Thread: owner thread. Allocates.
void exportJson(std::ostream& out, const LoadedShow& loaded, OwnedShowTables& tables,
                std::optional<int> levelsOf);

// The UTF-8 text of a stored name: bytes at or below 32 read as spaces, trailing spaces dropped,
// Windows-1251 decoded.
std::string nameText(const char* bytes, std::size_t length);

}  // namespace wl::tool
