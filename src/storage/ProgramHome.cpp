#include "storage/ProgramHome.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace wl {

std::string withTrailingSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string resolveProgramDir(const ProgramHomeChoices& choices) {
    if (choices.homeOption && !choices.homeOption->empty()) {
        return withTrailingSlash(*choices.homeOption);
    }
    if (choices.homeVariable && !choices.homeVariable->empty()) {
        return withTrailingSlash(*choices.homeVariable);
    }
    if (choices.executableDirWritable && !choices.executableDir.empty()) {
        return withTrailingSlash(choices.executableDir.string());
    }
    const std::string home = choices.userHome.value_or(".");
    return withTrailingSlash(home) + ".local/share/wavelumina/";
}

ProgramHomeChoices programHomeChoices(std::optional<std::string> homeOption) {
    ProgramHomeChoices choices;
    choices.homeOption = std::move(homeOption);
    if (const char* value = std::getenv("WAVELUMINA_HOME")) choices.homeVariable = value;
    if (const char* value = std::getenv("HOME")) choices.userHome = value;
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        choices.executableDir = exe.parent_path();
        choices.executableDirWritable = access(choices.executableDir.c_str(), W_OK) == 0;
    }
    return choices;
}

}  // namespace wl
