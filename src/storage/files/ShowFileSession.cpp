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

std::string fileProblem(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error == std::errc::too_many_symbolic_link_levels) return "a loop of symbolic links";
    switch (status.type()) {
        case fs::file_type::regular:
            return {};
        case fs::file_type::not_found:
            return "no such file";
        case fs::file_type::directory:
            return "a folder, not a file";
        case fs::file_type::fifo:
            return "a FIFO (named pipe), not a file";
        case fs::file_type::block:
        case fs::file_type::character:
            return "a device, not a file";
        case fs::file_type::socket:
            return "a socket, not a file";
        default:
            return error ? error.message() : "not a regular file";
    }
}

std::string inProgramDir(const std::string& programDir, const std::string& path) {
    if (path.empty() || path.front() == '/') return path;
    return programDir + path;
}

}  // namespace wl
