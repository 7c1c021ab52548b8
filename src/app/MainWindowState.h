#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/ColourScheme.h"

namespace wl {

// Why start-up ended the program before it ran.
enum class StartRefusal {
    None,
    AnotherCopyRuns,    // the single-instance guard is held by a running copy
    NoInstanceGuard,    // the guard cannot be taken, so a second copy could not be kept out
    NoProgramFolder,    // the program folder is not a folder and cannot be made one
    StartTrackMissing,  // the track file asked for at start cannot be opened
};

// The status bar panel that shows a failing output (a DMX capture that cannot be written) for
// as long as it fails.
inline constexpr int kStatusFaultPanel = 6;

// What the main window shows, produced by the logic; the window only displays it.
//
// Thread: the engine. The texts allocate only when they grow.
struct MainWindowState {
    std::string caption = "Файл: ";
    int height = 0;
    bool saveEnabled = false;
    ColourScheme colours;
    // "Real: …", "Back: …", "Leng: …", "bits Song: …", "<mode> MODE", " <n> from <count>", …
    std::array<std::string, 8> statusPanels;
    // Set by start-up when this copy must not run; start-up then stops at once and the program
    // ends without opening any output or file.
    StartRefusal startRefusal = StartRefusal::None;
    // Raised after the logic changed any of the above; the desktop window polls it and repaints.
    std::uint64_t revision = 0;

    void notify() { ++revision; }
};

}  // namespace wl
