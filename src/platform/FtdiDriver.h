#pragma once

#include <cstdint>

namespace wl {

// The status of a driver call, numbered as the board's original driver numbers them, so the
// link's texts and tests speak of the same failures whatever library sits underneath.
using FtStatus = int;
inline constexpr FtStatus kFtOk = 0;
inline constexpr FtStatus kFtInvalidHandle = 1;
inline constexpr FtStatus kFtDeviceNotFound = 2;
inline constexpr FtStatus kFtDeviceNotOpened = 3;
inline constexpr FtStatus kFtIoError = 4;
inline constexpr FtStatus kFtInsufficientResources = 5;
inline constexpr FtStatus kFtInvalidParameter = 6;

// The driver of the USB DMX interface board: the seven calls the link makes, each one blocking
// call returning a status. A handle names one opened board; 0 is never a valid handle.
//
// Thread: the USB link thread only (or the engine while no link thread runs). The real
// driver may allocate in `listDeviceCount` and `open`; writes never allocate.
class FtdiDriver {
  public:
    using Handle = std::uint32_t;

    virtual ~FtdiDriver() = default;

    // How many boards are plugged in; `count` is 0 when the call fails.
    virtual FtStatus listDeviceCount(std::uint32_t& count) = 0;
    // Opens the board at `index` in the list order.
    virtual FtStatus open(std::uint32_t index, Handle& handle) = 0;
    virtual FtStatus close(Handle handle) = 0;
    virtual FtStatus resetDevice(Handle handle) = 0;
    virtual FtStatus setTimeouts(Handle handle, std::uint32_t readMs, std::uint32_t writeMs) = 0;
    // A cheap question to the board; it fails when the board is gone.
    virtual FtStatus getQueueStatus(Handle handle, std::uint32_t& received) = 0;
    // Blocks until the bytes are written or the write time-out passes. A write that took fewer
    // bytes than it was given is an I/O error; `written` still says how many went out.
    virtual FtStatus write(Handle handle, const std::uint8_t* data, std::uint32_t count,
                           std::uint32_t& written) = 0;
};

}  // namespace wl
