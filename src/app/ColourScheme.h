#pragma once

#include <cstdint>
#include <optional>

#include "output/ShapeColour.h"

namespace wl {

struct SettingsRecord;

// The colours every window paints with. An empty colour means the desktop's own (button face,
// button text).
//
// Thread: the engine. Plain data.
struct ColourScheme {
    std::optional<ShapeColour> window;
    std::optional<ShapeColour> text;
    bool operator==(const ColourScheme&) const = default;
};

// The scheme chosen in the settings (entry 77). An unknown choice falls back to the desktop's
// colours and is reset to 0 in the settings. Never allocates.
ColourScheme colourSchemeFrom(SettingsRecord& settings);

}  // namespace wl
