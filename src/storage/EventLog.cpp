#include "storage/EventLog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <sstream>

#include "platform/WallClock.h"

namespace wl {

namespace {

std::string systemError() {
    return std::strerror(errno);
}

// Writes all of `text` at `offset` and cuts the file there; the reason of a failure, or empty.
std::string writeAt(const std::filesystem::path& file, std::int64_t offset,
                    const std::string& text) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return systemError();
    std::string failure;
    std::size_t done = 0;
    while (done < text.size() && failure.empty()) {
        const ssize_t wrote = ::pwrite(fd, text.data() + done, text.size() - done,
                                       static_cast<off_t>(offset) + static_cast<off_t>(done));
        if (wrote < 0 && errno != EINTR) failure = systemError();
        if (wrote > 0) done += static_cast<std::size_t>(wrote);
    }
    if (failure.empty() &&
        ::ftruncate(fd, static_cast<off_t>(offset) + static_cast<off_t>(text.size())) != 0) {
        failure = systemError();
    }
    ::close(fd);
    return failure;
}

std::filesystem::path numbered(const std::filesystem::path& file, int number) {
    return file.string() + "." + std::to_string(number);
}

}  // namespace

EventLog::EventLog(std::filesystem::path file, const WallClock& clock, LogWriting writing,
                   std::uintmax_t sizeLimit, int keptFiles)
    : file_(std::move(file)), clock_(clock), sizeLimit_(sizeLimit), keptFiles_(keptFiles) {
    if (writing == LogWriting::Threaded) writer_ = std::thread([this] { writerLoop(); });
}

EventLog::~EventLog() {
    if (!writer_.joinable()) return;
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wakeWriter_.notify_one();
    writer_.join();
}

std::string EventLog::sectionName(int day, int month, int year, int hour, int minute, int second) {
    std::ostringstream s;
    s << "Data: " << day << '.' << month << '.' << year << "  Time: " << hour << ':' << minute
      << ':' << second;
    return s.str();
}

std::string EventLog::keyName(std::string_view who, std::string_view where) {
    return "Who: " + std::string(who) + " Where: " + std::string(where);
}

void EventLog::WriteLog(std::string_view who, std::string_view where, std::string_view info) {
    const LocalTime t = clock_.now();
    Entry entry{sectionName(t.day, t.month, t.year, t.hour, t.minute, t.second),
                keyName(who, where), " Info=" + std::string(info)};
    std::unique_lock lock(mutex_);
    if (!writer_.joinable()) {
        lastFailure_ = writeEntry(entry);
        return;
    }
    if (queue_.size() >= kQueueLimit) {
        ++dropped_;
        return;
    }
    queue_.push_back(std::move(entry));
    lock.unlock();
    wakeWriter_.notify_one();
}

void EventLog::flush() {
    std::unique_lock lock(mutex_);
    drained_.wait(lock, [this] { return queue_.empty() && !writing_; });
}

std::string EventLog::lastFailure() const {
    std::lock_guard lock(mutex_);
    return lastFailure_;
}

void EventLog::writerLoop() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wakeWriter_.wait(lock, [this] { return stopping_ || !queue_.empty() || dropped_ > 0; });
        if (queue_.empty() && dropped_ == 0) {
            if (stopping_) return;
            continue;
        }
        std::deque<Entry> batch;
        batch.swap(queue_);
        const std::uint64_t dropped = std::exchange(dropped_, 0);
        writing_ = true;
        lock.unlock();
        // The writer's own state is touched by this thread alone; the failure text is shared.
        std::string failure;
        for (const Entry& entry : batch) failure = writeEntry(entry);
        if (dropped > 0) {
            const LocalTime t = clock_.now();
            failure = writeEntry(
                {sectionName(t.day, t.month, t.year, t.hour, t.minute, t.second),
                 keyName("EventLog", "queue"),
                 " Info=" + std::to_string(dropped) + " events dropped: the log fell behind"});
        }
        lock.lock();
        lastFailure_ = failure;
        writing_ = false;
        if (queue_.empty()) drained_.notify_all();
    }
}

std::string EventLog::writeEntry(const Entry& entry) {
    if (entry.section != section_ || sectionOffset_ < 0) startSection(entry.section);
    const auto same = std::find_if(lines_.begin(), lines_.end(),
                                   [&](const auto& line) { return line.first == entry.key; });
    if (same != lines_.end()) {
        same->second = entry.value;
    } else {
        lines_.emplace_back(entry.key, entry.value);
    }
    std::string failure = writeCurrentSection();
    if (!failure.empty()) sectionOffset_ = -1;
    return failure;
}

void EventLog::startSection(const std::string& section) {
    std::error_code error;
    std::uintmax_t size = std::filesystem::file_size(file_, error);
    if (error) size = 0;
    if (size > sizeLimit_) {
        rotate();
        size = 0;
    }
    section_ = section;
    lines_.clear();
    sectionOffset_ = static_cast<std::int64_t>(size);
}

void EventLog::rotate() {
    std::error_code ignored;
    std::filesystem::remove(numbered(file_, keptFiles_), ignored);
    for (int n = keptFiles_ - 1; n >= 1; --n) {
        std::filesystem::rename(numbered(file_, n), numbered(file_, n + 1), ignored);
    }
    std::filesystem::rename(file_, numbered(file_, 1), ignored);
}

std::string EventLog::writeCurrentSection() {
    std::string text = "[" + section_ + "]\n";
    for (const auto& [key, value] : lines_) text += key + "=" + value + "\n";
    std::string failure = writeAt(file_, sectionOffset_, text);
    if (!failure.empty()) {
        std::cerr << "wavelumina: cannot write the event log " << file_ << ": " << failure << '\n';
    }
    return failure;
}

}  // namespace wl
