#include "output/D2XXUnit.h"

#include <array>
#include <charconv>

namespace wl {

std::string_view UsbStatusReason(FtStatus status) {
    switch (status) {
        case kFtInvalidHandle:
            return " - Ошибка Handle...";
        case kFtDeviceNotFound:
            return " - Устройство не найдено....";
        case kFtDeviceNotOpened:
            return " - Устройство не открывается...";
        case kFtIoError:
            return " - Ошибка ввода-вывода...";
        case kFtInsufficientResources:
            return " - Не хватает ресурсов...";
        case kFtInvalidParameter:
            return " - Неверный параметр ...";
        default:
            return {};
    }
}

void D2XXUnit::UsbReportStatus(std::string_view name, FtStatus status) {
    if (!state_.UsbReportErrors) return;
    state_.UsbLinkGood = false;
    state_.UsbStatusText.assign(name);
    const std::string_view reason = UsbStatusReason(status);
    if (!reason.empty()) {
        state_.UsbStatusText.append(reason);
        return;
    }
    // A status without a text of its own still tells the operator which call failed and how.
    std::array<char, 16> number{};
    const auto end = std::to_chars(number.data(), number.data() + number.size(), status).ptr;
    state_.UsbStatusText.append(" - status ").append(number.data(), end);
}

FtStatus D2XXUnit::checked(std::string_view name, FtStatus status) {
    if (status != kFtOk) UsbReportStatus(name, status);
    return status;
}

FtStatus D2XXUnit::GetFTDeviceCount() {
    return checked("GetFTDeviceCount", driver_.listDeviceCount(state_.UsbDeviceCount));
}

FtStatus D2XXUnit::UsbOpen() {
    const FtStatus status = driver_.open(state_.UsbDeviceIndex, state_.UsbHandle);
    // No board plugged in is no failure: the caption already says "No USB devises ".
    if (status == kFtDeviceNotFound) return status;
    return checked("FT_Open", status);
}

FtStatus D2XXUnit::UsbClose() {
    return checked("FT_Close", driver_.close(state_.UsbHandle));
}

FtStatus D2XXUnit::UsbReset() {
    return checked("FT_ResetDevice", driver_.resetDevice(state_.UsbHandle));
}

FtStatus D2XXUnit::UsbSetTimeouts(std::uint32_t readMs, std::uint32_t writeMs) {
    return checked("FT_SetTimeouts", driver_.setTimeouts(state_.UsbHandle, readMs, writeMs));
}

FtStatus D2XXUnit::UsbQueueStatus() {
    std::uint32_t received = 0;
    return checked("FT_GetQueueStatus", driver_.getQueueStatus(state_.UsbHandle, received));
}

FtStatus D2XXUnit::UsbWrite(const UsbPacket& packet) {
    std::uint32_t written = 0;
    return checked("Интерфейс отключен от компьютера ",
                   driver_.write(state_.UsbHandle, packet.data(), kUsbPacketSize, written));
}

}  // namespace wl
