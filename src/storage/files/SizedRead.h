#pragma once

#include <cstdint>
#include <string>

#include "storage/files/BlockIo.h"
#include "storage/files/OldLayouts.h"

namespace wl {

// What reading a show file found. A file is recognised by its exact size only.
struct ReadOutcome {
    enum class Status {
        Loaded,           // the current layout, or an older one read into the staging tables
        UnknownSize,      // no layout has this size: nothing read
        UnreadableOlder,  // an older size whose block list cannot be read: nothing read
        Failed,           // a block could not be read; the blocks before it are loaded
    };
    Status status = Status::UnknownSize;
    int version = 0;  // 0 for the current layout, else the older version number
    std::int64_t size = -1;
    std::string failure;
};

using OldLayoutLookup = const OldLayout* (*)(std::int64_t size);

// Reads the file at `path` with the current layout when its size is `currentBytes`, else with the
// older layout of its size. Converting the staging tables is the caller's part.
//
// Thread: the engine. Allocates (file handle, texts).
ReadOutcome readBySize(const std::string& path, const Layout& current, std::int64_t currentBytes,
                       OldLayoutLookup oldLayout, ShowTables& tables);

}  // namespace wl
