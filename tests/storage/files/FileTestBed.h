#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "fakes/TestSystem.h"
#include "platform/WallClock.h"
#include "storage/EventLog.h"
#include "storage/files/ShowFileSession.h"
#include "storage/files/ShowTables.h"

namespace wl::test {

// A clock that moves on one second at every reading, so that every event-log line gets a section
// of its own and none replaces another.
class TickingClock final : public WallClock {
  public:
    LocalTime now() const override {
        LocalTime time;
        time.year = 2026;
        time.month = 12;
        time.day = 9;
        time.hour = 14;
        time.minute = static_cast<int>(seconds_ / 60);
        time.second = static_cast<int>(seconds_++ % 60);
        return time;
    }

  private:
    mutable std::int64_t seconds_ = 0;
};

// A program folder (with its "Projects/" folder, as start-up leaves it) with a System for the
// operator, the log and the current files, and a full set of tables (macros and effects
// included) for the files to move.
struct FileTestBed {
    FileTestBed();

    TestSystem sys;
    TickingClock tickingClock;
    EventLog log{sys->ProgramDir + "wavelumina.Log", tickingClock};
    std::unique_ptr<OwnedShowTables> owned = std::make_unique<OwnedShowTables>();
    ShowTables tables = owned->view();
    ShowFileSession session{
        sys->ProgramDir,   sys->LastFileSeq, sys->LastFileTrack, sys->LastFileShow,
        sys->LastFileSkin, sys->FileVersion, sys->CountOpen,     log,
        sys->errors,       sys->op,          sys->clock};

    std::string dir() { return sys->ProgramDir; }
    std::string logText() const;

    // Expects the one report of a file refused for its size: the log line of `where` naming the
    // path, the size found and, first of the sizes expected, `expected`; and one error box naming
    // the file and the size found.
    void expectRefusedSize(const std::string& where, const std::string& path, std::int64_t size,
                           std::int64_t expected);
};

// A file of `size` bytes, zero but for the given (offset, byte) pairs; large files stay sparse.
void writeFileWith(const std::string& path, std::int64_t size,
                   std::initializer_list<std::pair<std::int64_t, std::uint8_t>> bytes);
std::uint8_t byteAt(const std::string& path, std::int64_t offset);
bool sameFiles(const std::string& a, const std::string& b);
std::string readText(const std::string& path);

}  // namespace wl::test
