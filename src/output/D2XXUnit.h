#pragma once

#include <string_view>

#include "output/UsbLinkState.h"
#include "output/UsbPacket.h"
#include "platform/FtdiDriver.h"

namespace wl {

// The reason appended to a failed call's name: " - Ошибка Handle..." for status 1 and so on;
// empty for a status without a text, which UsbReportStatus then names by its number.
std::string_view UsbStatusReason(FtStatus status);

// One driver call per operation, on the link state's handle. A call that fails hands its name
// and status to UsbReportStatus, except an open that finds no board.
//
// Thread: the USB link thread. Allocates only when a failure text outgrows the last one.
class D2XXUnit {
  public:
    D2XXUnit(FtdiDriver& driver, UsbLinkState& state) : driver_(driver), state_(state) {}

    FtStatus GetFTDeviceCount();
    FtStatus UsbOpen();
    FtStatus UsbClose();
    FtStatus UsbReset();
    FtStatus UsbSetTimeouts(std::uint32_t readMs, std::uint32_t writeMs);
    FtStatus UsbQueueStatus();
    FtStatus UsbWrite(const UsbPacket& packet);

    // While errors are reported: the link is no longer good and UsbStatusText says why, as the
    // call's name and its reason, or " - status " and the number for a status without a text.
    void UsbReportStatus(std::string_view name, FtStatus status);

  private:
    FtStatus checked(std::string_view name, FtStatus status);

    FtdiDriver& driver_;
    UsbLinkState& state_;
};

}  // namespace wl
