#include "fakes/TestSystem.h"

#include <sys/mman.h>
#include <unistd.h>

#include <atomic>
#include <random>

namespace wl::test {

namespace {

std::string uniqueSuffix() {
    static std::atomic<unsigned> counter{0};
    static const unsigned salt = std::random_device{}();
    return std::to_string(getpid()) + "-" + std::to_string(salt) + "-" + std::to_string(counter++);
}

}  // namespace

TempDir::TempDir() : path_(std::filesystem::temp_directory_path() / ("wl-test-" + uniqueSuffix())) {
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string uniqueGuardName() {
    return "/wl-test-guard-" + uniqueSuffix();
}

TestPlatform::TestPlatform(std::string guard, FtdiDriver* board) : guardName(std::move(guard)) {
    clock.set(2026, 12, 9, 14, 5, 7);
    setup.programDir = home.dir();
    setup.op = &op;
    setup.wallClock = &clock;
    setup.instanceName = guardName;
    setup.ftdiDriver = board != nullptr ? board : &ftdi;
    setup.sharedMemory = &sharedMemory;
    setup.usbLinkMode = UsbLinkMode::Synchronous;
}

TestPlatform::~TestPlatform() {
    shm_unlink(guardName.c_str());
}

TestSystem::TestSystem(std::string guard, FtdiDriver* board)
    : TestPlatform(std::move(guard), board), system(std::make_unique<System>(setup)) {}

TestSystem::~TestSystem() {
    system.reset();
}

TestEngine::TestEngine(EngineMode mode, std::string guard)
    : TestPlatform(std::move(guard), nullptr),
      engine(std::make_unique<Engine>(setup, EngineSetup{mode, nullptr})) {}

TestEngine::~TestEngine() {
    engine.reset();
}

}  // namespace wl::test
