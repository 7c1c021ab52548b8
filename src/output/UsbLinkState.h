#pragma once

#include <cstdint>
#include <string>

#include "platform/FtdiDriver.h"

namespace wl {

// Everything the USB link knows about the board. The link thread owns one copy and hands the
// main thread snapshots of it.
//
// Thread: whoever owns the copy. Plain data.
struct UsbLinkState {
    FtdiDriver::Handle UsbHandle = 0;
    std::uint32_t UsbDeviceIndex = 0;  // always the first board the driver lists
    std::uint32_t UsbDeviceCount = 0;
    bool UsbOpened = false;
    bool UsbLinkGood = false;      // packets may be written
    bool UsbListed = false;        // the boards were counted since the last open attempt
    bool UsbReportErrors = true;   // a failed call updates UsbStatusText and clears UsbLinkGood
    std::string UsbStatusText;     // the last failure: the call's name and the reason
    std::string UsbPortCaption;    // "Device is Present 1 " or "No USB devises "
    std::uint8_t UsbActivity = 0;  // advances with every packet the board took

    bool operator==(const UsbLinkState&) const = default;
};

}  // namespace wl
