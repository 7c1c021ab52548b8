#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "storage/files/BlockIo.h"

namespace wl {

// A block of a layout as data: the table's name and the bytes the block holds. A null name is a
// block that is read and thrown away.
struct BlockSpec {
    const char* table;
    std::size_t bytes;
};

inline constexpr const char* kSkipped = nullptr;

// Thread: any (the functions only look up names). `layoutOf` allocates the list it returns.

// Resolves a layout written as data into blocks of real tables. Throws std::logic_error for a
// table name nobody knows.
Layout layoutOf(std::span<const BlockSpec> specs);

// The whole table named `name` ("SceneStore", "ChannelMin", "TrackSeq", "OldScenes", ...) as the
// files see it: frames without their unused index 0, planes as all their slots.
std::span<std::byte> tableBytes(ShowTables& tables, std::string_view name);

}  // namespace wl
