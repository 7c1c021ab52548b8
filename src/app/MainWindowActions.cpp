#include "app/MainWindowActions.h"

#include "app/System.h"
#include "platform/Operator.h"
#include "sequencer/SequencerStore.h"
#include "storage/files/SeqFile.h"
#include "storage/files/SettingsFile.h"
#include "storage/files/TrackFile.h"

namespace wl {

namespace {

constexpr const char* kOpenTitle = "Открыть файлы Jetsketch";
constexpr const char* kOpenFilter = "Файлы Wavelumina|*.trk";

void showTrackCaption(System& system) {
    system.main.caption = "File track: " + system.LastFileTrack;
    system.main.saveEnabled = true;
    system.main.notify();
}

}  // namespace

void SpeedButtonOpenProjectClick(System& system) {
    const auto chosen = system.op.chooseFileToOpen(kOpenTitle, kOpenFilter, system.LastFileTrack);
    if (!chosen) return;
    // Whatever the operator picked (song.TRK, song.mp3), the track is the ".trk" of that name.
    system.LastFileTrack = withExtension(*chosen, ".trk");
    ShowFileSession session = system.fileSession();
    ShowTables tables = system.showTables();
    OpenTrackFile(session, tables);
    showTrackCaption(system);
}

std::string saveProjectQuestion(System& system) {
    return overwriteQuestion(system.ProgramDir + fileNamePart(system.LastFileSeq));
}

void SpeedButtonSaveFileClick(System& system) {
    ShowFileSession session = system.fileSession();
    ShowTables tables = system.showTables();
    SaveTrackFileName(session, tables);
    SaveSeqFile(session, tables);
    SaveIniSettings(session);
    showTrackCaption(system);
}

void SpeedButtonbeginClick(System& system) {
    system.sequencer.SeqJob.fill(kJobOff);
    system.showRequests.clearTrackSelection = true;
    ResetFrames(system.channels);
    system.showRequests.startMarkToBeginning = true;
    system.showRequests.rewindSong = true;
}

}  // namespace wl
