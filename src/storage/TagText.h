#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace wl {

// Text encodings of a tag frame, by the frame's first byte.
enum class TagEncoding : std::uint8_t {
    Windows1251 = 0,  // single bytes, read in the code page the program's show files use
    Utf16 = 1,        // with a byte-order mark; low byte first without one
    Utf16BigEndian = 2,
    Utf8 = 3,
};

// Whether the byte is one of the four encodings.
bool isTagEncoding(std::uint8_t byte);

// Decodes a frame's text in `encoding` up to its first terminator (a zero byte, or a zero unit
// at an even offset for UTF-16) into UTF-8, without the leading and trailing characters below
// 33 (spaces, control characters, padding).
std::string decodeTagText(TagEncoding encoding, std::string_view bytes);

// The bytes after the first terminator of `encoding` in `bytes` (empty when there is none):
// what follows a frame's description.
std::string_view afterTerminator(TagEncoding encoding, std::string_view bytes);

}  // namespace wl
