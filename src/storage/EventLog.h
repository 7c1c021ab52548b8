#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace wl {

class WallClock;

// The event log: one key=value line per event under a section named after the second it happened,
// e.g.
//   [Data: 9.12.2026  Time: 14:5:7]
//   Who: ReadSave Where: OpenSeqFile= Info=File_no_found: /srv/park.seq
// Events of the same second share a section; the same who and where in the same second replace the
// earlier line. Nothing is ever trimmed.
//
// Thread: owner thread. Allocates (it reads and writes the file).
class EventLog {
  public:
    EventLog(std::filesystem::path file, const WallClock& clock);

    void WriteLog(std::string_view who, std::string_view where, std::string_view info);

    const std::filesystem::path& file() const { return file_; }
    // Why the last write failed, empty when it succeeded. A log that cannot be written never stops
    // the operation that logged; the reason also goes to standard error.
    const std::string& lastFailure() const { return lastFailure_; }

    static std::string sectionName(int day, int month, int year, int hour, int minute, int second);
    static std::string keyName(std::string_view who, std::string_view where);

  private:
    std::filesystem::path file_;
    const WallClock& clock_;
    std::string lastFailure_;
};

}  // namespace wl
