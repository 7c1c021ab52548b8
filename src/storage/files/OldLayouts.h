#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "storage/files/BlockIo.h"

namespace wl {

// An older layout, recognised by the exact size of its file. Sequencer versions are 1..11, track
// versions 21..24. Some sizes are known but their block lists cannot be read (they ask for more
// bytes than the file holds); such a layout has no blocks and `readable` false.
struct OldLayout {
    int version;
    std::int64_t size;
    bool readable;
    Layout blocks;
};

// The older sequencer or track layout of a file of `size` bytes, if any.
//
// Thread: any. Allocates on first use only.
const OldLayout* oldSeqLayout(std::int64_t size);
const OldLayout* oldTrackLayout(std::int64_t size);

// The sizes of the older sequencer or track layouts that can be read, in the order they are
// compared.
//
// Thread: any. Allocates.
std::vector<std::int64_t> readableOldSeqSizes();
std::vector<std::int64_t> readableOldTrackSizes();

}  // namespace wl
