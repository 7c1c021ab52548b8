// What the output cycle pays every 10 ms for its two links: handing universes A-D to the USB
// link thread, and writing nine hex texts into the 3D viewer's shared memory.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "app/HeadlessOperator.h"
#include "output/UsbLink.h"
#include "output/ViewerLink.h"
#include "platform/PosixSharedMemory.h"
#include "platform/WallClock.h"
#include "storage/EventLog.h"

namespace {

// A board that takes every packet at once, so the link thread never falls behind for long.
class AcceptingBoard final : public wl::FtdiDriver {
  public:
    wl::FtStatus listDeviceCount(std::uint32_t& count) override {
        count = 1;
        return wl::kFtOk;
    }
    wl::FtStatus open(std::uint32_t, Handle& handle) override {
        handle = 1;
        return wl::kFtOk;
    }
    wl::FtStatus close(Handle) override { return wl::kFtOk; }
    wl::FtStatus resetDevice(Handle) override { return wl::kFtOk; }
    wl::FtStatus setTimeouts(Handle, std::uint32_t, std::uint32_t) override { return wl::kFtOk; }
    wl::FtStatus getQueueStatus(Handle, std::uint32_t& received) override {
        received = 0;
        return wl::kFtOk;
    }
    wl::FtStatus write(Handle, const std::uint8_t*, std::uint32_t count,
                       std::uint32_t& written) override {
        written = count;
        return wl::kFtOk;
    }
};

std::array<wl::Universe, wl::kUniverseCount> someUniverses() {
    std::array<wl::Universe, wl::kUniverseCount> universes{};
    for (int u = 0; u < wl::kUniverseCount; ++u) universes[u].fill(static_cast<std::uint8_t>(u));
    return universes;
}

void BM_SendToUsbHandOver(benchmark::State& state) {
    AcceptingBoard board;
    wl::UsbLink link(board, wl::UsbLinkMode::Threaded);
    link.InitUsbDevise();
    const auto universes = someUniverses();
    for (auto _ : state) link.SendToUsb(universes);
    link.CloseUsbDevise();
}
BENCHMARK(BM_SendToUsbHandOver);

void BM_SendTo3D(benchmark::State& state) {
    std::ostringstream journal;
    wl::HeadlessOperator op(journal);
    wl::SystemWallClock clock;
    wl::EventLog log(std::filesystem::temp_directory_path() / "wl-bench.Log", clock);
    wl::PosixSharedMemory memory;
    wl::ViewerLink link(memory, "/wl-bench-" + std::to_string(getpid()) + "-3D");
    link.FileMappingToON(op, log);
    const auto universes = someUniverses();
    const std::array<std::int32_t, wl::kBandPeakCount> bandPeak{};
    for (auto _ : state) link.SendTo3D(universes, bandPeak);
    link.FileMappingToOFF();
}
BENCHMARK(BM_SendTo3D);

}  // namespace
