#include "fakes/FakeFtdiDriver.h"

#include <algorithm>

namespace wl::test {

void FakeFtdiDriver::setStatus(Call call, FtStatus status) {
    std::lock_guard lock(mutex_);
    statuses_[static_cast<int>(call)] = status;
}

void FakeFtdiDriver::setDeviceCount(std::uint32_t count) {
    std::lock_guard lock(mutex_);
    deviceCount_ = count;
}

void FakeFtdiDriver::setWriteLimit(std::uint32_t bytes) {
    std::lock_guard lock(mutex_);
    writeLimit_ = bytes;
}

std::vector<std::string> FakeFtdiDriver::calls() const {
    std::lock_guard lock(mutex_);
    return calls_;
}

void FakeFtdiDriver::clearCalls() {
    std::lock_guard lock(mutex_);
    calls_.clear();
}

std::vector<std::vector<std::uint8_t>> FakeFtdiDriver::writes() const {
    std::lock_guard lock(mutex_);
    return writes_;
}

std::size_t FakeFtdiDriver::openHandles() const {
    std::lock_guard lock(mutex_);
    return open_.size();
}

void FakeFtdiDriver::holdWrites() {
    std::lock_guard lock(mutex_);
    holding_ = true;
}

void FakeFtdiDriver::releaseWrites() {
    std::lock_guard lock(mutex_);
    holding_ = false;
    changed_.notify_all();
}

void FakeFtdiDriver::waitUntilWriteHeld() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return writeHeld_; });
}

void FakeFtdiDriver::waitForWrites(std::size_t count) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this, count] { return writes_.size() >= count; });
}

FtStatus FakeFtdiDriver::onHandle(Call call, Handle handle) const {
    return open_.count(handle) != 0 ? scripted(call) : kFtInvalidHandle;
}

FtStatus FakeFtdiDriver::listDeviceCount(std::uint32_t& count) {
    std::lock_guard lock(mutex_);
    calls_.push_back("listDeviceCount");
    const FtStatus status = scripted(Call::List);
    count = status == kFtOk ? deviceCount_ : 0;
    return status;
}

FtStatus FakeFtdiDriver::open(std::uint32_t index, Handle& handle) {
    std::lock_guard lock(mutex_);
    calls_.push_back("open " + std::to_string(index));
    handle = 0;
    if (index >= deviceCount_) return kFtDeviceNotFound;
    if (!open_.empty()) return kFtDeviceNotOpened;
    if (const FtStatus status = scripted(Call::Open); status != kFtOk) return status;
    handle = nextHandle_++;
    open_.insert(handle);
    return kFtOk;
}

FtStatus FakeFtdiDriver::close(Handle handle) {
    std::lock_guard lock(mutex_);
    calls_.push_back("close " + std::to_string(handle));
    const FtStatus status = onHandle(Call::Close, handle);
    open_.erase(handle);
    return status;
}

FtStatus FakeFtdiDriver::resetDevice(Handle handle) {
    std::lock_guard lock(mutex_);
    calls_.push_back("resetDevice " + std::to_string(handle));
    return onHandle(Call::Reset, handle);
}

FtStatus FakeFtdiDriver::setTimeouts(Handle handle, std::uint32_t readMs, std::uint32_t writeMs) {
    std::lock_guard lock(mutex_);
    calls_.push_back("setTimeouts " + std::to_string(handle) + " " + std::to_string(readMs) + " " +
                     std::to_string(writeMs));
    return onHandle(Call::SetTimeouts, handle);
}

FtStatus FakeFtdiDriver::getQueueStatus(Handle handle, std::uint32_t& received) {
    std::lock_guard lock(mutex_);
    calls_.push_back("getQueueStatus " + std::to_string(handle));
    received = 0;
    return onHandle(Call::QueueStatus, handle);
}

FtStatus FakeFtdiDriver::write(Handle handle, const std::uint8_t* data, std::uint32_t count,
                               std::uint32_t& written) {
    std::unique_lock lock(mutex_);
    writeHeld_ = holding_;
    changed_.notify_all();
    changed_.wait(lock, [this] { return !holding_; });
    writeHeld_ = false;
    calls_.push_back("write " + std::to_string(handle) + " " + std::to_string(count));
    written = 0;
    const FtStatus status = onHandle(Call::Write, handle);
    if (status != kFtOk) return status;
    written = std::min(count, writeLimit_);
    writes_.emplace_back(data, data + written);
    changed_.notify_all();
    return written == count ? kFtOk : kFtIoError;
}

}  // namespace wl::test
