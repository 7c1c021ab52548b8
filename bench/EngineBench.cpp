// What a window pays to change the tables while the show runs on the engine thread.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "app/Engine.h"
#include "app/HeadlessOperator.h"
#include "app/OutputTimers.h"
#include "platform/CaptureFtdiDriver.h"
#include "platform/PosixSharedMemory.h"
#include "platform/WallClock.h"

namespace {

// One cell of a scene written from another thread while the engine runs its output cycle
// every 10 ms: lock, write (with the store's undo and save bookkeeping), unlock, wake-up check.
void BM_EngineEditRoundTrip(benchmark::State& state) {
    const auto home = std::filesystem::temp_directory_path() / "wl-bench-engine";
    std::filesystem::create_directories(home);
    wl::CaptureFtdiDriver board("/dev/null");
    wl::PosixSharedMemory sharedMemory;
    std::ostringstream journal;
    wl::HeadlessOperator person(journal);
    wl::SystemWallClock clock;
    wl::SystemSetup setup;
    setup.programDir = home.string() + "/";
    setup.op = &person;
    setup.wallClock = &clock;
    setup.instanceName = "/wl-bench-engine";
    setup.ftdiDriver = &board;
    setup.sharedMemory = &sharedMemory;
    wl::Engine engine(setup, {wl::EngineMode::Threaded, [] {}});
    engine.edit([](wl::System& system) { wl::createOutputTimers(system); });
    engine.start();
    std::uint8_t level = 0;
    for (auto _ : state) {
        engine.edit([&level](wl::System& system) {
            system.sequencer.SceneStore.setLevel(3, 7, 100, ++level);
        });
    }
    engine.stop();
}
BENCHMARK(BM_EngineEditRoundTrip)->UseRealTime();

}  // namespace
