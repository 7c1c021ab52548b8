#pragma once

#include <atomic>
#include <string>
#include <string_view>

#include "platform/FtdiDriver.h"

namespace wl {

// A simulated board that is always plugged in and records every byte written to it, in order,
// into a file: a show can be checked, replayed or compared without the hardware.
//
// Thread: the USB link thread, but for `captureFailure`, which any thread may read. Allocates
// only at construction and once when the capture first fails.
class CaptureFtdiDriver final : public FtdiDriver {
  public:
    // Only looks whether the capture file could be written: it is made (or emptied) when the
    // board is first opened, so a copy of the program that never opens it leaves it as it was.
    explicit CaptureFtdiDriver(std::string path);
    ~CaptureFtdiDriver() override;
    CaptureFtdiDriver(const CaptureFtdiDriver&) = delete;
    CaptureFtdiDriver& operator=(const CaptureFtdiDriver&) = delete;

    // Why the capture file cannot be written, as far as can be seen at start; empty while it
    // looks writable. The board never opens while it is set.
    const std::string& failureReason() const { return failureReason_; }
    // Why the capture could not be made or written, from the first failure on; empty until then.
    std::string_view captureFailure() const;

    FtStatus listDeviceCount(std::uint32_t& count) override;
    FtStatus open(std::uint32_t index, Handle& handle) override;
    FtStatus close(Handle handle) override;
    FtStatus resetDevice(Handle handle) override;
    FtStatus setTimeouts(Handle handle, std::uint32_t readMs, std::uint32_t writeMs) override;
    FtStatus getQueueStatus(Handle handle, std::uint32_t& received) override;
    FtStatus write(Handle handle, const std::uint8_t* data, std::uint32_t count,
                   std::uint32_t& written) override;

  private:
    static constexpr Handle kBoard = 1;

    FtStatus checkHandle(Handle handle) const;
    // Keeps the first failure's reason.
    void fail(int error);

    std::string path_;
    int fd_ = -1;
    bool opened_ = false;
    std::string failureReason_;
    std::string captureFailure_;  // written once, before `failed_` is set
    std::atomic<bool> failed_{false};
};

}  // namespace wl
