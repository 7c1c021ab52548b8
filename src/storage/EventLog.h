#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace wl {

class WallClock;

// How the event log reaches its file: on the caller's thread at once (tests, virtual-clock runs),
// or through a writer thread of its own, so that no caller ever waits for the disk.
enum class LogWriting { Synchronous, Threaded };

// The event log: one key=value line per event under a section named after the second it happened,
// e.g.
//   [Data: 9.12.2026  Time: 14:5:7]
//   Who: ReadSave Where: OpenSeqFile= Info=File_no_found: /srv/park.seq
// Events of the same second share a section, and the same who and where in the same second
// replace the earlier line. The file only grows at its end: the section of the current second is
// kept in memory and written again in place while that second lasts, so the log is never read
// back. When the file passes its size limit it is renamed to "….1" (older ones move to "….2" and
// so on, the oldest dropped) and a new file begins.
//
// Thread: `WriteLog`, `flush` and `lastFailure` from any thread. Allocates (texts, the queue).
// With a writer thread, at most `kQueueLimit` events wait; more are counted, dropped and reported
// once the writer catches up.
class EventLog {
  public:
    static constexpr std::uintmax_t kDefaultSizeLimit = 8u << 20;
    static constexpr int kDefaultKeptFiles = 3;
    static constexpr std::size_t kQueueLimit = 4096;

    EventLog(std::filesystem::path file, const WallClock& clock,
             LogWriting writing = LogWriting::Synchronous,
             std::uintmax_t sizeLimit = kDefaultSizeLimit, int keptFiles = kDefaultKeptFiles);
    // Writes what is still queued, then ends the writer thread.
    ~EventLog();
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;

    void WriteLog(std::string_view who, std::string_view where, std::string_view info);

    // Returns once every event logged before the call is in the file.
    void flush();

    const std::filesystem::path& file() const { return file_; }
    // Why the last write failed, empty when it succeeded. A log that cannot be written never stops
    // the operation that logged; the reason also goes to standard error.
    std::string lastFailure() const;

    static std::string sectionName(int day, int month, int year, int hour, int minute, int second);
    static std::string keyName(std::string_view who, std::string_view where);

  private:
    struct Entry {
        std::string section;
        std::string key;
        std::string value;
    };

    // Each returns the reason of a failed write, empty on success.
    std::string writeEntry(const Entry& entry);
    std::string writeCurrentSection();
    void startSection(const std::string& section);
    void rotate();
    void writerLoop();

    const std::filesystem::path file_;
    const WallClock& clock_;
    const std::uintmax_t sizeLimit_;
    const int keptFiles_;

    // Queue and failure, shared between callers and the writer.
    mutable std::mutex mutex_;
    std::condition_variable wakeWriter_;
    std::condition_variable drained_;
    std::deque<Entry> queue_;
    std::uint64_t dropped_ = 0;
    bool writing_ = false;
    bool stopping_ = false;
    std::string lastFailure_;

    // The writer's own state (the caller's, under `mutex_`, when synchronous).
    std::string section_;
    std::vector<std::pair<std::string, std::string>> lines_;
    std::int64_t sectionOffset_ = -1;  // where the current section begins in the file; -1: none

    std::thread writer_;
};

}  // namespace wl
