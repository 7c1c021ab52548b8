#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wl {

// The text of a sectioned key=value file. Section and key names compare without regard to ASCII
// letter case and to surrounding blanks (space, tab, CR), as the classic profile writer does; only
// the first section of a name counts. Reading and writing share these rules, so what is written is
// what is read back.

// Sets one value, keeping every other line as it was. Returns true when the section already
// existed (the text was edited in place), false when a new section was appended at the end.
//
// Thread: any. Allocates.
bool setIniValue(std::string& text, std::string_view section, std::string_view key,
                 std::string_view value);

// The value of `key` in `section`, trimmed of blanks, or nothing when either is missing. The view
// points into `text`.
//
// Thread: any. Never allocates.
std::optional<std::string_view> getIniValue(std::string_view text, std::string_view section,
                                            std::string_view key);

}  // namespace wl
