#pragma once

#include <array>

#include "output/D2XXUnit.h"
#include "output/UsbLinkState.h"
#include "output/UsbPacket.h"

namespace wl {

// What one output cycle hands the USB link: universes A to D and whether the "ON" box
// (CheckBoxFTDI) lets them be sent.
struct UsbFrame {
    std::array<Universe, kUsbUniverseCount> universes{};
    bool send = true;
};

// The USB link's steps: finding and opening the board, keeping it alive by polling before every
// frame, and writing each frame as four packets.
//
// Closed → (open, reset and time-outs succeed while polling) → open and good → (a write fails) →
// open, not good → (the next frame's poll) → closed and opened again at once, so one failed write
// costs one frame, not the rest of the show. A failed poll closes the board too; it is opened
// again on the next frame. A failed open, reset or time-out setting leaves the board closed and
// UsbStatusText saying why; the next frame tries again. While no board is present every frame
// counts the boards and tries to open the first; a board that is not there is no failure.
//
// Thread: the USB link thread (or the engine in the synchronous mode). Never allocates
// once the texts have their size.
class UsbLinkMachine {
  public:
    explicit UsbLinkMachine(FtdiDriver& driver) : unit_(driver, state_) {}
    UsbLinkMachine(const UsbLinkMachine&) = delete;
    UsbLinkMachine& operator=(const UsbLinkMachine&) = delete;

    // Start-up and the "INIT" button: forgets the board, counts the boards and opens the first.
    void InitUsbDevise();
    // Counts the boards and sets the caption from the count.
    void GetListAllDevise();
    // Before every frame: counts and opens the board when it is closed, asks it whether it is
    // still there when it is open. A failed open, reset or time-out setting updates
    // UsbStatusText; a failed count or poll is quiet and shows only as the link not being good.
    void ForTimerPolling();
    // One output cycle: polling, then, while the link is good and sending is on, the packets of
    // universes A, B, C and D.
    void SendToUsb(const UsbFrame& frame);
    // Writes one universe as a packet; a write the board takes advances UsbActivity.
    void SendToFTDI(const Universe& levels, std::uint8_t code);
    // Window destruction: the link is no longer good and the board is closed.
    void CloseUsbDevise();

    const UsbLinkState& state() const { return state_; }

  private:
    static constexpr std::uint32_t kTimeoutMs = 500;

    // Opens the first board, resets it and sets its time-outs; the link is good only when all
    // three succeed, otherwise the board is closed again.
    void openBoard();
    // Closes the handle the link holds, so the board can be opened again.
    void releaseHandle();

    UsbLinkState state_;
    D2XXUnit unit_;
    UsbPacket packet_{};
};

}  // namespace wl
