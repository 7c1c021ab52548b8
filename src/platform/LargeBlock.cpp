#include "platform/LargeBlock.h"

#include <sys/mman.h>

#include <cstdint>
#include <new>
#include <utility>

namespace wl {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

constexpr std::size_t roundUp(std::size_t bytes, std::size_t unit) {
    return (bytes + unit - 1) / unit * unit;
}

}  // namespace

LargeBlock::LargeBlock(std::size_t bytes) {
    if (bytes == 0) return;
    mapped_ = roundUp(bytes, kHugePage);
    // One huge page more than needed, so a 2 MiB boundary lies inside; the rest is handed back.
    const std::size_t reserved = mapped_ + kHugePage;
    void* raw = mmap(nullptr, reserved, PROT_READ | PROT_WRITE,
                     MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (raw == MAP_FAILED) throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = roundUp(start, kHugePage);
    const std::size_t head = aligned - start;
    const std::size_t tail = reserved - head - mapped_;
    if (head > 0) munmap(raw, head);
    if (tail > 0) munmap(reinterpret_cast<void*>(aligned + mapped_), tail);
    data_ = reinterpret_cast<std::uint8_t*>(aligned);
    size_ = bytes;
    // A kernel without transparent huge pages says no; ordinary pages then serve as well.
    hugePages_ = madvise(data_, mapped_, MADV_HUGEPAGE) == 0;
}

LargeBlock::~LargeBlock() {
    unmap();
}

LargeBlock::LargeBlock(LargeBlock&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      mapped_(std::exchange(other.mapped_, 0)),
      hugePages_(std::exchange(other.hugePages_, false)) {}

LargeBlock& LargeBlock::operator=(LargeBlock&& other) noexcept {
    if (this != &other) {
        unmap();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        mapped_ = std::exchange(other.mapped_, 0);
        hugePages_ = std::exchange(other.hugePages_, false);
    }
    return *this;
}

void LargeBlock::unmap() {
    if (data_ != nullptr) munmap(data_, mapped_);
    data_ = nullptr;
    size_ = 0;
    mapped_ = 0;
}

}  // namespace wl
