#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace wl {

// Named blocks of memory that another program on the machine can map too.
//
// Thread: main thread. Implementations allocate only for failure texts.
class SharedMemory {
  public:
    using Handle = int;
    static constexpr Handle kNoHandle = -1;

    struct Opened {
        Handle handle = kNoHandle;
        bool created = false;  // false: another program had made the block first
        std::string error;     // why the block could not be had, when handle is kNoHandle
    };
    struct Mapped {
        std::uint8_t* view = nullptr;
        std::string error;  // why the view could not be mapped, when view is null
    };

    virtual ~SharedMemory() = default;

    // Creates the block `name` ("/name") of at least `size` bytes, or opens it when it exists.
    virtual Opened createOrOpen(const std::string& name, std::size_t size) = 0;
    // A writable view of the first `size` bytes of the block.
    virtual Mapped map(Handle handle, std::size_t size) = 0;
    virtual void unmap(std::uint8_t* view, std::size_t size) = 0;
    virtual void close(Handle handle) = 0;
    // Removes the name; programs that still map the block keep it until they let go.
    virtual void remove(const std::string& name) = 0;
};

}  // namespace wl
