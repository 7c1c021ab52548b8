#include "app/HeadlessStatus.h"

#include <cstdio>
#include <ostream>

#include "app/Engine.h"
#include "app/OperatingMode.h"
#include "app/System.h"

namespace wl {

namespace {

std::string intervalText(const TimingFigures& figures) {
    char text[64];
    std::snprintf(text, sizeof text, "interval p50 %.1f p99 %.1f max %.1f ms", figures.p50Ms,
                  figures.p99Ms, figures.maxMs);
    return text;
}

}  // namespace

std::string headlessStatusLine(const System& system) {
    const auto seconds = system.scheduler.now() / 1000;
    char time[32];
    std::snprintf(time, sizeof time, "%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
    const CycleStatistics& output = system.output.statistics;
    std::string line =
        std::string(time) + "  " + ModeText(system.FountainMode) + " MODE  late timer runs " +
        std::to_string(system.scheduler.totalOverruns()) + "  output " +
        std::to_string(static_cast<int>(output.frameRate)) + " fps, late cycles " +
        std::to_string(output.lateCycles) + "  " + intervalText(system.output.timing.intervals());
    const std::string& fault = system.main.statusPanels[kStatusFaultPanel];
    if (!fault.empty()) line += "  " + fault;
    return line;
}

void startHeadlessStatus(Engine& engine, std::ostream& out) {
    engine.edit([&engine, &out](System& system) {
        const auto task =
            system.scheduler.addTask("headless status", 1000, [&engine, &system, &out] {
                engine.post(
                    [line = headlessStatusLine(system), &out] { out << line << std::endl; });
            });
        system.scheduler.start(task);
    });
}

}  // namespace wl
