#include "app/System.h"

#include "platform/WallClock.h"

namespace wl {

namespace {

const WallClock& chooseClock(const SystemSetup& setup, const Scheduler& scheduler,
                             std::unique_ptr<WallClock>& own) {
    if (setup.wallClock != nullptr) return *setup.wallClock;
    own = std::make_unique<SchedulerWallClock>(scheduler);
    return *own;
}

}  // namespace

System::System(const SystemSetup& setup)
    : ProgramDir(setup.programDir),
      op(*setup.op),
      clock(chooseClock(setup, scheduler, ownClock_)),
      log(ProgramDir + "wavelumina.Log", clock, setup.logWriting),
      errors(log, op),
      instanceGuard(setup.instanceName),
      usbLink(*setup.ftdiDriver, setup.usbLinkMode),
      viewerLink(*setup.sharedMemory, setup.viewerBlockPrefix),
      startTrack(setup.startTrack) {}

}  // namespace wl
