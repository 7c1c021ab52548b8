#pragma once

#include <string>
#include <string_view>

namespace wl {

// The Windows Cyrillic code page (Windows-1251) in which the show files hold their names, beside
// the UTF-8 of everything the program shows and edits. Files stay byte for byte what a program
// on Windows wrote and reads.
//
// Thread: any. Allocates the returned text.

// UTF-8 text as Windows-1251 bytes, one byte per character; a character the code page lacks, and
// a byte that is not UTF-8, becomes "?".
std::string toWindows1251(std::string_view utf8);

// Windows-1251 bytes as UTF-8 text.
std::string fromWindows1251(std::string_view bytes);

}  // namespace wl
