#pragma once

#include <cstdint>

namespace wl {

// The mouse button of a click that the logic handles (macro boxes, drawing areas).
enum class MouseButton : std::uint8_t { Left, Right };

}  // namespace wl
