#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <thread>

#include "output/ChannelSpace.h"
#include "output/LatestMailbox.h"
#include "output/UsbLinkMachine.h"
#include "output/UsbLinkState.h"

namespace wl {

class EventLog;
class FtdiDriver;

// Threaded: the driver calls run on a link thread of their own, so a write that blocks for its
// time-out or an unplugged board never holds up the output cycle. Synchronous: the link's steps
// run on the main thread right after each frame is handed over; used with the virtual clock,
// which runs show time faster than any link thread would follow, and in tests.
enum class UsbLinkMode { Threaded, Synchronous };

// The USB indicator of the "Option" page (shpFtdi) and its hint.
struct UsbIndicator {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::string_view hint;
};

// The DMX output's link to the USB interface board. Each output cycle hands it universes A to D
// and returns at once; the link counts, opens and polls the board and writes the packets.
//
// Thread: the engine for every member. SendToUsb never allocates, locks or waits. The link
// thread (threaded mode) allocates only while the state's texts grow.
class UsbLink {
  public:
    UsbLink(FtdiDriver& driver, UsbLinkMode mode);
    ~UsbLink();
    UsbLink(const UsbLink&) = delete;
    UsbLink& operator=(const UsbLink&) = delete;

    // The "ON" box (CheckBoxFTDI, "Port USB ON"): packets are written only while it is checked.
    bool CheckBoxFTDI = true;

    // Start-up and the "INIT" button (SpeedButtonInitFTDI): starts the link if it is not running,
    // forgets the board and finds it again.
    void InitUsbDevise();
    // The output cycle's hand-over: universes A to D of `universes` go out as the next frame.
    // Does nothing before InitUsbDevise or after CloseUsbDevise.
    void SendToUsb(const std::array<Universe, kUniverseCount>& universes);
    // Window destruction: sends what is still waiting, stops the link thread and closes the board.
    void CloseUsbDevise();

    // The newest state the link reported (UsbLinkGood, UsbOpened, UsbPortCaption, UsbStatusText,
    // UsbActivity).
    const UsbLinkState& status();
    // The option timer's refresh: the indicator colour and hint from CheckBoxFTDI and whether
    // UsbActivity moved since the last refresh. A new failure text is written to the event log.
    UsbIndicator RefreshIndicator(EventLog& log);

    // Frames the link thread had no time to send before a newer one replaced them.
    std::uint64_t droppedFrames() const { return frames_.dropped(); }

  private:
    void wakeLink();
    void runLinkThread();
    // The link's side: a requested init, then the newest frame. False when nothing was waiting.
    bool runPendingWork();
    void publishStatus();

    const UsbLinkMode mode_;
    UsbLinkMachine machine_;
    LatestMailbox<UsbFrame> frames_;
    LatestMailbox<UsbLinkState> statuses_;
    UsbLinkState published_;  // the link's side: what it reported last
    std::atomic<bool> initRequested_{false};
    std::atomic<bool> stopRequested_{false};
    std::atomic<std::uint32_t> wakeUps_{0};
    std::thread thread_;

    bool running_ = false;
    // One apart from UsbActivity, so the first refresh shows data moving.
    std::uint8_t UsbActivitySeen = 0xFF;
    std::string loggedStatusText_;
};

}  // namespace wl
