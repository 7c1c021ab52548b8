#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/FtdiDriver.h"

namespace wl::test {

// A USB DMX board whose answers the test sets. It records every call as a line ("open 0",
// "write 1 530", ...) and every written byte. Boards are busy while a handle is open, as the
// real driver's are, so a second open fails until the first handle is closed.
//
// Writes can be held: while held, a write waits inside the driver until the test releases it,
// standing in for a board that blocks until its time-out. Everything is locked, so the test may
// look while a link thread calls.
class FakeFtdiDriver final : public FtdiDriver {
  public:
    enum class Call { List, Open, Close, Reset, SetTimeouts, QueueStatus, Write };

    // The status every later call of that kind returns (kFtOk at first).
    void setStatus(Call call, FtStatus status);
    // How many boards are plugged in (1 at first); opening past them finds no board.
    void setDeviceCount(std::uint32_t count);
    // The most bytes each later write takes (all at first). A write cut short records the bytes
    // it took and fails with kFtIoError, as the real driver's does.
    void setWriteLimit(std::uint32_t bytes);

    std::vector<std::string> calls() const;
    void clearCalls();
    std::vector<std::vector<std::uint8_t>> writes() const;
    std::size_t openHandles() const;

    // From now on each write waits inside the driver until releaseWrites.
    void holdWrites();
    void releaseWrites();
    // Waits until a write is waiting inside the driver.
    void waitUntilWriteHeld();
    // Waits until `count` writes have been recorded.
    void waitForWrites(std::size_t count);

    FtStatus listDeviceCount(std::uint32_t& count) override;
    FtStatus open(std::uint32_t index, Handle& handle) override;
    FtStatus close(Handle handle) override;
    FtStatus resetDevice(Handle handle) override;
    FtStatus setTimeouts(Handle handle, std::uint32_t readMs, std::uint32_t writeMs) override;
    FtStatus getQueueStatus(Handle handle, std::uint32_t& received) override;
    FtStatus write(Handle handle, const std::uint8_t* data, std::uint32_t count,
                   std::uint32_t& written) override;

  private:
    FtStatus scripted(Call call) const { return statuses_[static_cast<int>(call)]; }
    // The scripted status, or kFtInvalidHandle for a handle that is not open.
    FtStatus onHandle(Call call, Handle handle) const;

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::array<FtStatus, 7> statuses_{};
    std::uint32_t deviceCount_ = 1;
    std::uint32_t writeLimit_ = UINT32_MAX;
    std::vector<std::string> calls_;
    std::vector<std::vector<std::uint8_t>> writes_;
    std::set<Handle> open_;
    Handle nextHandle_ = 1;
    bool holding_ = false;
    bool writeHeld_ = false;
};

}  // namespace wl::test
