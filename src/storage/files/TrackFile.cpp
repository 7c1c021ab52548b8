#include "storage/files/TrackFile.h"

#include <QStringEncoder>

#include "storage/EventLog.h"
#include "storage/files/FileLayouts.h"
#include "storage/files/OldConversions.h"
#include "storage/files/SettingsFile.h"
#include "storage/files/ShowFileReports.h"

namespace wl {

namespace {

constexpr const char* kWho = "ReadSave";
constexpr const char* kWhere = "OpenTrackFile";
constexpr const char* kProjectsFolder = "Projects/";

std::string versionNumber(int version) {
    return std::to_string(version);
}

const ShowFileKind kTrackKind{"track file",  kWhere,          "ReadRetroTrack",
                              versionNumber, kTrackFileBytes, readableOldTrackSizes};

// Texts of the settings file are UTF-8; the header holds them in the Windows code page the other
// names of the file use.
std::string inFileCodePage(const std::string& text) {
    QStringEncoder encoder("windows-1251");
    if (!encoder.isValid()) return text;
    const QByteArray bytes = encoder.encode(QString::fromStdString(text));
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::string markedPath(const std::string& path) {
    return ">" + path + "<";
}

}  // namespace

std::string TrackHeaderText(const TrackHeaderParts& parts) {
    return inFileCodePage("Wavelumina      Version " + parts.version + " " + "it is Track File" +
                          "SEQ=" + fileNamePart(parts.seqFile) + " / DATA=" + parts.data +
                          " / CUSTOMER=" + parts.customer + " / OBJECT=" + parts.object + " / ");
}

std::string TrackHeaderText(const std::string& programDir, const std::string& lastFileSeq) {
    const IniFile ini(settingsFilePath(programDir));
    const TrackHeaderParts defaults;
    return TrackHeaderText({ini.value("About", "FileVersion", defaults.version), lastFileSeq,
                            ini.value("Custom", "Data", defaults.data),
                            ini.value("Custom", "Customer", defaults.customer),
                            ini.value("Custom", "Object", defaults.object)});
}

ReadOutcome ReadTrackData(const std::string& path, ShowTables& tables) {
    ReadOutcome outcome = readBySize(path, trackLayout(), kTrackFileBytes, oldTrackLayout, tables);
    if (outcome.status == ReadOutcome::Status::Loaded && outcome.version != 0) {
        convertOldTrack(tables);
    }
    return outcome;
}

std::string WriteTrackData(const std::string& path, ShowTables& tables) {
    return writeLayoutFile(path, trackLayout(), tables);
}

std::string defaultTrackFile(const std::string& programDir) {
    return programDir + kProjectsFolder + fileNamePart(programFile(programDir, ".trk"));
}

void OpenTrackFile(ShowFileSession& session, ShowTables& tables) {
    ResetTracks(tables.tracks, TrackHeaderText(session.ProgramDir, session.LastFileSeq));
    const std::string& dir = session.ProgramDir;
    // The settings file's own default names no file the operator chose.
    const bool chosen =
        !session.LastFileTrack.empty() && session.LastFileTrack != programFile(dir, ".trk");
    if (!session.LastFileTrack.empty()) {
        session.LastFileTrack = withExtension(session.LastFileTrack, ".trk");
    }
    if (!fileExists(session.LastFileTrack)) {
        const std::string named = session.LastFileTrack;
        session.log.WriteLog(kWho, kWhere, "File_no_found " + markedPath(named));
        session.LastFileTrack = defaultTrackFile(dir);
        session.log.WriteLog(kWho, kWhere,
                             "Set Default Track Name: " + markedPath(session.LastFileTrack));
        if (chosen && named != session.LastFileTrack) {
            tellDefaultInstead(session, kTrackKind, named, session.LastFileTrack);
        }
    }
    if (!fileExists(session.LastFileTrack)) {
        if (!mayMakeDefault(session, kTrackKind, session.LastFileTrack)) return;
        session.log.WriteLog(kWho, kWhere, "File_no_found " + markedPath(session.LastFileTrack));
        SaveTrackFileName(session, tables);
        session.log.WriteLog(kWho, kWhere,
                             "Saved Empty Track Name: " + markedPath(session.LastFileTrack));
        return;
    }
    reportReadOutcome(session, kTrackKind, session.LastFileTrack,
                      ReadTrackData(session.LastFileTrack, tables));
}

void SaveTrackFileName(ShowFileSession& session, ShowTables& tables) {
    session.LastFileTrack =
        session.ProgramDir + kProjectsFolder + fileNamePart(session.LastFileTrack);
    SetTrackHeader(tables.tracks, TrackHeaderText(session.ProgramDir, session.LastFileSeq));
    reportSave(session, "SaveTrackFileName", "Tracks", session.LastFileTrack,
               WriteTrackData(session.LastFileTrack, tables));
}

}  // namespace wl
