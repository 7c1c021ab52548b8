#pragma once

#include <cstdint>
#include <optional>

namespace wl {

struct SettingsRecord;

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// The colours every window paints with. An empty colour means the desktop's own (button face,
// button text).
struct ColourScheme {
    std::optional<Rgb> window;
    std::optional<Rgb> text;
    bool operator==(const ColourScheme&) const = default;
};

// The scheme chosen in the settings (entry 77). An unknown choice falls back to the desktop's
// colours and is reset to 0 in the settings.
ColourScheme colourSchemeFrom(SettingsRecord& settings);

}  // namespace wl
