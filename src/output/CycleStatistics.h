#pragma once

#include <cstdint>
#include <string>

namespace wl {

// How the output cycle keeps its pace: the frame rate of the last full second (`TicOUT`), the
// time one cycle took (shown on demand), and the cycles the scheduler ran late.
//
// Thread: the engine. The captions stay within 15 bytes, so updating them never allocates.
struct CycleStatistics {
    // `TicOUT`: the scheduler time of the last cycle, the cycles counted in the current window
    // and when that window began (ms), and the rate it measured.
    std::int64_t lastTick = 0;
    std::uint32_t windowCycles = 0;
    std::int64_t windowStart = 0;
    float frameRate = 0;

    std::uint64_t cycles = 0;      // every cycle since start-up
    std::uint64_t lateCycles = 0;  // cycles the scheduler ran after their deadline
    double cycleSeconds = 0;       // the last measured cycle ("CheckBoxTic")

    bool CheckBoxTic = false;  // time each cycle
    bool CheckBoxFps = false;  // show the frame rate
    std::string ticCaption = "No Check tics";
    std::string fpsCaption = "FPS = ?";
};

// Step 19 (`TicOUT`) at scheduler time `nowMs`: once more than a second has passed since the
// window began, the rate of that window (shown as "FPS = " + whole rate when checked), and a new
// window from now.
void TicOUT(CycleStatistics& statistics, std::int64_t nowMs);

// Step 18: the measured time of one cycle, shown as "0.0000 сек.".
void showCycleTime(CycleStatistics& statistics, std::int64_t elapsedNs);

// The two check boxes; unchecking puts back their idle captions.
void setCheckBoxTic(CycleStatistics& statistics, bool checked);
void setCheckBoxFps(CycleStatistics& statistics, bool checked);

}  // namespace wl
