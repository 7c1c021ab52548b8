#pragma once

#include <string>

#include "storage/files/ShowFileSession.h"
#include "storage/files/ShowTables.h"
#include "storage/files/SizedRead.h"

namespace wl {

// The track file (".trk"): a 256-byte text header and 24 blocks of tracks, effects and track
// parameters, recognised by its size. Track files are always written into "Projects/".

// What the track file header names: the program version, the sequencer file and the contract.
struct TrackHeaderParts {
    std::string version = "No_File_Version";
    std::string seqFile;  // any path; only its file-name part is written
    std::string data = "Data";
    std::string customer = "Customer";
    std::string object = "Object";
};

// "Wavelumina      Version <v> it is Track FileSEQ=<name> / DATA=... / CUSTOMER=... /
// OBJECT=... / " in the code page of the file's names.
std::string TrackHeaderText(const TrackHeaderParts& parts);

// The header from the settings file's version and contract data and the current sequencer file.
std::string TrackHeaderText(const std::string& programDir, const std::string& lastFileSeq);

// Reads a track file of any supported version into tables already reset, converting an older
// layout. Says nothing: the outcome tells what happened.
//
// Thread: the engine (all functions here). Allocates (file handles, texts).
ReadOutcome ReadTrackData(const std::string& path, ShowTables& tables);

// Writes the current layout atomically; returns the reason of a failure, empty on success.
std::string WriteTrackData(const std::string& path, ShowTables& tables);

// The program's default track file, "Projects/" of the program folder, where saving puts it.
std::string defaultTrackFile(const std::string& programDir);

// Resets the tracks and loads the file `LastFileTrack` names (its extension made ".trk"). When it
// cannot be opened, the operator is told (unless the settings file named none) and the default
// track file is loaded instead; an empty track file is made there only where nothing is. A file
// of a size no layout has loads nothing and is logged and told to the operator, as are failures;
// the tracks stay reset.
void OpenTrackFile(ShowFileSession& session, ShowTables& tables);

// Writes the track file into "Projects/" under the file-name part of `LastFileTrack`, which then
// names that file; the header is rebuilt first.
void SaveTrackFileName(ShowFileSession& session, ShowTables& tables);

}  // namespace wl
