#pragma once

#include <array>
#include <functional>
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
    // Called after the logic changed any of the above; the desktop window repaints.
    std::function<void()> changed;

    void notify() const {
        if (changed) changed();
    }
};

}  // namespace wl
