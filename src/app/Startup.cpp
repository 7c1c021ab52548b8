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
#include "storage/files/ShowFileSession.h"
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

// Without the guard a second copy could drive the same fountain beside this one: no start.
void refuseUnguarded(System& system, const char* text) {
    const std::string& reason = system.instanceGuard.failureReason();
    system.log.WriteLog(kWho, kWhere, "single-instance guard: " + reason);
    system.op.tell(BoxKind::Error, std::string(text) +
                                       " The single-instance guard cannot be taken (" + reason +
                                       "), so a second copy could not be kept out: the program "
                                       "does not start.");
    system.main.startRefusal = StartRefusal::NoInstanceGuard;
}

bool takeInstanceGuard(System& system) {
    switch (system.instanceGuard.acquire()) {
        case InstanceGuard::Outcome::Acquired:
            return true;
        case InstanceGuard::Outcome::AlreadyRunning:
            system.main.startRefusal = StartRefusal::AnotherCopyRuns;
            return false;
        case InstanceGuard::Outcome::CreateFailed:
            refuseUnguarded(system, "Donot create FileMapping DMX!");
            return false;
        case InstanceGuard::Outcome::MapFailed:
            refuseUnguarded(system, "Donot connect FileMapping Twice!");
            return false;
    }
    return false;
}

// The settings, the event log and the show files live in the program folder: without it the
// program does not start.
bool ensureProgramFolder(System& system) {
    std::error_code error;
    std::filesystem::create_directories(system.ProgramDir, error);
    std::error_code ignored;
    if (std::filesystem::is_directory(system.ProgramDir, ignored)) return true;
    const std::string folder = system.ProgramDir.substr(0, system.ProgramDir.size() - 1);
    const std::string reason = fileExists(folder) ? "a file, not a folder"
                               : error            ? error.message()
                                                  : fileProblem(folder);
    system.op.tell(BoxKind::Error, "The program folder " + folder + " cannot be used (" + reason +
                                       "): the program does not start.");
    system.main.startRefusal = StartRefusal::NoProgramFolder;
    return false;
}

// The track file asked for at start, taken as the open command takes a chosen file: its
// extension made ".trk", and absolute, so that the settings file keeps a name that still holds
// wherever the program is started from next time.
std::string startTrackFile(const System& system) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(system.startTrack, error);
    return withExtension(error ? system.startTrack : absolute.string(), ".trk");
}

bool checkStartTrack(System& system) {
    if (system.startTrack.empty()) return true;
    const std::string path = startTrackFile(system);
    const std::string problem = fileProblem(path);
    if (problem.empty()) return true;
    system.log.WriteLog(kWho, kWhere,
                        "Start track cannot be opened: " + path + " (" + problem + ")");
    system.op.tell(BoxKind::Error, "The track file " + path +
                                       " to open at start cannot be opened (" + problem +
                                       "): the program does not start.");
    system.main.startRefusal = StartRefusal::StartTrackMissing;
    return false;
}

void resetTablesAndLoadShow(System& system) {
    ShowTables tables = system.showTables();
    ShowFileSession session = system.fileSession();
    ResetStore(tables, /*programStart=*/true);
    ResetTracks(system.tracks, TrackHeaderText(system.ProgramDir, system.LastFileSeq));
    ResetEffects(system.effects);
    ResetFrames(system.channels);
    LoadIniSettings(session);
    if (!system.startTrack.empty()) system.LastFileTrack = startTrackFile(system);
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
    // Before anything is made or opened: a copy that must not run leaves everything as it was.
    if (!takeInstanceGuard(system) || !ensureProgramFolder(system) || !checkStartTrack(system)) {
        return;
    }

    const auto refresh = system.scheduler.addTask("tmrRefresh", kRefreshIntervalMs,
                                                  [&system] { refreshStatus(system); });
    system.scheduler.start(refresh);

    if (!ensureProjectsFolder(system)) return;
    system.main.height = 84;
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
        // A copy that must not run opens no output and makes no window.
        if (system.main.startRefusal != StartRefusal::None) return;
        factory.create(spec);
    }
}

}  // namespace wl
