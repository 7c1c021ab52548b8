#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "storage/files/ShowFileSession.h"
#include "storage/files/SizedRead.h"

namespace wl {

// What the event log and the operator are told about loading and saving the show files, shared by
// the sequencer, track and snapshot files so that each outcome reads the same for all of them.
//
// Thread: the engine (all functions here). Allocates (texts).

// Names one kind of show file in the reports about it. A kind without older layouts has no
// `retroWho`, `olderText` and `olderSizes` (null).
struct ShowFileKind {
    const char* name;      // in the operator's messages: "sequencer file"
    const char* where;     // the operation the log lines of a load name: "OpenSeqFile"
    const char* retroWho;  // who logs an older version that was read: "ReadRetroSeq"
    std::string (*olderText)(int version);  // what that line says of the version
    std::int64_t currentBytes;
    std::vector<std::int64_t> (*olderSizes)();  // the older sizes that can be read
};

// Logs an older version that was read; reports a size no layout has, an older layout that cannot
// be read and a read that failed half-way. A current file read whole says nothing.
void reportReadOutcome(ShowFileSession& session, const ShowFileKind& kind, const std::string& path,
                       const ReadOutcome& outcome);

// Logs and tells the operator that the file at `path` was not loaded because none of the kind's
// layouts has its `size`.
void reportUnknownSize(ShowFileSession& session, const ShowFileKind& kind, const std::string& path,
                       std::int64_t size);

// Tells the operator that the show file `named` cannot be opened, and why, and that the default
// file of its kind takes its place.
void tellDefaultInstead(ShowFileSession& session, const ShowFileKind& kind,
                        const std::string& named, const std::string& defaultPath);

// Whether the missing default file at `path` may be made: only where nothing is. Anything else
// in its place (a folder, a device) is left alone, and logged and told to the operator.
bool mayMakeDefault(ShowFileSession& session, const ShowFileKind& kind, const std::string& path);

// After a show file was written to `path` (`failure` empty on success): reports the failure, then
// logs and tells the operator when the file is not there, naming it "no Write <what>".
void reportSave(ShowFileSession& session, const char* where, const char* what,
                const std::string& path, const std::string& failure);

}  // namespace wl
