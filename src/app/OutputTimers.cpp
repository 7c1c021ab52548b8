#include "app/OutputTimers.h"

#include "app/OutputSnapshot.h"
#include "app/System.h"
#include "app/SystemViews.h"
#include "output/FrameShaping.h"

namespace wl {

namespace {

void stopIfRegistered(Scheduler& scheduler, const std::optional<Scheduler::TaskId>& timer) {
    if (timer) scheduler.stop(*timer);
}

}  // namespace

void createOutputTimers(System& system) {
    system.channels.InfluenceFrame.fill(kNoPumpInfluence);
    Scheduler& scheduler = system.scheduler;
    OutputTimerIds& timers = system.outputTimers;
    if (!timers.TimerDMX) {
        timers.TimerDMX =
            scheduler.addTask("TimerDMX", kOutputCycleMs, [&system] { TimerDMXTimer(system); });
        timers.tmrCopyFromOption = scheduler.addTask("tmrCopyFromOption", kOptionTimerMs,
                                                     [&system] { tmrCopyFromOptionTimer(system); });
        timers.tmrMacro = scheduler.addTask(
            "tmrMacro", kMacroLabelMs, [&system] { macroLabelTimer(system.macroPage); },
            /*periodic=*/false);
    }
    scheduler.start(*timers.TimerDMX);
    scheduler.start(*timers.tmrCopyFromOption);
}

void stopOutputTimers(System& system) {
    const OutputTimerIds& timers = system.outputTimers;
    stopIfRegistered(system.scheduler, timers.TimerDMX);
    stopIfRegistered(system.scheduler, timers.tmrMacro);
    stopIfRegistered(system.scheduler, timers.tmrCopyFromOption);
}

void TimerDMXTimer(System& system) {
    // The scheduler counts a late run once it has run, so this covers every cycle before this one.
    system.output.statistics.lateCycles = system.scheduler.overruns(*system.outputTimers.TimerDMX);
    const CycleSources sources = cycleSources(system);
    system.output.composeFrame(sources);
    system.usbLink.SendToUsb(system.channels.UniverseBuf);
    system.viewerLink.SendTo3D(system.channels.UniverseBuf, system.BandPeak);
    system.output.finishCycle(sources, system.scheduler.now());
    publishOutput(system);
}

void tmrCopyFromOptionTimer(System& system) {
    refreshOutputColumnCaption(system.output.column);
    colourSwitchOutputs(system.switches, system.channels.OutFrame, system.settings);
    CountChannels(system.channels, system.settings);
    system.usbIndicator = system.usbLink.RefreshIndicator(system.log);
}

}  // namespace wl
