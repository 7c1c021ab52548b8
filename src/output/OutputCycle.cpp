#include "output/OutputCycle.h"

#include "output/FountainModes.h"
#include "output/FrameShaping.h"
#include "output/OutputSettings.h"
#include "storage/SettingsRecord.h"

namespace wl {

namespace {

// With the schedule on, macros are sent as they are: the track's effects do not belong to them.
bool effectsBypassed(const CycleSources& sources) {
    return sources.settings.SettingsFlags[kScheduleOnFlag] != 0 &&
           sources.FountainMode >= kFirstMacroMode;
}

}  // namespace

OutputCycle::OutputCycle() {
    EffectCounter.fill(1);
}

void OutputCycle::composeFrame(const CycleSources& sources) {
    cycleStartNs_ = clock_->nanoseconds();
    timing.cycleStarted(cycleStartNs_);
    ChannelSpace& space = sources.channels;
    const SettingsRecord& settings = sources.settings;
    const std::uint8_t mode = sources.FountainMode;

    links_.update(sources.sequencer);
    if (!sources.show.EndOfSong) {
        if (modeReadsSequencer(mode)) {
            markDrivenChannels(driven_, sources.sequencer, links_,
                               settings.SettingsRec[kLastSequenceSetting], space.ChannelCount);
        }
        CarryModeFontanToFirst(space, mode, driven_);
    }
    LightOn(space, settings, sources.switches.LightTimeOn);
    if (effectsBypassed(sources)) {
        copyFirstToRate(space);
    } else {
        RateDMX(space, sources.effects, EffectCounter, rateWork_, sources.sequencer, links_,
                sources.show.PlayTick);
    }
    ValveQuicle(space, settings);
    MasterJet(space, settings);
    rescaleMinMax(space, settings);
    copyJetToOut(space);
    InfluencePump(space);
    BlockOfSwitch(space.OutFrame, sources.switches, settings, mode);
    if (mode == kModeOff) BlackOUT(space, settings, sources.requests);
    BlockOfEmulation(space, settings);
    repeatRedut(space, settings);
    CaseBufOutToBufDMX(space);
}

void OutputCycle::finishCycle(const CycleSources& sources, std::int64_t nowMs) {
    fillMonitor(monitor, sources.channels, sources.monitor);
    countOutputColumnCycle(column, sources.channels.OutFrame,
                           sources.settings.SettingsRec[kOutputPageSetting]);
    const std::int64_t endNs = clock_->nanoseconds();
    timing.cycleFinished(endNs);
    if (statistics.CheckBoxTic) showCycleTime(statistics, endNs - cycleStartNs_);
    TicOUT(statistics, nowMs);
}

}  // namespace wl
