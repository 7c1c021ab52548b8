#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "output/ChannelSpace.h"

namespace wl {

// The 3D viewer reads each table of 512 bytes as text: two upper-case hex digits per byte, in
// order, then a zero byte.
inline constexpr std::size_t kViewerTextSize = 2 * kUniverseSize + 1;

// Writes the text of `table` to `out`, which must hold kViewerTextSize bytes.
//
// Thread: any. Never allocates.
void writeViewerText(const Universe& table, std::uint8_t* out);

// The table a text holds; nothing when `text` is shorter than a text or is not one.
//
// Thread: any. Never allocates.
std::optional<Universe> readViewerText(std::span<const std::uint8_t> text);

}  // namespace wl
