// How long the show files take to save and to open (store reset and read), with the file in the
// page cache: the full sequencer file (270 MB, the scene store as one transfer) and a track file
// (9.4 MB). The sequencer window opens a file in two steps: read and check it beside the tables,
// then install it; `apply_ms` is the second step, the part that holds the tables.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "app/HeadlessOperator.h"
#include "platform/WallClock.h"
#include "storage/ErrorReporter.h"
#include "storage/EventLog.h"

#include "storage/files/FileLayouts.h"
#include "storage/files/SeqFile.h"
#include "storage/files/StoreReset.h"
#include "storage/files/TrackFile.h"

namespace {

// A show whose every scene page is real memory, as after editing or loading a full show.
struct FullShow {
    FullShow() {
        wl::ShowTables view = tables->view();
        wl::ResetStore(view, false);
        wl::ResetTracks(tables->tracks, "bench");
        const std::span<std::byte> levels = tables->sequencer.SceneStore.fileBytes();
        std::memset(levels.data(), 0x5A, levels.size());
        std::filesystem::create_directories(dir);
    }
    ~FullShow() { std::filesystem::remove_all(dir); }

    std::unique_ptr<wl::OwnedShowTables> tables = std::make_unique<wl::OwnedShowTables>();
    std::string dir = (std::filesystem::temp_directory_path() / "wavelumina-show-bench").string();
};

FullShow& show() {
    static FullShow full;  // one 256 MiB store for every benchmark of this file
    return full;
}

using Write = std::string (*)(const std::string&, wl::ShowTables&);
using Read = wl::ReadOutcome (*)(const std::string&, wl::ShowTables&);
using Reset = void (*)(wl::ShowTables&);

// A load starts from the reset store, as opening a file does: the scene store then comes back as
// fresh pages that the read has to fault in.
void resetSequencer(wl::ShowTables& tables) {
    wl::ResetStore(tables, false);
}
void resetTracks(wl::ShowTables& tables) {
    wl::ResetTracks(tables.tracks, "bench");
}

void saveFile(benchmark::State& state, Write write, const char* name, std::int64_t bytes) {
    wl::ShowTables tables = show().tables->view();
    const std::string path = show().dir + "/" + name;
    for (auto _ : state) {
        if (!write(path, tables).empty()) state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}

void loadFile(benchmark::State& state, Write write, Reset reset, Read read, const char* name,
              std::int64_t bytes) {
    wl::ShowTables tables = show().tables->view();
    const std::string path = show().dir + "/" + name;
    if (!write(path, tables).empty()) state.SkipWithError("save failed");
    for (auto _ : state) {
        reset(tables);
        if (read(path, tables).status != wl::ReadOutcome::Status::Loaded) {
            state.SkipWithError("load failed");
        }
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}

void BM_SaveSeqFile(benchmark::State& state) {
    saveFile(state, wl::WriteSeqData, "full.seq", wl::kSeqFileBytes);
}
void BM_LoadSeqFile(benchmark::State& state) {
    loadFile(state, wl::WriteSeqData, resetSequencer, wl::ReadSeqData, "full.seq",
             wl::kSeqFileBytes);
}
void BM_SaveTrackFile(benchmark::State& state) {
    saveFile(state, wl::WriteTrackData, "full.trk", wl::kTrackFileBytes);
}
void BM_LoadTrackFile(benchmark::State& state) {
    loadFile(state, wl::WriteTrackData, resetTracks, wl::ReadTrackData, "full.trk",
             wl::kTrackFileBytes);
}

// What the sequencer file's commands report to: a log and an operator that only listen.
struct QuietSession {
    explicit QuietSession(const std::string& dir) : ProgramDir(dir) {}

    std::string ProgramDir;
    std::string LastFileSeq, LastFileTrack, LastFileShow, LastFileSkin, FileVersion;
    std::int32_t CountOpen = 0;
    wl::SystemWallClock clock;
    wl::EventLog log{ProgramDir + "bench.Log", clock};
    wl::HeadlessOperator op{std::cerr};
    wl::ErrorReporter errors{log, op};
    wl::ShowFileSession session{ProgramDir,   LastFileSeq, LastFileTrack, LastFileShow,
                                LastFileSkin, FileVersion, CountOpen,     log,
                                errors,       op,          clock};
};

void BM_OpenSeqFileStaged(benchmark::State& state) {
    wl::ShowTables tables = show().tables->view();
    const std::string path = show().dir + "/full.seq";
    if (!wl::WriteSeqData(path, tables).empty()) state.SkipWithError("save failed");
    QuietSession quiet(show().dir + "/");
    double applyMs = 0;
    for (auto _ : state) {
        wl::StagedSeqFile staged = wl::StageSeqFile(path);
        const auto start = std::chrono::steady_clock::now();
        if (!wl::ApplySeqFile(quiet.session, tables, staged)) state.SkipWithError("open failed");
        applyMs = std::max(applyMs, std::chrono::duration<double, std::milli>(
                                        std::chrono::steady_clock::now() - start)
                                        .count());
    }
    state.counters["apply_ms"] = applyMs;
    state.SetBytesProcessed(state.iterations() * wl::kSeqFileBytes);
}

BENCHMARK(BM_SaveSeqFile)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_LoadSeqFile)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_OpenSeqFileStaged)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_SaveTrackFile)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_LoadTrackFile)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
