#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "storage/files/BlockIo.h"

namespace wl {

// The blocks of one file layout copied out of the tables at one moment, so the file can be written
// later on another thread while the show goes on. The room is made (and touched) before the copy,
// so the copy itself is a quick run of memory copies under the engine lock. One block may be left
// out and streamed while writing instead (the 256 MiB scene store, which a save reads a sequence
// at a time).
//
// Thread: construct anywhere, `capture` with the tables' lock held, `write` on any thread.
// Allocates at construction only.
class LayoutSnapshot {
  public:
    // Fills one piece of the streamed block; `offset` counts from the start of that block.
    using Stream = std::function<void(std::size_t offset, std::span<std::byte> piece)>;

    // `streamed` names the block left out; null copies every block.
    LayoutSnapshot(const Layout& layout, const char* streamed);

    // Copies every block but the streamed one out of the tables.
    void capture(ShowTables& tables);

    // Writes the file atomically; the streamed block comes from `stream` in pieces of
    // `pieceBytes`. Returns the reason of a failure, empty on success.
    std::string write(const std::string& path, const Stream& stream, std::size_t pieceBytes) const;

  private:
    const Layout& layout_;
    std::size_t streamedIndex_;
    std::vector<std::vector<std::byte>> blocks_;  // empty for the streamed block
};

}  // namespace wl
