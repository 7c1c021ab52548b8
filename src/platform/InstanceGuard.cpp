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
constexpr mode_t kBlockMode = 0666;
}  // namespace

InstanceGuard::InstanceGuard(std::string name) : name_(std::move(name)) {}

InstanceGuard::~InstanceGuard() {
    release();
}

InstanceGuard::Outcome InstanceGuard::acquire() {
    release();
    failureReason_.clear();
    if (!openBlock()) {
        fail(errno);
        return Outcome::CreateFailed;
    }
    struct stat info {};
    if (fstat(fd_, &info) != 0 ||
        (info.st_size < static_cast<off_t>(kBlockSize) && ftruncate(fd_, kBlockSize) != 0)) {
        fail(errno);
        return Outcome::CreateFailed;
    }
    view_ = mmap(nullptr, kBlockSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd_, 0);
    if (view_ == MAP_FAILED) {
        view_ = nullptr;
        fail(errno);
        return Outcome::MapFailed;
    }
    if (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error == EWOULDBLOCK) {
            release();
            return Outcome::AlreadyRunning;
        }
        fail(error);
        return Outcome::CreateFailed;
    }
    std::memcpy(view_, kMarker, std::strlen(kMarker) + 1);
    return Outcome::Acquired;
}

bool InstanceGuard::openBlock() {
    // Made anew it gets the umask's mode, which would keep every other user from opening it and
    // so from seeing that a copy runs: its mode is set explicitly. A block left by an older copy
    // is opened up too when it is ours.
    for (int attempt = 0; attempt < 3; ++attempt) {
        fd_ = shm_open(name_.c_str(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, kBlockMode);
        if (fd_ >= 0) return fchmod(fd_, kBlockMode) == 0;
        if (errno != EEXIST) return false;
        fd_ = shm_open(name_.c_str(), O_RDWR | O_CLOEXEC, 0);
        if (fd_ >= 0) {
            fchmod(fd_, kBlockMode);  // only its owner may; anyone else takes it as it is
            return true;
        }
        // Removed between the two calls: make it again.
        if (errno != ENOENT) return false;
    }
    return false;
}

void InstanceGuard::fail(int error) {
    failureReason_ = "shared memory " + name_ + ": " + std::strerror(error);
    release();
}

void InstanceGuard::release() {
    if (view_ != nullptr) munmap(view_, kBlockSize);
    view_ = nullptr;
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
}

}  // namespace wl
