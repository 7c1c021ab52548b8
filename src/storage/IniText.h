#pragma once

#include <string>
#include <string_view>

namespace wl {

// Sets one value in the text of a sectioned key=value file, keeping every other line as it was.
// Section and key names compare without regard to letter case, as the classic profile writer
// does. Returns true when the section already existed (the text was edited in place), false when
// a new section was appended at the end.
//
// Thread: any. Allocates.
bool setIniValue(std::string& text, std::string_view section, std::string_view key,
                 std::string_view value);

}  // namespace wl
