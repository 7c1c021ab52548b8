#include "platform/CaptureFtdiDriver.h"

#include <cerrno>
#include <cstring>

namespace wl {

CaptureFtdiDriver::CaptureFtdiDriver(const std::string& path)
    : file_(std::fopen(path.c_str(), "wb")) {
    if (file_ == nullptr) failureReason_ = path + ": " + std::strerror(errno);
}

CaptureFtdiDriver::~CaptureFtdiDriver() {
    if (file_ != nullptr) std::fclose(file_);
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
    if (opened_ || file_ == nullptr) return kFtDeviceNotOpened;
    opened_ = true;
    handle = kBoard;
    return kFtOk;
}

FtStatus CaptureFtdiDriver::close(Handle handle) {
    if (const FtStatus status = checkHandle(handle); status != kFtOk) return status;
    opened_ = false;
    // Whatever was captured so far is on disk once the board is closed.
    return std::fflush(file_) == 0 ? kFtOk : kFtIoError;
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

FtStatus CaptureFtdiDriver::write(Handle handle, const std::uint8_t* data, std::uint32_t count,
                                  std::uint32_t& written) {
    written = 0;
    if (const FtStatus status = checkHandle(handle); status != kFtOk) return status;
    written = static_cast<std::uint32_t>(std::fwrite(data, 1, count, file_));
    return written == count ? kFtOk : kFtIoError;
}

}  // namespace wl
