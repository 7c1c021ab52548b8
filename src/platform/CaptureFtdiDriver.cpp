#include "platform/CaptureFtdiDriver.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace wl {

namespace {

std::string reasonOf(int error) {
    return std::generic_category().message(error);
}

// Why `path` could not be written, found without making or changing anything.
std::string writeProblem(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (fs::is_directory(status)) return path + ": a folder, not a file";
    if (fs::exists(status)) {
        return access(path.c_str(), W_OK) == 0 ? "" : path + ": " + reasonOf(errno);
    }
    const fs::path parent = fs::path(path).parent_path();
    const std::string folder = parent.empty() ? "." : parent.string();
    if (access(folder.c_str(), W_OK | X_OK) != 0) return path + ": " + reasonOf(errno);
    return fs::is_directory(folder, error) ? "" : path + ": " + reasonOf(ENOTDIR);
}

}  // namespace

CaptureFtdiDriver::CaptureFtdiDriver(std::string path)
    : path_(std::move(path)), failureReason_(writeProblem(path_)) {}

CaptureFtdiDriver::~CaptureFtdiDriver() {
    if (fd_ >= 0) ::close(fd_);
}

std::string_view CaptureFtdiDriver::captureFailure() const {
    return failed_.load(std::memory_order_acquire) ? std::string_view(captureFailure_)
                                                   : std::string_view();
}

void CaptureFtdiDriver::fail(int error) {
    if (failed_.load(std::memory_order_relaxed)) return;
    captureFailure_ = path_ + ": " + reasonOf(error);
    failed_.store(true, std::memory_order_release);
}

FtStatus CaptureFtdiDriver::checkHandle(Handle handle) const {
    return opened_ && handle == kBoard ? kFtOk : kFtInvalidHandle;
}

FtStatus CaptureFtdiDriver::listDeviceCount(std::uint32_t& count) {
    count = 1;
    return kFtOk;
}

FtStatus CaptureFtdiDriver::open(std::uint32_t index, Handle& handle) {
    handle = 0;
    if (index != 0) return kFtDeviceNotFound;
    if (opened_ || !failureReason_.empty()) return kFtDeviceNotOpened;
    if (fd_ < 0) {
        fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd_ < 0) {
            fail(errno);
            return kFtDeviceNotOpened;
        }
    }
    opened_ = true;
    handle = kBoard;
    return kFtOk;
}

FtStatus CaptureFtdiDriver::close(Handle handle) {
    if (const FtStatus status = checkHandle(handle); status != kFtOk) return status;
    opened_ = false;
    return kFtOk;
}

FtStatus CaptureFtdiDriver::resetDevice(Handle handle) {
    return checkHandle(handle);
}

FtStatus CaptureFtdiDriver::setTimeouts(Handle handle, std::uint32_t, std::uint32_t) {
    return checkHandle(handle);
}

FtStatus CaptureFtdiDriver::getQueueStatus(Handle handle, std::uint32_t& received) {
    received = 0;
    return checkHandle(handle);
}

// Unbuffered, so a write the file refuses fails at once, with the system's reason.
FtStatus CaptureFtdiDriver::write(Handle handle, const std::uint8_t* data, std::uint32_t count,
                                  std::uint32_t& written) {
    written = 0;
    if (const FtStatus status = checkHandle(handle); status != kFtOk) return status;
    while (written < count) {
        const ssize_t done = ::write(fd_, data + written, count - written);
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) {
            fail(done < 0 ? errno : EIO);
            return kFtIoError;
        }
        written += static_cast<std::uint32_t>(done);
    }
    return kFtOk;
}

}  // namespace wl
