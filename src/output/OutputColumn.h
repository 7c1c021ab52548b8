#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "output/ChannelSpace.h"

namespace wl {

// " Type Wiev " (`rgDmxWiev`): how the "Output" column shows the levels sent.
enum class DmxWiev : std::uint8_t { Off, Dmx, Percent, Hz };

// The "Output" column of the "Static" page: the level sent on each of its 25 rows.
//
// Thread: the engine. Every label stays within 15 bytes, so refreshing never allocates.
struct OutputColumn {
    static constexpr int kRows = 25;
    static constexpr int kCyclesPerRefresh = 11;

    DmxWiev rgDmxWiev = DmxWiev::Dmx;
    std::array<std::string, kRows> labels;
    std::string caption = "Output";  // "Output", or "No Wiev" while the view is off
    int cyclesSinceRefresh = 0;
    std::uint64_t refreshes = 0;  // moves on every refresh; the window repaints when it does
};

// A level as the column shows it: "DMX" the value, "%" value x 100 div 255 + " %", "HZ" the
// inverter frequency for a 50 Hz maximum to two significant digits ("50.00", "25.00", "2.00").
void formatOutputLevel(std::string& label, DmxWiev view, std::uint8_t level);

// Step 17 (`WievDMX`), second part: every eleventh cycle, unless the view is off, the rows show
// `OutFrame` from channel `position` + 1 on.
void countOutputColumnCycle(OutputColumn& column, const Frame& out, int position);

// The option timer's caption of the column.
void refreshOutputColumnCaption(OutputColumn& column);

}  // namespace wl
