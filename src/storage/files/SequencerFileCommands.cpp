#include "storage/files/SequencerFileCommands.h"

#include "sequencer/SequencerWindowState.h"
#include "sequencer/Tempo.h"
#include "sequencer/Undo.h"
#include "storage/files/SettingsFile.h"
#include "storage/files/ShowFileReports.h"

namespace wl {

namespace {

// Where "Save file block of sequensers" writes: the program folder, under the current file's name.
std::string seqSaveTarget(const ShowFileSession& session) {
    return session.ProgramDir + fileNamePart(session.LastFileSeq);
}

}  // namespace

void OpenSeqFileCommand(ShowFileSession& session, ShowTables& tables, SequencerContext& ctx,
                        StagedSeqFile& staged) {
    if (!ApplySeqFile(session, tables, staged)) return;
    session.LastFileSeq = staged.path;
    ctx.window.caption = "Open file Sequenser: " + staged.path;
    endUndoBurst(ctx);
    refreshEditedSequence(ctx);
}

std::string saveSeqFileQuestion(const ShowFileSession& session) {
    if (!fileExists(session.LastFileSeq)) return {};
    return overwriteQuestion(seqSaveTarget(session));
}

void SaveSeqFileCommand(ShowFileSession& session, ShowTables& tables) {
    if (!fileExists(session.LastFileSeq)) return;
    SaveSeqFile(session, tables);
    SaveIniSettings(session);
}

std::string saveSeqFileAsQuestion(const ShowFileSession& session, const std::string& path) {
    if (path == session.LastFileSeq) return "File " + path + "exist, rewrite?";
    return overwriteQuestion(path);
}

void SaveSeqFileAsCommand(ShowFileSession& session, ShowTables& tables, SequencerContext& ctx,
                          const std::string& path) {
    const std::string failure = WriteSeqData(path, tables);
    reportSave(session, "SaveSeqFile", "Seq", path, failure);
    if (!failure.empty()) return;
    session.LastFileSeq = path;
    SaveIniSettings(session);
    ctx.window.caption = "File sequenser: " + path;
    ctx.window.notify();
}

void OpenSeqFrameCommand(ShowFileSession& session, ShowTables& tables, SequencerContext& ctx,
                         const StagedSeqFrame& staged) {
    if (staged.refusal.empty()) {
        SaveToUndo(ctx);
        if (!fileExists(session.LastFileSeq)) return;
    }
    if (ApplySeqFrame(session, tables, editedSeq(ctx), staged)) refreshEditedSequence(ctx);
}

void SaveSeqFrameCommand(ShowFileSession& session, ShowTables& tables, SequencerContext& ctx,
                         const std::string& path) {
    if (!fileExists(session.LastFileSeq)) return;
    WriteSeqFrameFile(session, tables, editedSeq(ctx), path);
}

}  // namespace wl
