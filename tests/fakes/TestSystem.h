#pragma once

#include <filesystem>
#include <memory>
#include <string>

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

// A System in a temporary program folder, with a scripted operator, a fixed wall clock
// (9.12.2026 14:05:07), a single-instance guard of its own, a fake USB board (one plugged in,
// the link running synchronously) and fake shared memory, so tests never meet a running program,
// the hardware or each other.
struct TestSystem {
    // `guard` names the single-instance guard; two systems given the same name meet like two
    // copies of the program. `board`, when given, stands in for the fake USB board.
    explicit TestSystem(std::string guard = uniqueGuardName(), FtdiDriver* board = nullptr);
    ~TestSystem();
    TestSystem(const TestSystem&) = delete;
    TestSystem& operator=(const TestSystem&) = delete;

    TempDir home;
    std::string guardName;
    FakeOperator op;
    FakeWallClock clock;
    FakeFtdiDriver ftdi;
    FakeSharedMemory sharedMemory;
    std::unique_ptr<System> system;

    System& operator*() { return *system; }
    System* operator->() { return system.get(); }
};

}  // namespace wl::test
