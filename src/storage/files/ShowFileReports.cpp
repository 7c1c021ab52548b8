#include "storage/files/ShowFileReports.h"

#include <filesystem>
#include <system_error>

#include "platform/Operator.h"
#include "storage/ErrorReporter.h"
#include "storage/EventLog.h"

namespace wl {

namespace {

constexpr const char* kWho = "ReadSave";

std::string sizesText(const ShowFileKind& kind) {
    std::string text = std::to_string(kind.currentBytes);
    if (kind.olderSizes == nullptr) return text;
    for (const std::int64_t size : kind.olderSizes()) text += ", " + std::to_string(size);
    return text;
}

void reportUnreadableOlder(ShowFileSession& session, const ShowFileKind& kind,
                           const std::string& path, const ReadOutcome& outcome) {
    session.log.WriteLog(kind.retroWho, "Version ",
                         "Unreadable old WL " + std::to_string(outcome.version));
    session.op.tell(BoxKind::Error, std::string("The ") + kind.name + " " + path + " (" +
                                        std::to_string(outcome.size) +
                                        " bytes) is an older version whose layout cannot be read; "
                                        "nothing was loaded.");
}

}  // namespace

void reportReadOutcome(ShowFileSession& session, const ShowFileKind& kind, const std::string& path,
                       const ReadOutcome& outcome) {
    switch (outcome.status) {
        case ReadOutcome::Status::Loaded:
            if (outcome.version != 0) {
                session.log.WriteLog(kind.retroWho, "Version ", kind.olderText(outcome.version));
            }
            return;
        case ReadOutcome::Status::UnknownSize:
            reportUnknownSize(session, kind, path, outcome.size);
            return;
        case ReadOutcome::Status::UnreadableOlder:
            reportUnreadableOlder(session, kind, path, outcome);
            return;
        case ReadOutcome::Status::Failed:
            session.errors.ReportError(kWho, kind.where,
                                       "input/output error in " + path + ": " + outcome.failure);
            return;
    }
}

void reportUnknownSize(ShowFileSession& session, const ShowFileKind& kind, const std::string& path,
                       std::int64_t size) {
    const std::string sizes = sizesText(kind);
    const std::string found = std::to_string(size);
    session.log.WriteLog(kWho, kind.where,
                         "Unknown size: " + path + " holds " + found + " bytes, expected " + sizes);
    session.op.tell(BoxKind::Error, std::string("The ") + kind.name + " " + path + " holds " +
                                        found + " bytes, none of the sizes a " + kind.name +
                                        " has (" + sizes + " bytes); nothing was loaded.");
}

void tellDefaultInstead(ShowFileSession& session, const ShowFileKind& kind,
                        const std::string& named, const std::string& defaultPath) {
    session.op.tell(BoxKind::Warning, std::string("The ") + kind.name + " " + named +
                                          " cannot be opened (" + fileProblem(named) +
                                          "); the default " + kind.name + " " + defaultPath +
                                          " takes its place.");
}

bool mayMakeDefault(ShowFileSession& session, const ShowFileKind& kind, const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, error))) return true;
    const std::string problem = fileProblem(path);
    session.log.WriteLog(kWho, kind.where, "not a file: " + path + " (" + problem + ")");
    session.op.tell(BoxKind::Error, std::string("The default ") + kind.name + " " + path +
                                        " cannot be opened (" + problem +
                                        ") and is left as it is; the show stays empty.");
    return false;
}

void reportSave(ShowFileSession& session, const char* where, const char* what,
                const std::string& path, const std::string& failure) {
    if (!failure.empty()) {
        session.errors.ReportError(kWho, where, "input/output error in " + path + ": " + failure);
    }
    if (!fileExists(path)) {
        session.log.WriteLog(kWho, where, "not FileExists " + path);
        session.op.tell(BoxKind::Error,
                        std::string("no Write ") + what + " and FileExists! \n\r" + path);
    }
}

}  // namespace wl
