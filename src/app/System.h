#pragma once

#include <memory>
#include <string>

#include "app/MainWindowState.h"
#include "app/OperatingMode.h"
#include "app/OutputSnapshot.h"
#include "app/OutputTimers.h"
#include "output/ChannelSpace.h"
#include "output/EffectTable.h"
#include "output/MacroTables.h"
#include "output/Macros.h"
#include "output/OutputCycle.h"
#include "output/ShowPosition.h"
#include "output/ShowRequests.h"
#include "output/TimedSwitches.h"
#include "output/UsbLink.h"
#include "output/ViewerLink.h"
#include "platform/EngineScope.h"
#include "platform/InstanceGuard.h"
#include "platform/Scheduler.h"
#include "platform/WallClock.h"
#include "sequencer/SequenceTimers.h"
#include "sequencer/SequencerContext.h"
#include "sequencer/SequencerStore.h"
#include "sequencer/SequencerWindowState.h"
#include "show/KeyKits.h"
#include "show/ScheduleTables.h"
#include "show/TrackClips.h"
#include "show/TrackStore.h"
#include "storage/ErrorReporter.h"
#include "storage/EventLog.h"
#include "storage/SettingsRecord.h"
#include "storage/files/ShowFileSession.h"
#include "storage/files/ShowTables.h"

namespace wl {

class Operator;

// What a System is built from: the program folder and the platform it runs on.
struct SystemSetup {
    std::string programDir;  // ends in "/"
    Operator* op = nullptr;  // required
    // The time of day; null means the real local time moving on with the scheduler's clock.
    const WallClock* wallClock = nullptr;
    std::string instanceName = InstanceGuard::kDefaultName;
    FtdiDriver* ftdiDriver = nullptr;      // required: the USB DMX board
    SharedMemory* sharedMemory = nullptr;  // required: the 3D viewer's blocks
    UsbLinkMode usbLinkMode = UsbLinkMode::Threaded;
    LogWriting logWriting = LogWriting::Synchronous;
    std::string viewerBlockPrefix = ViewerLink::kDefaultPrefix;
    // A track file to open at start instead of the one the settings file names; empty for none.
    std::string startTrack;
};

// Every table of the program, gathered in one owner. Each test builds a fresh one; nothing of the
// program's state lives anywhere else. In the program the Engine owns it: the accessors that hand
// out views of the tables check (in debug builds) that the caller is inside the engine.
//
// Thread: the engine. Allocates at construction only.
class System {
    std::unique_ptr<WallClock> ownClock_;  // before `clock`, which may refer to it

  public:
    explicit System(const SystemSetup& setup);
    System(const System&) = delete;
    System& operator=(const System&) = delete;

    std::string ProgramDir;

    Scheduler scheduler;
    Operator& op;
    const WallClock& clock;
    EventLog log;
    ErrorReporter errors;
    InstanceGuard instanceGuard;

    SettingsRecord settings;
    ChannelSpace channels;
    UsbLink usbLink;
    ViewerLink viewerLink;
    SequencerStore sequencer;
    SequenceTimers sequencerTimers;
    SequencerWindowState sequencerWindow;
    SequencerContext sequencerContext{sequencer,       channels, settings, sequencerTimers,
                                      sequencerWindow, clock,    op};

    std::uint8_t FountainMode = 5;
    bool ModeChanged = false;
    bool ScheduleStopReq = false;
    ModeState mode;

    // The DMX output beyond the channel space: the track's effects, the macros, the timed
    // switches, the output cycle with its timers, and the USB indicator of the "Option" page.
    EffectTable effects;
    MacroTables macros;
    MacroPage macroPage;
    SwitchState switches;
    OutputCycle output;
    OutputTimerIds outputTimers;
    UsbIndicator usbIndicator;

    // The music show's side of the output: where the song stands, what the DMX side asks of it,
    // and the spectrum's band peaks for the 3D viewer (0 until the spectrum analysis runs).
    ShowPosition showPosition;
    ShowRequests showRequests;
    std::array<std::int32_t, kBandPeakCount> BandPeak{};

    TrackStore tracks;
    KeyKits kits;
    ScheduleTables schedule;
    TrackClips trackClips;
    FileOnlyTables fileOnly;  // reserved block and the staging tables of older layouts

    // The current files and the settings file's start count and version text.
    std::string LastFileSeq;
    std::string LastFileTrack;
    std::string LastFileShow;
    std::string LastFileSkin;
    std::string FileVersion;
    std::int32_t CountOpen = 0;
    bool SaveTrackAfterRecording = false;  // the Sound window's "Save Track after Recording"
    std::string startTrack;                // see SystemSetup

    // The tables and the program state the settings and show files work on.
    ShowTables showTables() {
        EngineScope::expectActive();
        return {sequencer,  channels, settings,
                tracks,     kits,     schedule,
                trackClips, fileOnly, foreignTablesOf(macros, effects)};
    }
    ShowFileSession fileSession() {
        EngineScope::expectActive();
        return {ProgramDir, LastFileSeq, LastFileTrack, LastFileShow, LastFileSkin, FileVersion,
                CountOpen,  log,         errors,        op,           clock};
    }
    MainWindowState main;
    PublishedViews published;
};

}  // namespace wl
