// Program entry: reads the command line, chooses the desktop or a headless run, creates the
// windows in their order and runs the show's engine until the program is closed.

#include <QApplication>
#include <QCoreApplication>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/DmxCaptureWatch.h"
#include "app/Engine.h"
#include "app/HeadlessOperator.h"
#include "app/HeadlessStatus.h"
#include "app/OperatingMode.h"
#include "app/Startup.h"
#include "app/System.h"
#include "app/ui/DesktopOperator.h"
#include "app/ui/DesktopWindows.h"
#include "platform/CaptureFtdiDriver.h"
#include "platform/LibFtdiDriver.h"
#include "platform/PosixSharedMemory.h"
#include "platform/ShutdownSignals.h"
#include "platform/WallClock.h"
#include "storage/ProgramHome.h"

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitAlreadyRunning = 3;
constexpr int kExitUnguarded = 4;

int exitStatusOf(wl::StartRefusal refusal) {
    switch (refusal) {
        case wl::StartRefusal::AnotherCopyRuns:
            return kExitAlreadyRunning;
        case wl::StartRefusal::NoInstanceGuard:
            return kExitUnguarded;
        case wl::StartRefusal::None:
        case wl::StartRefusal::NoProgramFolder:
        case wl::StartRefusal::StartTrackMissing:
            break;
    }
    return kExitUsage;
}

// Windows need a display; a show computer without one runs headless.
bool displayAvailable() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

// A factory for a run without windows: the creation handlers still run, no widget is made.
class NoWindows final : public wl::WindowFactory {
  public:
    void create(const wl::WindowSpec&) override {}
};

// The USB DMX board: the real one through libftdi, or with --dmx-capture a simulated board that
// records every packet into the file. Null, with the reason in `failure`, when the capture file
// cannot be written.
std::unique_ptr<wl::FtdiDriver> chooseUsbDriver(const wl::CommandLine& options,
                                                std::string& failure) {
    if (options.dmxCapture) {
        auto capture = std::make_unique<wl::CaptureFtdiDriver>(*options.dmxCapture);
        failure = capture->failureReason();
        if (!failure.empty()) return nullptr;
        return capture;
    }
    auto board = std::make_unique<wl::LibFtdiDriver>();
    if (!board->failureReason().empty()) {
        std::cerr << "wavelumina: USB DMX board unavailable: " << board->failureReason()
                  << std::endl;
    }
    return board;
}

