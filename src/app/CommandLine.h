#pragma once

#include <optional>
#include <string>
#include <vector>

namespace wl {

// What the program was asked to do on its command line.
//
// Thread: the main thread, at start. Parsing allocates.
struct CommandLine {
    std::optional<std::string> home;
    bool headless = false;
    std::optional<std::string> track;
    std::optional<std::string> mode;
    std::optional<int> seconds;
    bool virtualClock = false;
    std::string audio = "default";
    std::optional<std::string> dmxCapture;
    bool help = false;
};

struct CommandLineResult {
    CommandLine options;
    std::string error;  // empty when the arguments were understood
};

// Parses the arguments after the program name.
CommandLineResult parseCommandLine(const std::vector<std::string>& arguments);

// The text of --help.
std::string commandLineHelp();

}  // namespace wl
