#include "app/DmxCaptureWatch.h"

#include <string>

#include "app/System.h"
#include "platform/CaptureFtdiDriver.h"

namespace wl {

namespace {

constexpr Scheduler::Millis kCheckIntervalMs = 1000;

}  // namespace

void watchDmxCapture(System& system, const CaptureFtdiDriver& capture) {
    const auto check = system.scheduler.addTask(
        "DMX capture check", kCheckIntervalMs, [&system, &capture, reported = false]() mutable {
            if (reported || capture.captureFailure().empty()) return;
            reported = true;
            const std::string failure(capture.captureFailure());
            system.log.WriteLog("FormUSB_COM", "DmxCapture", "cannot write " + failure);
            system.main.statusPanels[kStatusFaultPanel] = "DMX capture failed: " + failure;
            system.main.notify();
        });
    system.scheduler.start(check);
}

}  // namespace wl
