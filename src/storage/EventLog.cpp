#include "storage/EventLog.h"

#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "platform/WallClock.h"
#include "storage/IniText.h"

namespace wl {

EventLog::EventLog(std::filesystem::path file, const WallClock& clock)
    : file_(std::move(file)), clock_(clock) {}

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
    const std::string section = sectionName(t.day, t.month, t.year, t.hour, t.minute, t.second);

    std::string text;
    if (std::ifstream in{file_, std::ios::binary}) {
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const std::size_t oldSize = text.size();
    const bool edited =
        setIniValue(text, section, keyName(who, where), " Info=" + std::string(info));

    lastFailure_.clear();
    if (!edited) {
        // A new second: append, so a long log is never rewritten for an ordinary entry.
        std::ofstream out{file_, std::ios::binary | std::ios::app};
        out.write(text.data() + oldSize, static_cast<std::streamsize>(text.size() - oldSize));
        if (!out) lastFailure_ = std::strerror(errno);
    } else {
        QSaveFile out(QString::fromStdString(file_.string()));
        if (!out.open(QIODevice::WriteOnly) ||
            out.write(text.data(), static_cast<qint64>(text.size())) !=
                static_cast<qint64>(text.size()) ||
            !out.commit()) {
            lastFailure_ = out.errorString().toStdString();
        }
    }
    if (!lastFailure_.empty()) {
        std::cerr << "wavelumina: cannot write the event log " << file_ << ": " << lastFailure_
                  << '\n';
    }
}

}  // namespace wl
