#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace wl {

// Thread: the main thread, at start. Allocates (paths).
//
// Where the program keeps its settings file, event log, "Projects/" folder and default show
// files. In order of preference: the --home option, $WAVELUMINA_HOME, the executable's folder
// when it is writable, ~/.local/share/wavelumina/.
struct ProgramHomeChoices {
    std::optional<std::string> homeOption;
    std::optional<std::string> homeVariable;
    std::filesystem::path executableDir;
    bool executableDirWritable = false;
    std::optional<std::string> userHome;
};

// The folder, always ending in exactly one "/" (a given trailing "/" gets no second one).
std::string resolveProgramDir(const ProgramHomeChoices& choices);

// Reads the choices of this process: its environment and the folder of its executable.
ProgramHomeChoices programHomeChoices(std::optional<std::string> homeOption);

std::string withTrailingSlash(std::string folder);

}  // namespace wl