// Runs the show until the program is closed: on the virtual clock as fast as the machine can, or
// on the engine thread in real time while this thread runs the event loop for the windows, the
// signals and what the engine posts.
int runShow(wl::Engine& engine, const wl::CommandLine& options, bool headless) {
    // Nothing of the show runs: the program closes right after start-up.
    if (options.seconds == 0) return 0;
    if (headless) wl::startHeadlessStatus(engine, std::cout);
    if (options.virtualClock) {
        engine.advance(static_cast<wl::Scheduler::Millis>(*options.seconds) * 1000);
        return 0;
    }
    if (options.seconds) {
        engine.edit([&engine, &options](wl::System& system) {
            const auto end = system.scheduler.addTask(
                "end of run", static_cast<wl::Scheduler::Millis>(*options.seconds) * 1000,
                [&engine] { engine.post([] { QCoreApplication::quit(); }); }, false);
            system.scheduler.start(end);
        });
    }
    wl::ShutdownSignals shutdown([] { QCoreApplication::quit(); });
    if (!shutdown.failureReason().empty()) {
        engine.edit([&shutdown](wl::System& system) {
            system.log.WriteLog("wavelumina", "main", shutdown.failureReason());
        });
        engine.person().tell(wl::BoxKind::Warning,
                             "SIGINT and SIGTERM will end the program without "
                             "saving: " +
                                 shutdown.failureReason());
    }
    engine.start();
    const int status = QCoreApplication::exec();
    engine.stop();
    // Messages the engine raised in its last moments still reach the operator.
    engine.deliverPosted();
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    const auto parsed = wl::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::cerr << "wavelumina: " << parsed.error << "\n\n" << wl::commandLineHelp();
        return kExitUsage;
    }
    const wl::CommandLine& options = parsed.options;
    if (options.help) {
        std::cout << wl::commandLineHelp();
        return 0;
    }
    const std::optional<std::uint8_t> startMode =
        options.mode ? wl::modeByName(*options.mode) : std::nullopt;
    if (options.mode && !startMode) {
        std::cerr << "wavelumina: unknown mode \"" << *options.mode
                  << "\"; the modes are: " << wl::modeNames() << std::endl;
        return kExitUsage;
    }

    bool headless = options.headless;
    if (!headless && !displayAvailable()) {
        std::cout << "wavelumina: no display available, running headless" << std::endl;
        headless = true;
    }

    std::unique_ptr<QCoreApplication> application;
    if (headless) {
        application = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        application = std::make_unique<QApplication>(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
    }
    QCoreApplication::setApplicationName(wl::kApplicationTitle);

    std::string usbFailure;
    const std::unique_ptr<wl::FtdiDriver> usbDriver = chooseUsbDriver(options, usbFailure);
    if (!usbDriver) {
        std::cerr << "wavelumina: cannot write the DMX capture file " << usbFailure << std::endl;
        return kExitUsage;
    }
    wl::PosixSharedMemory sharedMemory;

    wl::HeadlessOperator headlessOperator(std::cerr);
    wl::DesktopOperator desktopOperator;
    wl::SystemSetup setup;
    // Real runs read the machine's clock each time, so clock corrections and a long uptime never
    // shift the schedule; a virtual run's time of day moves with its virtual clock instead.
    wl::SystemWallClock realClock;
    if (!options.virtualClock) setup.wallClock = &realClock;
    setup.programDir = wl::resolveProgramDir(wl::programHomeChoices(options.home));
    setup.op = headless ? static_cast<wl::Operator*>(&headlessOperator) : &desktopOperator;
    setup.ftdiDriver = usbDriver.get();
    setup.sharedMemory = &sharedMemory;
    // The virtual clock runs show time faster than a link thread would follow.
    setup.usbLinkMode =
        options.virtualClock ? wl::UsbLinkMode::Synchronous : wl::UsbLinkMode::Threaded;
    setup.startTrack = options.track.value_or("");
    wl::EngineSetup engineSetup;
    engineSetup.mode =
        options.virtualClock ? wl::EngineMode::Synchronous : wl::EngineMode::Threaded;
    wl::Engine* deliverTo = nullptr;
    engineSetup.wakeMain = [&deliverTo] {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [&deliverTo] { deliverTo->deliverPosted(); },
            Qt::QueuedConnection);
    };
    wl::Engine engine(setup, engineSetup);
    deliverTo = &engine;
    // Start-up runs here before the engine thread starts, so nothing waits for its file loads.
    if (const auto* capture = dynamic_cast<const wl::CaptureFtdiDriver*>(usbDriver.get())) {
        engine.edit([capture](wl::System& system) { wl::watchDmxCapture(system, *capture); });
    }

    NoWindows noWindows;
    std::unique_ptr<wl::DesktopWindows> desktop;
    if (!headless) desktop = std::make_unique<wl::DesktopWindows>(engine);
    wl::WindowFactory& factory = headless ? static_cast<wl::WindowFactory&>(noWindows) : *desktop;
    const wl::StartRefusal refusal = engine.edit([&factory, &startMode](wl::System& system) {
        wl::createWindows(system, factory);
        if (system.main.startRefusal != wl::StartRefusal::None) {
            wl::MainFormDestroy(system);
            return system.main.startRefusal;
        }
        // After the start-up choice, as if the operator had chosen the mode.
        if (startMode) wl::requestMode(system, *startMode);
        return wl::StartRefusal::None;
    });
    // The operator was told why, but for a second copy, which ends quietly.
    if (refusal != wl::StartRefusal::None) {
        if (refusal == wl::StartRefusal::AnotherCopyRuns) {
            std::cerr << "wavelumina: another copy is already running" << std::endl;
        }
        return exitStatusOf(refusal);
    }
    if (desktop) {
        desktopOperator.setParentWindow(desktop->window(wl::WindowId::Main));
        desktop->present(wl::WindowId::Main);
    }

    const int status = runShow(engine, options, headless);
    engine.edit(wl::MainFormClose);
    desktop.reset();
    engine.edit([](wl::System& system) { wl::destroyWindows(system); });
    return status;
}
