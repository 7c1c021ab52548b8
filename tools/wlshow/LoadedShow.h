#pragma once

#include <cstdint>
#include <string>

#include "storage/files/ShowTables.h"

namespace wl::tool {

enum class ShowKind { Seq, Trk, Sfr, Set };

const char* kindName(ShowKind kind);

// What reading one show file found. A refused file loaded nothing worth showing; `reason` says
// why in one line.
struct LoadedShow {
    ShowKind kind = ShowKind::Seq;
    std::int64_t size = -1;
    int version = 0;  // 0 for the current layout, else the older version number
    bool kindKnown = false;
    bool refused = false;
    std::string reason;
    bool hadHeader = true;  // older track layouts 22..24 carry no header
};

// Reads `path` with the program's own readers into tables brought to their reset state first.
// The kind comes from the extension (".seq" and ".tmp", ".trk", ".sfr", ".set"), else from the
// size; a ".sfr" file (exactly one sequence) is read into sequence 0. A path that is no regular
// file is refused saying what it is.
//
// Thread: owner thread. Allocates.
LoadedShow loadShow(const std::string& path, OwnedShowTables& tables);

// Writes the tables in the current layout of `kind`; returns the reason of a failure, empty on
// success. Only a regular file or a new one is written: anything else at `path` is refused.
std::string saveShow(const std::string& path, const LoadedShow& loaded, OwnedShowTables& tables);

}  // namespace wl::tool
