#include "output/CycleStatistics.h"

#include <algorithm>
#include <cstdio>

namespace wl {

namespace {

constexpr std::int64_t kRateWindowMs = 1000;

// Writes printf output into `caption` without growing it past its short-text capacity.
template <typename... Args>
void setCaption(std::string& caption, const char* format, Args... args) {
    char text[16];
    const int length = std::snprintf(text, sizeof text, format, args...);
    caption.assign(text, static_cast<std::size_t>(std::clamp(length, 0, 15)));
}

}  // namespace

void TicOUT(CycleStatistics& s, std::int64_t nowMs) {
    s.lastTick = nowMs;
    ++s.cycles;
    ++s.windowCycles;
    const std::int64_t elapsed = nowMs - s.windowStart;
    if (elapsed <= kRateWindowMs) return;
    s.frameRate = static_cast<float>(s.windowCycles) * 1000.0F / static_cast<float>(elapsed);
    if (s.CheckBoxFps) setCaption(s.fpsCaption, "FPS = %d", static_cast<int>(s.frameRate));
    s.windowStart = nowMs;
    s.windowCycles = 0;
}

void showCycleTime(CycleStatistics& s, std::int64_t elapsedNs) {
    s.cycleSeconds = static_cast<double>(elapsedNs) / 1e9;
    setCaption(s.ticCaption, "%.4f сек.", s.cycleSeconds);
}

void setCheckBoxTic(CycleStatistics& s, bool checked) {
    s.CheckBoxTic = checked;
    if (!checked) s.ticCaption = "No Check tics";
}

void setCheckBoxFps(CycleStatistics& s, bool checked) {
    s.CheckBoxFps = checked;
    if (!checked) s.fpsCaption = "FPS = ?";
}

}  // namespace wl
