// A long run of the real program's engine on the real clock, to measure how steady the output
// cycle stays under load: the main window open, a test window repainting a large image, the full
// sequencer file saved at intervals, and optionally both cores kept busy. Prints the spread of the
// time between output cycles over the whole run. Figures are reported, never asserted.
//
//   wavelumina_timing_run [--minutes N] [--save-every SECONDS] [--repaint-hz HZ] [--busy]

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "app/Engine.h"
#include "app/HeadlessOperator.h"
#include "app/ProjectFiles.h"
#include "app/Startup.h"
#include "app/ui/DesktopWindows.h"
#include "platform/CaptureFtdiDriver.h"
#include "platform/PosixSharedMemory.h"
#include "platform/WallClock.h"

namespace {

struct Options {
    double minutes = 10;
    int saveEverySeconds = 30;
    int repaintHz = 60;
    bool busy = false;
};

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto next = [&] { return i + 1 < argc ? std::string(argv[++i]) : std::string(); };
        if (arg == "--minutes") options.minutes = std::stod(next());
        if (arg == "--save-every") options.saveEverySeconds = std::stoi(next());
        if (arg == "--repaint-hz") options.repaintHz = std::stoi(next());
        if (arg == "--busy") options.busy = true;
    }
    return options;
}

// A window that rewrites every pixel of a 1024 x 512 image and repaints it on each tick.
class RepaintingWindow : public QWidget {
  public:
    explicit RepaintingWindow(int hertz) : image_(1024, 512, QImage::Format_RGB32) {
        resize(image_.size());
        connect(&timer_, &QTimer::timeout, this, [this] {
            ++frame_;
            for (int y = 0; y < image_.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
                for (int x = 0; x < image_.width(); ++x) line[x] = qRgb(x + frame_, y, frame_);
            }
            update();
        });
        timer_.start(1000 / hertz);
    }

  protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, image_); }

  private:
    QImage image_;
    QTimer timer_;
    int frame_ = 0;
};

class NoWindows final : public wl::WindowFactory {
  public:
    void create(const wl::WindowSpec&) override {}
};

}  // namespace

int main(int argc, char** argv) {
    const Options options = parse(argc, argv);
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    const auto home = std::filesystem::temp_directory_path() / "wl-timing-run";
    std::filesystem::create_directories(home);
    wl::CaptureFtdiDriver board("/dev/null");
    wl::PosixSharedMemory sharedMemory;
    wl::HeadlessOperator person(std::cerr);
    wl::SystemWallClock clock;
    wl::SystemSetup setup;
    setup.programDir = home.string() + "/";
    setup.op = &person;
    setup.wallClock = &clock;
    setup.instanceName = "/wl-timing-run";
    setup.ftdiDriver = &board;
    setup.sharedMemory = &sharedMemory;

    wl::Engine* deliverTo = nullptr;
    wl::EngineSetup engineSetup{wl::EngineMode::Threaded, [&deliverTo] {
                                    QMetaObject::invokeMethod(
                                        qApp, [&deliverTo] { deliverTo->deliverPosted(); },
                                        Qt::QueuedConnection);
                                }};
    wl::Engine engine(setup, engineSetup);
    deliverTo = &engine;
    wl::DesktopWindows windows(engine);
    wl::createWindows(engine.unlockedSystem(), windows);
    windows.present(wl::WindowId::Main);
    RepaintingWindow repainting(options.repaintHz);
    repainting.show();

    QTimer saves;
    QObject::connect(&saves, &QTimer::timeout, [&engine] { wl::SpeedButtonSaveFileClick(engine); });
    saves.start(options.saveEverySeconds * 1000);

    std::atomic<bool> stop{false};
    std::vector<std::thread> busy;
    if (options.busy) {
        for (unsigned i = 0; i < std::thread::hardware_concurrency(); ++i) {
            busy.emplace_back([&stop] {
                volatile unsigned long spin = 0;
                while (!stop.load(std::memory_order_relaxed)) spin = spin + 1;
            });
        }
    }
    QTimer::singleShot(static_cast<int>(options.minutes * 60'000), [] { QApplication::quit(); });

    engine.start();
    QApplication::exec();
    engine.stop();
    stop = true;
    for (auto& thread : busy) thread.join();
    engine.waitForFiles();

    wl::System& system = engine.unlockedSystem();
    const wl::TimingFigures all = system.output.timing.intervalsSinceStart();
    const wl::TimingFigures durations = system.output.timing.durations();
    std::printf("engine: %s\n", engine.schedulingReport().c_str());
    std::printf(
        "interval p50 %.2f p99 %.2f max %.2f ms over %llu cycles; cycle p50 %.3f p99 %.3f "
        "ms; stalls %llu\n",
        all.p50Ms, all.p99Ms, all.maxMs, static_cast<unsigned long long>(all.count),
        durations.p50Ms, durations.p99Ms, static_cast<unsigned long long>(engine.health().stalls));
    wl::destroyWindows(system);
    return 0;
}
