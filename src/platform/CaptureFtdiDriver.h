#pragma once

#include <cstdio>
#include <string>

#include "platform/FtdiDriver.h"

namespace wl {

// A simulated board that is always plugged in and records every byte written to it, in order,
// into a file: a show can be checked, replayed or compared without the hardware.
//
// Thread: the USB link thread only. Does not allocate after construction.
class CaptureFtdiDriver final : public FtdiDriver {
  public:
    // Creates (or empties) the capture file.
    explicit CaptureFtdiDriver(const std::string& path);
    ~CaptureFtdiDriver() override;
    CaptureFtdiDriver(const CaptureFtdiDriver&) = delete;
    CaptureFtdiDriver& operator=(const CaptureFtdiDriver&) = delete;

    // Why the capture file cannot be written; empty while it can.
    const std::string& failureReason() const { return failureReason_; }

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

    std::FILE* file_ = nullptr;
    bool opened_ = false;
    std::string failureReason_;
};

}  // namespace wl
