#pragma once

#include <string>

#include "storage/files/ShowFileSession.h"
#include "storage/files/ShowTables.h"

namespace wl {

// The system data snapshot "Wavelumina.set" of the program folder: channel names and limits,
// manual levels, the schedule, the macros and the settings record, 22 blocks, no header.

std::string setFilePath(const std::string& programDir);

// Reads the snapshot into the tables when it has the snapshot's size; returns false (and reads
// nothing) for any other size. Failures are returned in `failure`.
//
// Thread: the engine (all functions here). Allocates (file handles, texts).
bool ReadSetData(const std::string& path, ShowTables& tables, std::string& failure);

// Writes the snapshot atomically; returns the reason of a failure, empty on success.
std::string WriteSetData(const std::string& path, ShowTables& tables);

// The music-show window's "Save System Data Time Min Max " and "Load System Data Time Min Max ".
// A missing snapshot is told to the operator; one of another size loads nothing and is logged and
// told to the operator.
void SaveSetFile(ShowFileSession& session, ShowTables& tables);
void LoadSetFile(ShowFileSession& session, ShowTables& tables);

}  // namespace wl
