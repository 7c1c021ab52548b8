#include "platform/LibFtdiDriver.h"

#include <ftdi.h>

#include <climits>

namespace wl {

namespace {

// What libftdi's write returns when its context holds no open device.
constexpr int kWriteDeviceUnavailable = -666;

}  // namespace

FtStatus ftStatusOf(FtdiCall call, int result) {
    if (result >= 0) return kFtOk;
    switch (call) {
        case FtdiCall::FindAll:
            return result == -3 ? kFtInsufficientResources : kFtIoError;
        case FtdiCall::Open:
            // -3 configure, -4 open, -5 claim, -11 detach: the board is there but cannot be had.
            if (result == -3 || result == -4 || result == -5 || result == -11) {
                return kFtDeviceNotOpened;
            }
            return result == -8 ? kFtInvalidHandle : kFtIoError;
        case FtdiCall::Close:
            return result == -3 ? kFtInvalidHandle : kFtIoError;
        case FtdiCall::Reset:
        case FtdiCall::PollStatus:
            return result == -2 ? kFtInvalidHandle : kFtIoError;
        case FtdiCall::Write:
            return result == kWriteDeviceUnavailable ? kFtInvalidHandle : kFtIoError;
    }
    return kFtIoError;
}

LibFtdiDriver::LibFtdiDriver() : context_(ftdi_new()) {
    if (context_ == nullptr) failureReason_ = "libftdi could not initialise libusb";
}

LibFtdiDriver::~LibFtdiDriver() {
    if (context_ == nullptr) return;
    if (opened_) ftdi_usb_close(context_);
    ftdi_free(context_);
}

FtStatus LibFtdiDriver::checkHandle(Handle handle) const {
    if (context_ == nullptr) return kFtInsufficientResources;
    return opened_ && handle == kBoard ? kFtOk : kFtInvalidHandle;
}

FtStatus LibFtdiDriver::listDeviceCount(std::uint32_t& count) {
    count = 0;
    if (context_ == nullptr) return kFtInsufficientResources;
    ftdi_device_list* list = nullptr;
    const int found = ftdi_usb_find_all(context_, &list, 0, 0);
    ftdi_list_free(&list);
    if (found < 0) return ftStatusOf(FtdiCall::FindAll, found);
    count = static_cast<std::uint32_t>(found);
    return kFtOk;
}

FtStatus LibFtdiDriver::open(std::uint32_t index, Handle& handle) {
    handle = 0;
    if (context_ == nullptr) return kFtInsufficientResources;
    // The board this driver holds is busy, as a second open of it would find it.
    if (opened_) return kFtDeviceNotOpened;
    ftdi_device_list* list = nullptr;
    const int found = ftdi_usb_find_all(context_, &list, 0, 0);
    if (found < 0) {
        ftdi_list_free(&list);
        return ftStatusOf(FtdiCall::FindAll, found);
    }
    ftdi_device_list* entry = list;
    for (std::uint32_t i = 0; entry != nullptr && i < index; ++i) entry = entry->next;
    FtStatus status = kFtDeviceNotFound;
    if (entry != nullptr)
        status = ftStatusOf(FtdiCall::Open, ftdi_usb_open_dev(context_, entry->dev));
    ftdi_list_free(&list);
    if (status != kFtOk) return status;
    opened_ = true;
    handle = kBoard;
    return kFtOk;
}

FtStatus LibFtdiDriver::close(Handle handle) {
    if (const FtStatus status = checkHandle(handle); status != kFtOk) return status;
    opened_ = false;
    return ftStatusOf(FtdiCall::Close, ftdi_usb_close(context_));
}

FtStatus LibFtdiDriver::resetDevice(Handle handle) {
    if (const FtStatus status = checkHandle(handle); status != kFtOk) return status;
    return ftStatusOf(FtdiCall::Reset, ftdi_usb_reset(context_));
}

FtStatus LibFtdiDriver::setTimeouts(Handle handle, std::uint32_t readMs, std::uint32_t writeMs) {
    if (const FtStatus status = checkHandle(handle); status != kFtOk) return status;
    if (readMs > INT_MAX || writeMs > INT_MAX) return kFtInvalidParameter;
    context_->usb_read_timeout = static_cast<int>(readMs);
    context_->usb_write_timeout = static_cast<int>(writeMs);
    return kFtOk;
}

FtStatus LibFtdiDriver::getQueueStatus(Handle handle, std::uint32_t& received) {
    received = 0;
    if (const FtStatus status = checkHandle(handle); status != kFtOk) return status;
    unsigned short modem = 0;
    return ftStatusOf(FtdiCall::PollStatus, ftdi_poll_modem_status(context_, &modem));
}

FtStatus LibFtdiDriver::write(Handle handle, const std::uint8_t* data, std::uint32_t count,
                              std::uint32_t& written) {
    written = 0;
    if (const FtStatus status = checkHandle(handle); status != kFtOk) return status;
    if (count > INT_MAX) return kFtInvalidParameter;
    const int result = ftdi_write_data(context_, data, static_cast<int>(count));
    if (result < 0) return ftStatusOf(FtdiCall::Write, result);
    written = static_cast<std::uint32_t>(result);
    // A packet cut short leaves the receiver to resynchronise on the next one; the caller must
    // learn of it as of any failed write.
    return written < count ? kFtIoError : kFtOk;
}

}  // namespace wl
