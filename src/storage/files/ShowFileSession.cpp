#include "storage/files/ShowFileSession.h"

#include <filesystem>
#include <system_error>

namespace wl {

namespace {

constexpr const char* kProgramName = "wavelumina";

std::size_t nameStart(const std::string& path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? 0 : separator + 1;
}

}  // namespace

std::string programFile(const std::string& programDir, const std::string& extension) {
    return programDir + kProgramName + extension;
}

std::string fileNamePart(const std::string& path) {
    return path.substr(nameStart(path));
}

std::string withExtension(const std::string& path, const std::string& extension) {
    const std::size_t dot = path.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && dot >= nameStart(path);
    return (hasExtension ? path.substr(0, dot) : path) + extension;
}

bool fileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace wl
