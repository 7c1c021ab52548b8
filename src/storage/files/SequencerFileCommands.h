#pragma once

#include <string>

#include "sequencer/SequencerContext.h"
#include "storage/files/SeqFile.h"
#include "storage/files/ShowFileSession.h"
#include "storage/files/ShowTables.h"

namespace wl {

// The file commands of the sequencer window, in the steps the engine needs: the window chooses
// the file and asks the questions named here, reads a file with `StageSeqFile` or `StageSeqFrame`
// outside the tables, then calls the command, which installs or writes.
//
// Thread: the engine. Opening is quick (no file is read); the saves write their
// file synchronously and are kept apart so that they can move to a writer of their own.

// "Open file block of sequensers" ("*.seq"), after the file was staged: the file is installed,
// its path becomes the current sequencer file, the caption "Open file Sequenser: " + path, the
// undo burst ends and "Undo" is disabled, and the window redraws. A refused file leaves the
// tables, the current file and the caption as they were, and says why.
void OpenSeqFileCommand(ShowFileSession& session, ShowTables& tables, SequencerContext& ctx,
                        StagedSeqFile& staged);

// "Save file block of sequensers": when a file exists at the current sequencer file, the store
// is saved (into the program folder) and the settings file written. Before it the window asks
// `saveSeqFileQuestion` when that is not empty, and goes ahead only on Yes.
std::string saveSeqFileQuestion(const ShowFileSession& session);
void SaveSeqFileCommand(ShowFileSession& session, ShowTables& tables);

// "Save as file block of sequensers" ("*.seq"): the store is written once, to `path`; it becomes
// the current sequencer file, the settings file is written and the caption becomes
// "File sequenser: " + path; a file that could not be written changes none of them. Before it the
// window asks `saveSeqFileAsQuestion` when that is not empty ("File " + path + "exist, rewrite?"
// for the current file), and goes ahead only on Yes.
std::string saveSeqFileAsQuestion(const ShowFileSession& session, const std::string& path);
void SaveSeqFileAsCommand(ShowFileSession& session, ShowTables& tables, SequencerContext& ctx,
                          const std::string& path);

// Loading one sequence ("*.sfr"), after the file was staged: an undo snapshot, then, when a file
// exists at the current sequencer file, the file goes into the edited sequence and the window
// redraws. A refused file changes nothing and says why.
void OpenSeqFrameCommand(ShowFileSession& session, ShowTables& tables, SequencerContext& ctx,
                         const StagedSeqFrame& staged);

// Saving the edited sequence as ".sfr" to `path` (the dialog proposes `SeqFrameName`); nothing
// when no file exists at the current sequencer file.
void SaveSeqFrameCommand(ShowFileSession& session, ShowTables& tables, SequencerContext& ctx,
                         const std::string& path);

}  // namespace wl
