#pragma once

#include <optional>
#include <vector>

#include "platform/SharedMemory.h"

namespace wl {

// Shared memory through POSIX shm_open and mmap; the blocks live under /dev/shm.
//
// Thread: main thread. Allocates only for failure texts.
class PosixSharedMemory final : public SharedMemory {
  public:
    Opened createOrOpen(const std::string& name, std::size_t size) override;
    Mapped map(Handle handle, std::size_t size) override;
    void unmap(std::uint8_t* view, std::size_t size) override;
    void close(Handle handle) override;
    void remove(const std::string& name) override;
};

// A copy of the first `size` bytes of an existing block, read without changing it; nothing when
// the block does not exist or cannot be read (`error` says why).
//
// Thread: any. Allocates.
std::optional<std::vector<std::uint8_t>> readSharedBlock(const std::string& name, std::size_t size,
                                                         std::string& error);

}  // namespace wl
