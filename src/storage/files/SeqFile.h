#pragma once

#include <functional>
#include <string>

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
// Thread: owner thread (all functions here). Allocates (file handles, texts).
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

// Writes the whole store to "WaveluminaSeq.tmp" in the program folder; `LastFileSeq` stays.
void SaveSeqCopy(ShowFileSession& session, ShowTables& tables);

// The ".sfr" name proposed for sequence `seq` (0..255): `LastFileSeq` without its extension,
// "-", the sequence number from 1 with at least two digits, ".sfr".
std::string SeqFrameName(const std::string& lastFileSeq, int seq);

// Saves sequence `seq` as ".sfr" under the name the operator chooses.
void SaveSeqFrame(ShowFileSession& session, ShowTables& tables, int seq);

// Loads a ".sfr" file the operator chooses into sequence `seq`; `storeUndo` runs after the
// choice and before anything changes. A file shorter than one sequence is refused whole.
void OpenSeqFrame(ShowFileSession& session, ShowTables& tables, int seq,
                  const std::function<void()>& storeUndo);

}  // namespace wl
