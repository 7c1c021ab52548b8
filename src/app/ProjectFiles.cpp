#include "app/ProjectFiles.h"

#include <memory>
#include <span>
#include <string>

#include "app/Engine.h"
#include "app/System.h"
#include "sequencer/SceneLevels.h"
#include "storage/files/BlockIo.h"
#include "storage/files/FileLayouts.h"
#include "storage/files/LayoutSnapshot.h"
#include "storage/files/SeqFile.h"
#include "storage/files/SettingsFile.h"
#include "storage/files/ShowFileReports.h"
#include "storage/files/StoreReset.h"
#include "storage/files/TrackFile.h"

namespace wl {

namespace {

constexpr const char* kOpenTitle = "Открыть файлы Jetsketch";
constexpr const char* kOpenFilter = "Файлы Wavelumina|*.trk";

// The program state a save names and reports with, copied so that the file worker owns it.
struct SessionCopy {
    explicit SessionCopy(System& system)
        : ProgramDir(system.ProgramDir),
          LastFileSeq(system.LastFileSeq),
          LastFileTrack(system.LastFileTrack),
          LastFileShow(system.LastFileShow),
          LastFileSkin(system.LastFileSkin),
          FileVersion(system.FileVersion),
          CountOpen(system.CountOpen),
          log(system.log),
          op(system.op),
          clock(system.clock),
          errors(system.log, system.op) {}

    ShowFileSession session() {
        return {ProgramDir, LastFileSeq, LastFileTrack, LastFileShow, LastFileSkin, FileVersion,
                CountOpen,  log,         errors,        op,           clock};
    }

    std::string ProgramDir, LastFileSeq, LastFileTrack, LastFileShow, LastFileSkin, FileVersion;
    std::int32_t CountOpen;
    EventLog& log;
    Operator& op;
    const WallClock& clock;
    ErrorReporter errors;  // its own, so its mark never races with the engine's
};

void showTrackCaption(System& system) {
    system.main.caption = "File track: " + system.LastFileTrack;
    system.main.saveEnabled = true;
    system.main.notify();
}

void saveAll(Engine& engine) {
    // The track header names the sequencer file and the contract of the settings file: read it
    // before taking the lock.
    const auto [programDir, seqFile] =
        engine.edit([](System& s) { return std::pair(s.ProgramDir, s.LastFileSeq); });
    const std::string header = TrackHeaderText(programDir, seqFile);

    const auto track = std::make_unique<LayoutSnapshot>(trackLayout(), nullptr);
    const auto seq = std::make_unique<LayoutSnapshot>(seqLayout(), "SceneStore");
    std::unique_ptr<SessionCopy> copy;
    std::unique_ptr<SceneSaveTap> scenes;
    engine.edit([&](System& system) {
        system.LastFileTrack = system.ProgramDir + "Projects/" + fileNamePart(system.LastFileTrack);
        system.LastFileSeq = system.ProgramDir + fileNamePart(system.LastFileSeq);
        SetTrackHeader(system.tracks, header);
        ShowTables tables = system.showTables();
        track->capture(tables);
        seq->capture(tables);
        scenes = std::make_unique<SceneSaveTap>(system.sequencer.SceneStore);
        copy = std::make_unique<SessionCopy>(system);
    });

    ShowFileSession session = copy->session();
    reportSave(session, "SaveTrackFileName", "Tracks", session.LastFileTrack,
               track->write(session.LastFileTrack, {}, 0));
    const auto readSequence = [&](std::size_t offset, std::span<std::byte> piece) {
        const auto sequence = static_cast<int>(offset / kSequenceBytes);
        engine.edit([&](System&) {
            scenes->read(sequence,
                         std::span<std::uint8_t, kSequenceBytes>(
                             reinterpret_cast<std::uint8_t*>(piece.data()), kSequenceBytes));
        });
    };
    reportSave(session, "SaveSeqFile", "Seq", session.LastFileSeq,
               seq->write(session.LastFileSeq, readSequence, kSequenceBytes));
    engine.edit([&](System&) { scenes.reset(); });
    SaveIniSettings(session);
    engine.edit(showTrackCaption);
}

}  // namespace

void SpeedButtonOpenProjectClick(Engine& engine) {
    const std::string current = engine.edit([](System& system) { return system.LastFileTrack; });
    const auto chosen = engine.person().chooseFileToOpen(kOpenTitle, kOpenFilter, current);
    if (!chosen) return;
    // Whatever the operator picked (song.TRK, song.mp3), the track is the ".trk" of that name.
    engine.offEngine([&engine, path = withExtension(*chosen, ".trk")] {
        // Read once off the lock, so the reading under it comes from memory.
        readAhead(path);
        engine.edit([&path](System& system) {
            system.LastFileTrack = path;
            ShowFileSession session = system.fileSession();
            ShowTables tables = system.showTables();
            OpenTrackFile(session, tables);
            showTrackCaption(system);
        });
    });
}

std::string saveProjectQuestion(Engine& engine) {
    // The file's size is looked at off the lock.
    return overwriteQuestion(
        engine.edit([](System& s) { return s.ProgramDir + fileNamePart(s.LastFileSeq); }));
}

void SpeedButtonSaveFileClick(Engine& engine) {
    engine.offEngine([&engine] { saveAll(engine); });
}

}  // namespace wl
