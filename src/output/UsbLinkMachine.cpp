#include "output/UsbLinkMachine.h"

namespace wl {

void UsbLinkMachine::releaseHandle() {
    if (state_.UsbOpened) unit_.UsbClose();
    state_.UsbOpened = false;
}

void UsbLinkMachine::InitUsbDevise() {
    state_.UsbReportErrors = true;
    // A handle still open would keep the board busy and every new open would fail.
    releaseHandle();
    state_.UsbListed = false;
    state_.UsbLinkGood = false;
    GetListAllDevise();
    ForTimerPolling();
}

void UsbLinkMachine::GetListAllDevise() {
    unit_.GetFTDeviceCount();
    if (state_.UsbDeviceCount > 0) {
        state_.UsbPortCaption.assign("Device is Present ")
            .append(std::to_string(state_.UsbDeviceCount))
            .append(" ");
    } else {
        state_.UsbPortCaption.assign("No USB devises ");
        state_.UsbLinkGood = false;
    }
}

void UsbLinkMachine::ForTimerPolling() {
    state_.UsbReportErrors = false;
    if (!state_.UsbListed) {
        state_.UsbListed = true;
        GetListAllDevise();
    }
    if (state_.UsbOpened && !state_.UsbLinkGood) {
        // A write failed while the board still answers: open it afresh instead of staying
        // silent until the operator presses "INIT".
        releaseHandle();
    }
    if (!state_.UsbOpened) {
        openBoard();
        return;
    }
    if (unit_.UsbQueueStatus() != kFtOk) {
        // The board is gone or broken: let go of it and open it afresh on the next frame.
        releaseHandle();
        state_.UsbLinkGood = false;
    }
}

void UsbLinkMachine::openBoard() {
    state_.UsbListed = false;
    // Why the board cannot be had (no permission, another driver holds it) must reach the
    // operator; a reason that repeats every frame leaves the text as it is, so it is logged once.
    state_.UsbReportErrors = true;
    if (unit_.UsbOpen() == kFtOk) {
        state_.UsbOpened = true;
        // A board left on the library's default time-out could block a frame far longer than the
        // link allows, so a failed set-up counts as a failed open.
        state_.UsbLinkGood =
            unit_.UsbReset() == kFtOk && unit_.UsbSetTimeouts(kTimeoutMs, kTimeoutMs) == kFtOk;
    }
    // Quietly, so a failing close does not hide the reason the set-up failed.
    state_.UsbReportErrors = false;
    if (!state_.UsbLinkGood) releaseHandle();
}

void UsbLinkMachine::SendToUsb(const UsbFrame& frame) {
    ForTimerPolling();
    if (!state_.UsbLinkGood || !frame.send) return;
    for (int u = 0; u < kUsbUniverseCount; ++u)
        SendToFTDI(frame.universes[u], kUsbUniverseCodes[u]);
}

void UsbLinkMachine::SendToFTDI(const Universe& levels, std::uint8_t code) {
    buildUsbPacket(packet_, levels, code);
    state_.UsbReportErrors = true;
    if (unit_.UsbWrite(packet_) == kFtOk) ++state_.UsbActivity;
}

void UsbLinkMachine::CloseUsbDevise() {
    state_.UsbLinkGood = false;
    releaseHandle();
}

}  // namespace wl
