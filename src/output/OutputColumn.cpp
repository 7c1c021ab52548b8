#include "output/OutputColumn.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace wl {

namespace {

constexpr double kMaxInverterHz = 50.0;

double roundToTwoSignificantDigits(double value) {
    if (value <= 0) return 0;
    const double scale = std::pow(10.0, 1 - std::floor(std::log10(value)));
    return std::round(value * scale) / scale;
}

}  // namespace

void formatOutputLevel(std::string& label, DmxWiev view, std::uint8_t level) {
    char text[16];
    int length = 0;
    switch (view) {
        case DmxWiev::Off:
            return;
        case DmxWiev::Dmx:
            length = std::snprintf(text, sizeof text, "%d", level);
            break;
        case DmxWiev::Percent:
            length = std::snprintf(text, sizeof text, "%d %%", level * 100 / 255);
            break;
        case DmxWiev::Hz:
            length = std::snprintf(text, sizeof text, "%.2f",
                                   roundToTwoSignificantDigits(level * kMaxInverterHz / 255));
            break;
    }
    label.assign(text, static_cast<std::size_t>(length));
}

void countOutputColumnCycle(OutputColumn& column, const Frame& out, int position) {
    if (++column.cyclesSinceRefresh < OutputColumn::kCyclesPerRefresh) return;
    column.cyclesSinceRefresh = 0;
    if (column.rgDmxWiev == DmxWiev::Off) return;
    const int first = std::clamp(position, 0, kChannelCount - OutputColumn::kRows);
    for (int i = 0; i < OutputColumn::kRows; ++i) {
        formatOutputLevel(column.labels[i], column.rgDmxWiev, out[first + i + 1]);
    }
    ++column.refreshes;
}

void refreshOutputColumnCaption(OutputColumn& column) {
    column.caption = column.rgDmxWiev == DmxWiev::Off ? "No Wiev" : "Output";
}

}  // namespace wl
