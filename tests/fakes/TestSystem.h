#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "app/Engine.h"
#include "app/System.h"
#include "fakes/FakeFtdiDriver.h"
#include "fakes/FakeOperator.h"
#include "fakes/FakeSharedMemory.h"
#include "fakes/FakeWallClock.h"

namespace wl::test {

// A fresh folder under the system's temporary folder, removed when the test ends.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder as a program folder text, ending in "/".
    std::string dir() const { return path_.string() + "/"; }

  private:
    std::filesystem::path path_;
};

// A single-instance guard name no other test or program uses.
std::string uniqueGuardName();

// The platform of a test program: a temporary program folder, a scripted operator, a fixed wall
// clock (9.12.2026 14:05:07), a single-instance guard of its own, a fake USB board (one plugged
// in, the link running synchronously) and fake shared memory, so tests never meet a running
// program, the hardware or each other.
struct TestPlatform {
    // `guard` names the single-instance guard; two systems given the same name meet like two
    // copies of the program. `board`, when given, stands in for the fake USB board.
    explicit TestPlatform(std::string guard, FtdiDriver* board);
    ~TestPlatform();
    TestPlatform(const TestPlatform&) = delete;
    TestPlatform& operator=(const TestPlatform&) = delete;

    TempDir home;
    std::string guardName;
    FakeOperator op;
    FakeWallClock clock;
    FakeFtdiDriver ftdi;
    FakeSharedMemory sharedMemory;
    SystemSetup setup;
};

// A System on the test platform. The test's own thread plays the engine for its whole life.
struct TestSystem : TestPlatform {
    explicit TestSystem(std::string guard = uniqueGuardName(), FtdiDriver* board = nullptr);
    ~TestSystem();

    EngineScope insideTheEngine;
    std::unique_ptr<System> system;

    System& operator*() { return *system; }
    System* operator->() { return system.get(); }
};

// An engine on the test platform: synchronous on the virtual clock unless asked for its thread.
// A threaded one delivers what it posts only when the test calls `deliverPosted`.
struct TestEngine : TestPlatform {
    explicit TestEngine(EngineMode mode = EngineMode::Synchronous,
                        std::string guard = uniqueGuardName());
    ~TestEngine();

    std::unique_ptr<Engine> engine;

    // The tables, for a synchronous engine or one whose thread is not running.
    System& system() { return engine->unlockedSystem(); }
};

}  // namespace wl::test
