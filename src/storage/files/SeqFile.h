#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "storage/files/ShowFileSession.h"
#include "storage/files/ShowTables.h"
#include "storage/files/SizedRead.h"

namespace wl {

// The sequencer file (".seq"): the whole sequencer store with the settings record, channel
// limits and names, kits, schedule, macros and influences, 53 blocks, recognised by its size.
// Older sizes are read and converted; a size nobody knows loads nothing and is reported.

// Reads a sequencer file of any supported version into tables already reset, converting an older
// layout. Says nothing: the outcome tells what happened.
//
// Thread: the engine (all functions here). Allocates (file handles, texts).
ReadOutcome ReadSeqData(const std::string& path, ShowTables& tables);

// Writes the current layout atomically; returns the reason of a failure, empty on success.
std::string WriteSeqData(const std::string& path, ShowTables& tables);

// Resets the store and loads the file `LastFileSeq` names. When it cannot be opened, the operator
// is told and the default file named after the program in the program folder is loaded instead; a
// file of reset tables is made there only where nothing is. Older versions are logged; a size no
// layout has, an unreadable older layout and failures are logged and told to the operator, the
// store staying reset.
void OpenSeqFile(ShowFileSession& session, ShowTables& tables);

// Writes the ".seq" file into the program folder under the file-name part of `LastFileSeq`,
// which then names that file.
void SaveSeqFile(ShowFileSession& session, ShowTables& tables);

// The question to ask before a sequencer file is written to `path` over a file that no sequencer
// layout reads (one refused at start-up, say): empty when nothing needs asking.
std::string overwriteQuestion(const std::string& path);

// Writes the whole store to "WaveluminaSeq.tmp" in the program folder; `LastFileSeq` stays.
void SaveSeqCopy(ShowFileSession& session, ShowTables& tables);

// The ".sfr" name proposed for sequence `seq` (0..255): `LastFileSeq` without its extension,
// "-", the sequence number from 1 with at least two digits, ".sfr".
std::string SeqFrameName(const std::string& lastFileSeq, int seq);

// Saves sequence `seq` as ".sfr" under the name the operator chooses.
void SaveSeqFrame(ShowFileSession& session, ShowTables& tables, int seq);

// A ".seq" file read and checked beside the tables, ready to be swapped in: the levels in a block
// of their own, every other block in a set of staging tables.
struct StagedSeqFile {
    std::string path;
    ReadOutcome outcome;
    std::unique_ptr<OwnedShowTables> tables;
};

// Reads the ".seq" (or an older layout) at `path` without touching the program's tables: a file
// of a size no readable layout has, or one that cannot be read whole, is refused by its outcome.
//
// Thread: any (no table of the program is touched). Allocates the staging tables and a fresh
// block for the levels.
StagedSeqFile StageSeqFile(const std::string& path);

// Installs a staged file as opening it does: the store reset, the staged levels swapped in, the
// other blocks copied in and an older layout converted; an older version is logged. A refused
// file leaves every table as it was; its reason is logged and told. Returns whether the file was
// installed. The store's previous levels go to `staged`, to be freed with it outside the tables.
//
// Thread: the engine. Quick: no file is read; never allocates apart from the report's texts.
bool ApplySeqFile(ShowFileSession& session, ShowTables& tables, StagedSeqFile& staged);

// A ".sfr" file read and checked beside the tables: exactly one sequence's 1,053,200 bytes.
struct StagedSeqFrame {
    std::string path;
    std::string refusal;  // why the file cannot be loaded; empty when it can
    std::vector<std::byte> bytes;
};

// Reads the ".sfr" at `path` whole; a file of any other size is refused.
//
// Thread: any. Allocates the bytes.
StagedSeqFrame StageSeqFrame(const std::string& path);

// Copies a staged ".sfr" into sequence `seq`: name, levels, links (any byte other than 0 is taken
// as a link) and control words. A refused file changes nothing; its reason is logged and told.
// Returns whether the file was copied.
//
// Thread: the engine. Quick; allocates only the report's texts.
bool ApplySeqFrame(ShowFileSession& session, ShowTables& tables, int seq,
                   const StagedSeqFrame& staged);

// Writes sequence `seq` to `path` as ".sfr"; a failure is reported.
void WriteSeqFrameFile(ShowFileSession& session, ShowTables& tables, int seq,
                       const std::string& path);

// Loads a ".sfr" file the operator chooses into sequence `seq`; `storeUndo` runs after the
// choice and before anything changes. A file shorter than one sequence is refused whole.
void OpenSeqFrame(ShowFileSession& session, ShowTables& tables, int seq,
                  const std::function<void()>& storeUndo);

}  // namespace wl
