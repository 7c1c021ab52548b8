#pragma once

#include <cstddef>
#include <cstdint>

namespace wl {

// A large block of zeroed memory mapped straight from the system, aligned to 2 MiB and advised
// for transparent huge pages, so the kernel can back it with 2 MiB pages: touching 256 MiB then
// costs 128 page faults instead of 65,536. Where the kernel refuses the advice the block works
// the same on ordinary pages. A page only becomes real memory when it is first written.
//
// Thread: one owner at a time, any thread. Maps in the constructor and unmaps in the destructor;
// nothing else allocates.
class LargeBlock {
  public:
    LargeBlock() = default;  // no memory
    // Throws std::bad_alloc when the system has no room for the mapping.
    explicit LargeBlock(std::size_t bytes);
    ~LargeBlock();
    LargeBlock(LargeBlock&& other) noexcept;
    LargeBlock& operator=(LargeBlock&& other) noexcept;
    LargeBlock(const LargeBlock&) = delete;
    LargeBlock& operator=(const LargeBlock&) = delete;

    std::uint8_t* data() const { return data_; }
    std::size_t size() const { return size_; }
    explicit operator bool() const { return data_ != nullptr; }
    // Whether the kernel took the advice to use 2 MiB pages.
    bool hugePagesAdvised() const { return hugePages_; }

  private:
    void unmap();

    std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t mapped_ = 0;
    bool hugePages_ = false;
};

}  // namespace wl
