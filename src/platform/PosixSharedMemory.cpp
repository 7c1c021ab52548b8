#include "platform/PosixSharedMemory.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace wl {

namespace {

// Everyone may read and write the blocks: the viewer may run under another account.
constexpr mode_t kBlockMode = 0666;

std::string systemError() {
    return std::strerror(errno);
}

// Grows a block that is too small, as one made by another program may be.
bool ensureSize(int fd, std::size_t size) {
    struct stat info {};
    if (fstat(fd, &info) != 0) return false;
    if (static_cast<std::size_t>(info.st_size) >= size) return true;
    return ftruncate(fd, static_cast<off_t>(size)) == 0;
}

}  // namespace

SharedMemory::Opened PosixSharedMemory::createOrOpen(const std::string& name, std::size_t size) {
    Opened result;
    int fd = shm_open(name.c_str(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, kBlockMode);
    if (fd >= 0) {
        result.created = true;
        fchmod(fd, kBlockMode);  // past the umask
    } else if (errno == EEXIST) {
        fd = shm_open(name.c_str(), O_RDWR | O_CLOEXEC, 0);
    }
    if (fd < 0) {
        result.error = systemError();
        return result;
    }
    if (!ensureSize(fd, size)) {
        result.error = systemError();
        ::close(fd);
        if (result.created) shm_unlink(name.c_str());
        result.created = false;
        return result;
    }
    result.handle = fd;
    return result;
}

SharedMemory::Mapped PosixSharedMemory::map(Handle handle, std::size_t size) {
    Mapped result;
    void* view = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, handle, 0);
    if (view == MAP_FAILED) {
        result.error = systemError();
    } else {
        result.view = static_cast<std::uint8_t*>(view);
    }
    return result;
}

void PosixSharedMemory::unmap(std::uint8_t* view, std::size_t size) {
    munmap(view, size);
}

void PosixSharedMemory::close(Handle handle) {
    ::close(handle);
}

void PosixSharedMemory::remove(const std::string& name) {
    shm_unlink(name.c_str());
}

std::optional<std::vector<std::uint8_t>> readSharedBlock(const std::string& name, std::size_t size,
                                                         std::string& error) {
    const int fd = shm_open(name.c_str(), O_RDONLY | O_CLOEXEC, 0);
    if (fd < 0) {
        error = systemError();
        return std::nullopt;
    }
    // Reading past the end of a shorter block would fault instead of failing.
    struct stat info {};
    void* view = MAP_FAILED;
    if (fstat(fd, &info) != 0) {
        error = systemError();
    } else if (static_cast<std::size_t>(info.st_size) < size) {
        error = "the block holds only " + std::to_string(info.st_size) + " bytes";
    } else {
        view = mmap(nullptr, size, PROT_READ, MAP_SHARED, fd, 0);
        if (view == MAP_FAILED) error = systemError();
    }
    ::close(fd);
    if (view == MAP_FAILED) return std::nullopt;
    const auto* bytes = static_cast<const std::uint8_t*>(view);
    std::vector<std::uint8_t> copy(bytes, bytes + size);
    munmap(view, size);
    return copy;
}

}  // namespace wl
