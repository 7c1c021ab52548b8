#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "storage/files/ShowTables.h"

class QIODevice;

namespace wl {

// One block of a show file: `bytes` bytes moved between the file and the start of a table. A
// block without a table is read and thrown away (older layouts) and written as zeros.
struct Block {
    const char* name;
    std::size_t bytes;
    std::function<std::span<std::byte>(ShowTables&)> table;
};

// The blocks of one file layout, in file order. Reader and writer both walk this one list.
using Layout = std::vector<Block>;

std::int64_t layoutBytes(const Layout& layout);
// Offset of the first block named `name`, or -1.
std::int64_t blockOffset(const Layout& layout, const char* name);

// Reads the layout's blocks from the device's current position, each straight into its table.
// Stops at the first block that cannot be read whole; the blocks before it keep what they read.
// Returns the reason of the failure, empty on success.
//
// Thread: the engine. Never allocates apart from the failure text and skipped blocks.
std::string readBlocks(QIODevice& file, const Layout& layout, ShowTables& tables);

// Copies the layout's blocks from `bytes`, laid out as in the file, into their tables.
//
// Thread: the engine. Never allocates.
void copyBlocksFrom(std::span<const std::byte> bytes, const Layout& layout, ShowTables& tables);

// Copies the tables of the layout's blocks, as far as each block reaches, from one set of tables
// to another, leaving out the block named `except`.
//
// Thread: the engine, for both sets. Never allocates.
void copyBlockTables(const Layout& layout, ShowTables& from, ShowTables& to,
                     std::string_view except);

// Writes the layout's blocks to `path` atomically: the previous file stays whole until the new
// one is complete. Returns the reason of the failure, empty on success.
//
// Thread: the engine. Allocates (file handles, failure text).
std::string writeLayoutFile(const std::string& path, const Layout& layout, ShowTables& tables);

// Hands a writer the bytes of one block in pieces: it calls `write` with pieces that add up to
// the block's size, in order, and returns false as soon as a `write` does.
using PieceWriter = std::function<bool(std::span<const std::byte>)>;
using BlockSource =
    std::function<bool(std::size_t blockIndex, const Block& block, const PieceWriter& write)>;

// Writes the layout atomically with each block's bytes coming from `source`.
//
// Thread: any (whatever `source` touches is the caller's business). Allocates.
std::string writeLayoutWith(const std::string& path, const Layout& layout,
                            const BlockSource& source);

// Opens `path` and reads the layout from its start; for files whose size was already checked.
std::string readLayoutFile(const std::string& path, const Layout& layout, ShowTables& tables);

// Reads the file at `path` once and forgets what it read, so that the next reading of it comes
// from memory: slow file work done off the engine lock before a read under it. A file that
// cannot be read is left to that next reading to report.
//
// Thread: any. Allocates a buffer.
void readAhead(const std::string& path);

// Reads the start of the file at `path` into `into`, whole; returns the reason of a failure,
// empty on success.
std::string readFileStart(const std::string& path, std::span<std::byte> into);

// The size of the file at `path`, or -1 when there is none.
std::int64_t fileSize(const std::string& path);

}  // namespace wl
