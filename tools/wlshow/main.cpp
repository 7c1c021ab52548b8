// wlshow: looks into show files with the program's own readers, upgrades older versions to the
// current layout and exports the tables as JSON, for operators and scripts.

#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Export.h"
#include "LoadedShow.h"
#include "Summary.h"
#include "Tags.h"
#include "storage/TagReader.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitUsage = 1;
constexpr int kExitRefused = 2;

constexpr const char* kUsage =
    "usage: wlshow info FILE...\n"
    "       wlshow upgrade IN OUT\n"
    "       wlshow export FILE [--levels SEQ]\n"
    "       wlshow tags MUSICFILE\n"
    "Files: .seq and WaveluminaSeq.tmp (sequencer), .trk (tracks), .sfr (one sequence), .set\n"
    "(system data). Sequence, scene, track, tick and effect numbers are the stored indices from\n"
    "0 (SEQ too); channel numbers run from 1. tags prints a music file's ID3v2 tag boxes as\n"
    "JSON keyed by the boxes' captions. Exit status 2 when a file is refused.\n";

int usage() {
    std::cerr << kUsage;
    return kExitUsage;
}

int refused(const std::string& path, const wl::tool::LoadedShow& loaded) {
    std::cerr << "wlshow: " << path << ": " << loaded.reason << '\n';
    return kExitRefused;
}

int info(const std::vector<std::string>& paths) {
    int status = kExitOk;
    auto tables = std::make_unique<wl::OwnedShowTables>();
    for (const std::string& path : paths) {
        const wl::tool::LoadedShow loaded = wl::tool::loadShow(path, *tables);
        std::cout << path << ": " << wl::tool::summaryLine(loaded, *tables) << '\n';
        if (loaded.refused) status = kExitRefused;
    }
    return status;
}

int upgrade(const std::string& in, const std::string& out) {
    auto tables = std::make_unique<wl::OwnedShowTables>();
    const wl::tool::LoadedShow loaded = wl::tool::loadShow(in, *tables);
    if (loaded.refused) return refused(in, loaded);
    if (const std::string failure = wl::tool::saveShow(out, loaded, *tables); !failure.empty()) {
        std::cerr << "wlshow: " << out << ": " << failure << '\n';
        return kExitRefused;
    }
    return kExitOk;
}

std::optional<int> sequenceArgument(const std::string& text) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < 0 || value > 255) return std::nullopt;
    return static_cast<int>(value);
}

int exportFile(const std::vector<std::string>& args) {
    std::optional<int> levelsOf;
    if (args.size() == 3 && args[1] == "--levels") {
        levelsOf = sequenceArgument(args[2]);
        if (!levelsOf) return usage();
    } else if (args.size() != 1) {
        return usage();
    }
    auto tables = std::make_unique<wl::OwnedShowTables>();
    const wl::tool::LoadedShow loaded = wl::tool::loadShow(args[0], *tables);
    if (loaded.refused) return refused(args[0], loaded);
    wl::tool::exportJson(std::cout, loaded, *tables, levelsOf);
    return kExitOk;
}

int tags(const std::string& path) {
    const wl::TagReading reading = wl::ReadTagFile(path);
    if (!reading.readable) {
        std::cerr << "wlshow: " << reading.failure << '\n';
        return kExitRefused;
    }
    wl::tool::writeTagsJson(std::cout, reading.boxes);
    return kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (args.size() < 2) return usage();
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "info") return info(rest);
    if (args[0] == "upgrade" && rest.size() == 2) return upgrade(rest[0], rest[1]);
    if (args[0] == "export") return exportFile(rest);
    if (args[0] == "tags" && rest.size() == 1) return tags(rest[0]);
    return usage();
}
