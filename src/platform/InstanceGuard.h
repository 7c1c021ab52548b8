#pragma once

#include <string>

namespace wl {

// Keeps a second copy of the program from running beside the first.
//
// The guard is a small named shared-memory block holding the marker text "Wavelumina". Whether a
// copy runs is decided by an exclusive lock on that block, which the system drops when the
// process ends in any way, so a crashed copy never keeps the next one from starting.
//
// Thread: main thread. Allocates only at construction.
class InstanceGuard {
  public:
    enum class Outcome {
        Acquired,        // this copy is the only one
        AlreadyRunning,  // another copy holds the guard
        CreateFailed,    // the block could not be created or opened
        MapFailed,       // the block could not be mapped
    };

    static constexpr const char* kDefaultName = "/Wavelumina3Twice";
    static constexpr const char* kMarker = "Wavelumina";

    explicit InstanceGuard(std::string name = kDefaultName);
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    Outcome acquire();
    // Unmaps and closes the block; the next copy may start.
    void release();
    // The block's name and the system's reason for the last failure, empty after success.
    const std::string& failureReason() const { return failureReason_; }

  private:
    // Opens the block, making it readable and writable for every user when it is new.
    bool openBlock();
    // Keeps the system's reason for `error` and lets go of what was taken.
    void fail(int error);

    std::string name_;
    int fd_ = -1;
    void* view_ = nullptr;
    std::string failureReason_;
};

}  // namespace wl
