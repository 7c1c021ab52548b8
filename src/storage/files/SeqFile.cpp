#include "storage/files/SeqFile.h"

#include "platform/Operator.h"
#include "storage/ErrorReporter.h"
#include "storage/EventLog.h"
#include "storage/files/FileLayouts.h"
#include "storage/files/OldConversions.h"
#include "storage/files/ShowFileReports.h"
#include "storage/files/StoreReset.h"

namespace wl {

namespace {

constexpr const char* kWho = "ReadSave";
constexpr const char* kFrameFilter = "*.sfr";
constexpr int kLastOldLayoutVersion = 8;

void convertOlder(ShowTables& tables, int version) {
    if (version <= kLastOldLayoutVersion) {
        convertOldSeq(tables);
    } else {
        clearUpperMacros(tables);
    }
}

std::string olderLogText(int version) {
    return (version <= kLastOldLayoutVersion ? "Read Old WL " : "Corrected F=") +
           std::to_string(version);
}

const ShowFileKind kSeqKind{"sequencer file", "OpenSeqFile", "ReadRetroSeq",
                            olderLogText,     kSeqFileBytes, readableOldSeqSizes};

}  // namespace

ReadOutcome ReadSeqData(const std::string& path, ShowTables& tables) {
    // Unlike the other staging tables, the old view positions never outlive one load.
    tables.fileOnly.OldViewPos.fill(0);
    ReadOutcome outcome = readBySize(path, seqLayout(), kSeqFileBytes, oldSeqLayout, tables);
    ++tables.sequencer.LinkEdits;
    if (outcome.status == ReadOutcome::Status::Loaded && outcome.version != 0) {
        convertOlder(tables, outcome.version);
    }
    return outcome;
}

std::string WriteSeqData(const std::string& path, ShowTables& tables) {
    return writeLayoutFile(path, seqLayout(), tables);
}

void OpenSeqFile(ShowFileSession& session, ShowTables& tables) {
    ResetStore(tables, /*programStart=*/false);
    if (!fileExists(session.LastFileSeq)) {
        const std::string named = session.LastFileSeq;
        session.log.WriteLog(kWho, "OpenSeqFile", "File_no_found: " + named);
        session.LastFileSeq = programFile(session.ProgramDir, ".seq");
        session.log.WriteLog(kWho, "OpenSeqFile", "Default Seq Name: " + session.LastFileSeq);
        if (!named.empty() && named != session.LastFileSeq) {
            tellDefaultInstead(session, kSeqKind, named, session.LastFileSeq);
        }
        // The default may hold the real show while the named file is on a medium that is away.
        if (!fileExists(session.LastFileSeq)) {
            if (mayMakeDefault(session, kSeqKind, session.LastFileSeq))
                SaveSeqFile(session, tables);
            return;
        }
    }
    reportReadOutcome(session, kSeqKind, session.LastFileSeq,
                      ReadSeqData(session.LastFileSeq, tables));
}

void SaveSeqFile(ShowFileSession& session, ShowTables& tables) {
    session.LastFileSeq = session.ProgramDir + fileNamePart(session.LastFileSeq);
    reportSave(session, "SaveSeqFile", "Seq", session.LastFileSeq,
               WriteSeqData(session.LastFileSeq, tables));
}

void SaveSeqCopy(ShowFileSession& session, ShowTables& tables) {
    const std::string kept = session.LastFileSeq;
    session.LastFileSeq = session.ProgramDir + "WaveluminaSeq.tmp";
    SaveSeqFile(session, tables);
    session.LastFileSeq = kept;
}

std::string SeqFrameName(const std::string& lastFileSeq, int seq) {
    const int shown = seq + 1;
    return withExtension(lastFileSeq, "") + "-" + (shown < 10 ? "0" : "") + std::to_string(shown) +
           ".sfr";
}

void SaveSeqFrame(ShowFileSession& session, ShowTables& tables, int seq) {
    const auto chosen = session.op.chooseFileToSave(
        "Сохранить файл одного секвенсера", kFrameFilter, SeqFrameName(session.LastFileSeq, seq));
    if (!chosen || !fileExists(session.LastFileSeq)) return;
    if (const std::string failure = writeLayoutFile(*chosen, seqFrameLayout(seq), tables);
        !failure.empty()) {
        session.errors.ReportError(kWho, "SaveSeqFrame",
                                   "input/output error in " + *chosen + ": " + failure);
    }
}

void OpenSeqFrame(ShowFileSession& session, ShowTables& tables, int seq,
                  const std::function<void()>& storeUndo) {
    const auto chosen =
        session.op.chooseFileToOpen("Открыть файл одного секвенсера", kFrameFilter, "");
    if (!chosen) return;
    storeUndo();
    if (!fileExists(session.LastFileSeq)) return;
    const std::int64_t size = fileSize(*chosen);
    if (size >= 0 && size < kSeqFrameBytes) {
        session.op.tell(BoxKind::Error, "The sequence file " + *chosen + " holds " +
                                            std::to_string(size) + " bytes, less than one " +
                                            "sequence (" + std::to_string(kSeqFrameBytes) +
                                            " bytes); nothing was loaded.");
        return;
    }
    const std::string failure = readLayoutFile(*chosen, seqFrameLayout(seq), tables);
    ++tables.sequencer.LinkEdits;
    if (!failure.empty()) {
        session.errors.ReportError(kWho, "OpenSeqFrame",
                                   "input/output error in " + *chosen + ": " + failure);
    }
}

}  // namespace wl
