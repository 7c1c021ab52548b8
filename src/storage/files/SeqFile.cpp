#include "storage/files/SeqFile.h"

#include <algorithm>

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

StagedSeqFile StageSeqFile(const std::string& path) {
    StagedSeqFile staged{path, {}, std::make_unique<OwnedShowTables>()};
    ShowTables view = staged.tables->view();
    staged.outcome = readBySize(path, seqLayout(), kSeqFileBytes, oldSeqLayout, view);
    return staged;
}

bool ApplySeqFile(ShowFileSession& session, ShowTables& tables, StagedSeqFile& staged) {
    const ReadOutcome& outcome = staged.outcome;
    if (outcome.status != ReadOutcome::Status::Loaded) {
        reportReadOutcome(session, kSeqKind, staged.path, outcome);
        return false;
    }
    const Layout& layout = outcome.version == 0 ? seqLayout() : oldSeqLayout(outcome.size)->blocks;
    ShowTables from = staged.tables->view();
    ResetStoreTables(tables, /*programStart=*/false);
    tables.fileOnly.OldViewPos.fill(0);
    tables.sequencer.SceneStore.swapBlocks(from.sequencer.SceneStore);
    copyBlockTables(layout, from, tables, "SceneStore");
    if (outcome.version != 0) convertOlder(tables, outcome.version);
    ++tables.sequencer.LinkEdits;
    reportReadOutcome(session, kSeqKind, staged.path, outcome);
    return true;
}

StagedSeqFrame StageSeqFrame(const std::string& path) {
    StagedSeqFrame staged{path, {}, {}};
    const std::int64_t size = fileSize(path);
    if (size != kSeqFrameBytes) {
        staged.refusal = size < 0 ? "there is no such file"
                                  : "it holds " + std::to_string(size) + " bytes, not the " +
                                        std::to_string(kSeqFrameBytes) + " of one sequence";
        return staged;
    }
    staged.bytes.resize(static_cast<std::size_t>(kSeqFrameBytes));
    staged.refusal = readFileStart(path, staged.bytes);
    return staged;
}

bool ApplySeqFrame(ShowFileSession& session, ShowTables& tables, int seq,
                   const StagedSeqFrame& staged) {
    if (!staged.refusal.empty()) {
        session.errors.ReportError(
            kWho, "OpenSeqFrame",
            "The sequence file " + staged.path + " was not loaded: " + staged.refusal + ".");
        return false;
    }
    SequencerStore& store = tables.sequencer;
    copyBlocksFrom(staged.bytes, seqFrameLayout(seq), tables);
    for (std::uint8_t& link : store.LinkMask[seq]) link = link != 0 ? 1 : 0;
    ++store.LinkEdits;
    return true;
}

void WriteSeqFrameFile(ShowFileSession& session, ShowTables& tables, int seq,
                       const std::string& path) {
    if (const std::string failure = writeLayoutFile(path, seqFrameLayout(seq), tables);
        !failure.empty()) {
        session.errors.ReportError(kWho, "SaveSeqFrame",
                                   "input/output error in " + path + ": " + failure);
    }
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

std::string overwriteQuestion(const std::string& path) {
    const std::int64_t size = fileSize(path);
    const std::vector<std::int64_t> readable = readableOldSeqSizes();
    if (size < 0 || size == kSeqFileBytes ||
        std::find(readable.begin(), readable.end(), size) != readable.end()) {
        return {};
    }
    return "The file " + path + " holds " + std::to_string(size) +
           " bytes and is not a sequencer file this program can open. Write the sequencer over "
           "it?";
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
    WriteSeqFrameFile(session, tables, seq, *chosen);
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
