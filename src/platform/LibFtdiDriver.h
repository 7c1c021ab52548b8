#pragma once

#include <string>

#include "platform/FtdiDriver.h"

struct ftdi_context;

namespace wl {

// The calls a libftdi result can come from; each call gives its negative results its own meaning.
enum class FtdiCall { FindAll, Open, Close, Reset, PollStatus, Write };

// The status number of a libftdi result (0 or more is success).
FtStatus ftStatusOf(FtdiCall call, int result);

// The board reached through libftdi1 and libusb, with the default FTDI vendor and product ids.
// One board is open at a time, which is all the link needs; its handle is 1. A write that takes
// fewer bytes than it was given fails with kFtIoError, `written` saying how many went out.
//
// Thread: the USB link thread only. Allocates while listing and opening.
class LibFtdiDriver final : public FtdiDriver {
  public:
    LibFtdiDriver();
    ~LibFtdiDriver() override;
    LibFtdiDriver(const LibFtdiDriver&) = delete;
    LibFtdiDriver& operator=(const LibFtdiDriver&) = delete;

    // Why the library could not be initialised; empty when it could. Every call then fails with
    // kFtInsufficientResources.
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

    // The status for a call on `handle`, or kFtOk when the call may go ahead.
    FtStatus checkHandle(Handle handle) const;

    ftdi_context* context_ = nullptr;
    bool opened_ = false;
    std::string failureReason_;
};

}  // namespace wl
