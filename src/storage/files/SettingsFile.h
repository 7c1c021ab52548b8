#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/WallClock.h"

namespace wl {

struct ShowFileSession;

// A sectioned key=value text file read whole, edited in memory and written back atomically.
// Names match as `getIniValue`/`setIniValue` match them; values are UTF-8 text, trimmed of
// surrounding blanks when read.
//
// Thread: the engine. Allocates.
class IniFile {
  public:
    // Reads the file when it exists; a missing file reads as empty (a first start). A file that
    // exists but cannot be read also reads as empty, and `readFailure` keeps the reason.
    explicit IniFile(std::string path);

    std::string value(std::string_view section, std::string_view key,
                      std::string_view fallback) const;
    // A whole decimal number held in [min, max]: a larger or smaller one gives the nearest end of
    // the range; a missing value or text that is not a number gives `fallback`.
    std::int32_t number(std::string_view section, std::string_view key, std::int32_t fallback,
                        std::int32_t min, std::int32_t max) const;
    void set(std::string_view section, std::string_view key, std::string_view value);
    // Writes the text back; returns the reason of a failure, empty on success. A file that could
    // not be read is never written over: only its own keys would be left of it.
    std::string save() const;

    // Why the existing file could not be read; empty when it was read or is missing.
    const std::string& readFailure() const { return readFailure_; }

  private:
    std::string path_;
    std::string readFailure_;
    std::string text_;
};

// Thread: the engine for everything below. Allocates.

// The settings file of the program folder.
std::string settingsFilePath(const std::string& programDir);

// "9.12.2026 г." and "14ч. 5 мин. 7 сек": the date and time texts of the settings file.
std::string settingsDateText(const LocalTime& time);
std::string settingsTimeText(const LocalTime& time);

// The contract data of the output window's "Data Record" boxes, written only while that box is on.
struct ContractData {
    std::string Data, Customer, Object;
};

// Start-up: counts the start ("AreaCount"/"CountOpen", 1 when missing, written back plus one and
// never past the largest count) and reads the current files (a relative name lies in the program
// folder), the skin name and the version text, with their defaults.
void LoadIniSettings(ShowFileSession& session);

// Writes the save date, the program's identity texts, the contract data when given, the closing
// time and the current files. A file that cannot be written is reported.
void SaveIniSettings(ShowFileSession& session, const ContractData* contract = nullptr);

}  // namespace wl
