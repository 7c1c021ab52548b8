#include "LoadedShow.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "storage/files/FileLayouts.h"
#include "storage/files/OldLayouts.h"
#include "storage/files/SeqFile.h"
#include "storage/files/SetFile.h"
#include "storage/files/StoreReset.h"
#include "storage/files/TrackFile.h"

namespace wl::tool {

namespace {

std::string lowerExtension(const std::string& path) {
    const std::string name = fileNamePart(path);
    const std::size_t dot = name.find_last_of('.');
    std::string extension = dot == std::string::npos ? "" : name.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

bool kindFromName(const std::string& path, ShowKind& kind) {
    const std::string extension = lowerExtension(path);
    if (extension == ".seq" || extension == ".tmp") {
        kind = ShowKind::Seq;
    } else if (extension == ".trk") {
        kind = ShowKind::Trk;
    } else if (extension == ".sfr") {
        kind = ShowKind::Sfr;
    } else if (extension == ".set") {
        kind = ShowKind::Set;
    } else {
        return false;
    }
    return true;
}

bool kindFromSize(std::int64_t size, ShowKind& kind) {
    if (size == kSeqFileBytes || oldSeqLayout(size) != nullptr) {
        kind = ShowKind::Seq;
    } else if (size == kTrackFileBytes || oldTrackLayout(size) != nullptr) {
        kind = ShowKind::Trk;
    } else if (size == kSetFileBytes) {
        kind = ShowKind::Set;
    } else {
        return false;
    }
    return true;
}

void refuse(LoadedShow& loaded, std::string reason) {
    loaded.refused = true;
    loaded.reason = std::move(reason);
}

void takeOutcome(LoadedShow& loaded, const ReadOutcome& outcome, const char* what) {
    loaded.version = outcome.version;
    switch (outcome.status) {
        case ReadOutcome::Status::Loaded:
            return;
        case ReadOutcome::Status::UnknownSize:
            refuse(loaded,
                   std::to_string(loaded.size) + " bytes is the size of no " + what + " layout");
            return;
        case ReadOutcome::Status::UnreadableOlder:
            refuse(loaded, "older " + std::string(what) + " version " +
                               std::to_string(outcome.version) + " (" +
                               std::to_string(loaded.size) +
                               " bytes) has a layout that cannot be read");
            return;
        case ReadOutcome::Status::Failed:
            refuse(loaded, "input/output error: " + outcome.failure);
            return;
    }
}

void loadSeqFrame(const std::string& path, LoadedShow& loaded, ShowTables& tables) {
    if (loaded.size != kSeqFrameBytes) {
        refuse(loaded, std::to_string(loaded.size) + " bytes is not the size of one sequence (" +
                           std::to_string(kSeqFrameBytes) + " bytes)");
        return;
    }
    if (const std::string failure = readLayoutFile(path, seqFrameLayout(0), tables);
        !failure.empty()) {
        refuse(loaded, "input/output error: " + failure);
    }
}

void loadSet(const std::string& path, LoadedShow& loaded, ShowTables& tables) {
    std::string failure;
    if (ReadSetData(path, tables, failure)) return;
    refuse(loaded, failure.empty()
                       ? std::to_string(loaded.size) + " bytes is not the snapshot size " +
                             std::to_string(kSetFileBytes)
                       : "input/output error: " + failure);
}

}  // namespace

const char* kindName(ShowKind kind) {
    switch (kind) {
        case ShowKind::Seq:
            return "seq";
        case ShowKind::Trk:
            return "trk";
        case ShowKind::Sfr:
            return "sfr";
        case ShowKind::Set:
            return "set";
    }
    return "";
}

LoadedShow loadShow(const std::string& path, OwnedShowTables& owned) {
    LoadedShow loaded;
    if (std::string problem = fileProblem(path); !problem.empty()) {
        refuse(loaded, std::move(problem));
        return loaded;
    }
    loaded.size = fileSize(path);
    if (!kindFromName(path, loaded.kind) && !kindFromSize(loaded.size, loaded.kind)) {
        refuse(loaded, "neither the name nor the size (" + std::to_string(loaded.size) +
                           " bytes) is that of a show file");
        return loaded;
    }
    loaded.kindKnown = true;
    ShowTables tables = owned.view();
    ResetStore(tables, false);
    ResetTracks(owned.tracks, "");
    switch (loaded.kind) {
        case ShowKind::Seq:
            takeOutcome(loaded, ReadSeqData(path, tables), "sequencer");
            break;
        case ShowKind::Trk:
            takeOutcome(loaded, ReadTrackData(path, tables), "track");
            loaded.hadHeader = loaded.version == 0 || loaded.version == 21;
            break;
        case ShowKind::Sfr:
            loadSeqFrame(path, loaded, tables);
            break;
        case ShowKind::Set:
            loadSet(path, loaded, tables);
            break;
    }
    return loaded;
}

std::string saveShow(const std::string& path, const LoadedShow& loaded, OwnedShowTables& owned) {
    // The new file is renamed over whatever is at `path`: a device or a FIFO would be replaced.
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
        if (const std::string problem = fileProblem(path); !problem.empty()) {
            return problem + "; only a regular file is written over";
        }
    }
    ShowTables tables = owned.view();
    switch (loaded.kind) {
        case ShowKind::Seq:
            return WriteSeqData(path, tables);
        case ShowKind::Trk:
            if (!loaded.hadHeader)
                SetTrackHeader(owned.tracks, TrackHeaderText(TrackHeaderParts{}));
            return WriteTrackData(path, tables);
        case ShowKind::Sfr:
            return writeLayoutFile(path, seqFrameLayout(0), tables);
        case ShowKind::Set:
            return WriteSetData(path, tables);
    }
    return "unknown kind";
}

}  // namespace wl::tool
