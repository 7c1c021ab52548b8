#pragma once

#include <cstdint>

namespace wl {

// The colour the logic chooses for a window, an indicator shape or a box; the window paints it.
struct ShapeColour {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const ShapeColour&) const = default;
};

}  // namespace wl
