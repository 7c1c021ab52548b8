#include "storage/files/SetFile.h"

#include "platform/Operator.h"
#include "storage/ErrorReporter.h"
#include "storage/files/FileLayouts.h"
#include "storage/files/ShowFileReports.h"

namespace wl {

namespace {

constexpr const char* kSetName = "Wavelumina.set";

// The snapshot has no older layouts.
const ShowFileKind kSetKind{"system data file", "LoadSetFile", "", nullptr, kSetFileBytes, nullptr};

}  // namespace

std::string setFilePath(const std::string& programDir) {
    return programDir + kSetName;
}

bool ReadSetData(const std::string& path, ShowTables& tables, std::string& failure) {
    if (fileSize(path) != kSetFileBytes) return false;
    failure = readLayoutFile(path, setLayout(), tables);
    return failure.empty();
}

std::string WriteSetData(const std::string& path, ShowTables& tables) {
    return writeLayoutFile(path, setLayout(), tables);
}

void SaveSetFile(ShowFileSession& session, ShowTables& tables) {
    const std::string path = setFilePath(session.ProgramDir);
    if (const std::string failure = WriteSetData(path, tables); !failure.empty()) {
        session.errors.ReportError("ReadSave", "SaveSetFile",
                                   "input/output error in " + path + ": " + failure);
    }
}

void LoadSetFile(ShowFileSession& session, ShowTables& tables) {
    const std::string path = setFilePath(session.ProgramDir);
    if (!fileExists(path)) {
        session.op.tell(BoxKind::Plain, "No Exists File " + session.ProgramDir + kSetName);
        return;
    }
    std::string failure;
    if (ReadSetData(path, tables, failure)) return;
    if (failure.empty()) {
        reportUnknownSize(session, kSetKind, path, fileSize(path));
    } else {
        session.errors.ReportError("ReadSave", "LoadSetFile",
                                   "input/output error in " + path + ": " + failure);
    }
}

}  // namespace wl
