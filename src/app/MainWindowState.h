#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/ColourScheme.h"

namespace wl {

// What the main window shows, produced by the logic; the window only displays it.
//
// Thread: owner thread. The texts allocate only when they grow.
struct MainWindowState {
    std::string caption = "Файл: ";
    int height = 0;
    bool saveEnabled = false;
    ColourScheme colours;
    // "Real: …", "Back: …", "Leng: …", "bits Song: …", "<mode> MODE", " <n> from <count>", …
    std::array<std::string, 8> statusPanels;
    // Set by start-up when another copy already runs: the program ends once start-up is done.
    bool terminateRequested = false;
    // Raised after the logic changed any of the above; the desktop window polls it and repaints.
    std::uint64_t revision = 0;

    void notify() { ++revision; }
};

}  // namespace wl
