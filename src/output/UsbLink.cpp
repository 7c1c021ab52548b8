#include "output/UsbLink.h"

#include <algorithm>

#include "storage/EventLog.h"

namespace wl {

namespace {

constexpr UsbIndicator kNotSending{255, 0, 0, "No Send Data to USB"};
constexpr UsbIndicator kNoData{255, 0, 255, "No Device Present"};

}  // namespace

UsbLink::UsbLink(FtdiDriver& driver, UsbLinkMode mode) : mode_(mode), machine_(driver) {}

UsbLink::~UsbLink() {
    CloseUsbDevise();
}

void UsbLink::InitUsbDevise() {
    running_ = true;
    initRequested_.store(true, std::memory_order_release);
    if (mode_ == UsbLinkMode::Synchronous) {
        runPendingWork();
        return;
    }
    if (!thread_.joinable()) thread_ = std::thread([this] { runLinkThread(); });
    wakeLink();
}

void UsbLink::SendToUsb(const std::array<Universe, kUniverseCount>& universes) {
    if (!running_) return;
    UsbFrame& frame = frames_.back();
    std::copy_n(universes.begin(), kUsbUniverseCount, frame.universes.begin());
    frame.send = CheckBoxFTDI;
    frames_.publish();
    if (mode_ == UsbLinkMode::Synchronous) {
        runPendingWork();
    } else {
        wakeLink();
    }
}

void UsbLink::CloseUsbDevise() {
    if (!running_) return;
    running_ = false;
    if (thread_.joinable()) {
        stopRequested_.store(true, std::memory_order_release);
        wakeLink();
        thread_.join();
        stopRequested_.store(false, std::memory_order_relaxed);
    }
    // The link thread is gone (or never ran): the main thread finishes the link's side.
    machine_.CloseUsbDevise();
    publishStatus();
}

const UsbLinkState& UsbLink::status() {
    statuses_.take();
    return statuses_.front();
}

UsbIndicator UsbLink::RefreshIndicator(EventLog& log) {
    const UsbLinkState& state = status();
    if (state.UsbStatusText != loggedStatusText_) {
        if (!state.UsbStatusText.empty()) {
            log.WriteLog("FormUSB_COM", "UsbReportStatus", state.UsbStatusText);
        }
        loggedStatusText_ = state.UsbStatusText;
    }
    if (!CheckBoxFTDI) return kNotSending;
    if (state.UsbActivity == UsbActivitySeen) return kNoData;
    UsbActivitySeen = state.UsbActivity;
    const std::uint8_t a = state.UsbActivity;
    return {0, a, static_cast<std::uint8_t>(a / 8), "Data to USB is Processing"};
}

void UsbLink::wakeLink() {
    wakeUps_.fetch_add(1, std::memory_order_release);
    wakeUps_.notify_one();
}

void UsbLink::runLinkThread() {
    for (;;) {
        // Read before looking for work, so a hand-over after the look still wakes the wait.
        const std::uint32_t seen = wakeUps_.load(std::memory_order_acquire);
        if (runPendingWork()) continue;
        if (stopRequested_.load(std::memory_order_acquire)) return;
        wakeUps_.wait(seen, std::memory_order_acquire);
    }
}

bool UsbLink::runPendingWork() {
    bool worked = false;
    if (initRequested_.exchange(false, std::memory_order_acq_rel)) {
        machine_.InitUsbDevise();
        worked = true;
    }
    if (frames_.take()) {
        machine_.SendToUsb(frames_.front());
        worked = true;
    }
    if (worked) publishStatus();
    return worked;
}

void UsbLink::publishStatus() {
    if (machine_.state() == published_) return;
    published_ = machine_.state();
    statuses_.back() = published_;
    statuses_.publish();
}

}  // namespace wl
