#include "platform/InstanceGuard.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace wl {

namespace {
constexpr std::size_t kBlockSize = 4096;
}

InstanceGuard::InstanceGuard(std::string name) : name_(std::move(name)) {}

InstanceGuard::~InstanceGuard() {
    release();
}

InstanceGuard::Outcome InstanceGuard::acquire() {
    release();
    failureReason_.clear();
    fd_ = shm_open(name_.c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0666);
    if (fd_ < 0) {
        failureReason_ = std::strerror(errno);
        return Outcome::CreateFailed;
    }
    struct stat info {};
    if (fstat(fd_, &info) != 0 ||
        (info.st_size < static_cast<off_t>(kBlockSize) && ftruncate(fd_, kBlockSize) != 0)) {
        failureReason_ = std::strerror(errno);
        release();
        return Outcome::CreateFailed;
    }
    view_ = mmap(nullptr, kBlockSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd_, 0);
    if (view_ == MAP_FAILED) {
        view_ = nullptr;
        failureReason_ = std::strerror(errno);
        release();
        return Outcome::MapFailed;
    }
    if (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        release();
        if (error == EWOULDBLOCK) return Outcome::AlreadyRunning;
        failureReason_ = std::strerror(error);
        return Outcome::CreateFailed;
    }
    std::memcpy(view_, kMarker, std::strlen(kMarker) + 1);
    return Outcome::Acquired;
}

void InstanceGuard::release() {
    if (view_ != nullptr) munmap(view_, kBlockSize);
    view_ = nullptr;
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
}

}  // namespace wl
