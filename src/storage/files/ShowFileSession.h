#pragma once

#include <cstdint>
#include <string>

namespace wl {

class EventLog;
class ErrorReporter;
class Operator;
class WallClock;

// The program state the settings and show files read and change: the program folder, the current
// files, the version text and start count, and where events and failures go. Built by the owner
// of that state for one operation.
//
// Thread: the engine (so are the helpers below). Plain references; the helpers allocate texts.
struct ShowFileSession {
    const std::string& ProgramDir;  // ends in "/"
    std::string& LastFileSeq;
    std::string& LastFileTrack;
    std::string& LastFileShow;
    std::string& LastFileSkin;
    std::string& FileVersion;
    std::int32_t& CountOpen;
    EventLog& log;
    ErrorReporter& errors;
    Operator& op;
    const WallClock& clock;
};

// The program's own file with another extension (".seq", ".trk", ".shw", ".ini"): the default
// names of the current files.
std::string programFile(const std::string& programDir, const std::string& extension);

// The text after the last "/" or "\" of a path: the file-name part of names made here or on
// Windows alike.
std::string fileNamePart(const std::string& path);

// The path with its extension (from the last "." of the file-name part) replaced; a name without
// one gets the extension added.
std::string withExtension(const std::string& path, const std::string& extension);

bool fileExists(const std::string& path);

// Why `path` is not a regular file that can be read (links followed): "no such file", "a folder,
// not a file", "a FIFO (named pipe), not a file", "a device, not a file", "a loop of symbolic
// links", or the system's reason. Empty when it is one.
std::string fileProblem(const std::string& path);

// A name from the settings file: a relative one lies in the program folder, wherever the program
// was started from. Empty and absolute names stay as they are.
std::string inProgramDir(const std::string& programDir, const std::string& path);

}  // namespace wl
