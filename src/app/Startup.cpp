#include "app/Startup.h"

#include <filesystem>
#include <system_error>

#include "app/ColourScheme.h"
#include "app/OperatingMode.h"
#include "app/OutputLinks.h"
#include "app/OutputTimers.h"
#include "app/System.h"
#include "platform/Operator.h"
#include "sequencer/SequenceSelection.h"
#include "storage/ProgramHome.h"
#include "storage/files/SeqFile.h"
#include "storage/files/SettingsFile.h"
#include "storage/files/StoreReset.h"
#include "storage/files/TrackFile.h"

namespace wl {

namespace {

constexpr const char* kWho = "FormMaim";
constexpr const char* kWhere = "FormCreate";
constexpr int kStatusModePanel = 4;

// Returns false when the folder is missing and cannot be made; the rest of start-up is skipped.
bool ensureProjectsFolder(System& system) {
    const std::string projects = system.ProgramDir + "Projects/";
    std::error_code error;
    if (std::filesystem::is_directory(projects, error)) return true;
    system.log.WriteLog(kWho, kWhere, "not DirectoryExists " + projects);
    std::filesystem::create_directories(projects, error);
    if (std::filesystem::is_directory(projects)) return true;
    system.log.WriteLog(kWho, kWhere, "no Create Dir " + projects);
    system.op.tell(BoxKind::Error, "Cannot create the folder " + projects + ": " +
                                       (error ? error.message() : "unknown reason"));
    return false;
}

void takeInstanceGuard(System& system) {
    switch (system.instanceGuard.acquire()) {
        case InstanceGuard::Outcome::Acquired:
            return;
        case InstanceGuard::Outcome::AlreadyRunning:
            system.main.terminateRequested = true;
            return;
        case InstanceGuard::Outcome::CreateFailed:
            system.log.WriteLog(kWho, kWhere,
                                "single-instance guard: " + system.instanceGuard.failureReason());
            system.op.tell(BoxKind::Error, "Donot create FileMapping DMX!");
            return;
        case InstanceGuard::Outcome::MapFailed:
            system.log.WriteLog(kWho, kWhere,
                                "single-instance guard: " + system.instanceGuard.failureReason());
            system.op.tell(BoxKind::Error, "Donot connect FileMapping Twice!");
            return;
    }
}

void resetTablesAndLoadShow(System& system) {
    ShowTables tables = system.showTables();
    ShowFileSession session = system.fileSession();
    ResetStore(tables, /*programStart=*/true);
    ResetTracks(system.tracks, TrackHeaderText(system.ProgramDir, system.LastFileSeq));
    ResetEffects(system.effects);
    ResetFrames(system.channels);
    LoadIniSettings(session);
    OpenSeqFile(session, tables);
    OpenTrackFile(session, tables);
}

void refreshStatus(System& system) {
    system.main.statusPanels[kStatusModePanel] = ModeText(system.FountainMode) + " MODE";
    system.main.notify();
}

}  // namespace

void MainFormCreate(System& system) {
    system.ProgramDir = withTrailingSlash(system.ProgramDir);
    std::error_code ignored;  // a folder that cannot be made is reported with "Projects/" below
    std::filesystem::create_directories(system.ProgramDir, ignored);

    const auto refresh = system.scheduler.addTask("tmrRefresh", kRefreshIntervalMs,
                                                  [&system] { refreshStatus(system); });
    system.scheduler.start(refresh);

    if (!ensureProjectsFolder(system)) return;
    takeInstanceGuard(system);
    system.main.height = 84;
    // A copy that is about to end loads nothing.
    if (system.main.terminateRequested) return;
    resetTablesAndLoadShow(system);
    system.main.colours = colourSchemeFrom(system.settings);
    system.main.caption = "File track: " + system.LastFileTrack;
    system.main.height = 98;
    system.main.saveEnabled = true;
    system.main.notify();
}

void MainFormClose(System& system) {
    ShowFileSession session = system.fileSession();
    if (system.SaveTrackAfterRecording) {
        ShowTables tables = system.showTables();
        SaveTrackFileName(session, tables);
    }
    SaveIniSettings(session);
}

void MainFormDestroy(System& system) {
    system.instanceGuard.release();
}

void createWindowLogic(System& system, WindowId id) {
    switch (id) {
        case WindowId::Main:
            MainFormCreate(system);
            break;
        case WindowId::Output:
            OpenOutputLinks(system);
            createOutputTimers(system);
            break;
        case WindowId::Sound:
            createModeTimer(system);
            break;
        case WindowId::Sequencer:
            SequencerFormCreate(system.sequencerContext, system.scheduler);
            break;
        case WindowId::About:
        case WindowId::Input:
        case WindowId::Monitor:
        case WindowId::SequenceViewer:
            break;
    }
}

void destroyWindowLogic(System& system, WindowId id) {
    switch (id) {
        case WindowId::Main:
            MainFormDestroy(system);
            break;
        case WindowId::Output:
            stopOutputTimers(system);
            CloseOutputLinks(system);
            break;
        case WindowId::Sound:
        case WindowId::Sequencer:
        case WindowId::About:
        case WindowId::Input:
        case WindowId::Monitor:
        case WindowId::SequenceViewer:
            break;
    }
}

void destroyWindows(System& system) {
    for (auto spec = kWindowOrder.rbegin(); spec != kWindowOrder.rend(); ++spec) {
        destroyWindowLogic(system, spec->id);
    }
}

void createWindows(System& system, WindowFactory& factory) {
    for (const WindowSpec& spec : kWindowOrder) {
        createWindowLogic(system, spec.id);
        factory.create(spec);
    }
}

}  // namespace wl
