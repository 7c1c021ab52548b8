#include "app/SystemViews.h"

#include <algorithm>

#include "app/System.h"
#include "sequencer/SequencerContext.h"

namespace wl {

namespace {

MonitorSequencerView monitorView(System& system) {
    const SequencerStore& store = system.sequencer;
    const int seq =
        std::clamp(system.settings.SettingsRec[kCurrentSeqSetting], 0, kSequenceCount - 1);
    const int scene = std::min<int>(store.CurScene[seq], kSceneCount - 1);
    return {store.SceneStore.scene(seq, scene), store.LinkMask[seq], store.InfToDmx};
}

}  // namespace

CycleSources cycleSources(System& system) {
    const SequencerStore& store = system.sequencer;
    return {system.channels,     system.settings,
            system.FountainMode, {store.SeqJob, store.LinkMask, store.LinkEdits},
            system.effects,      system.showPosition,
            system.switches,     system.showRequests,
            monitorView(system)};
}

MacroContext macroContext(System& system) {
    return {system.macros,       system.macroPage,        system.channels,
            system.settings,     system.sequencer.SeqJob, system.sequencer.CurScene,
            system.FountainMode, system.ModeChanged,      system.ScheduleStopReq,
            system.showRequests, system.scheduler,        system.outputTimers.tmrMacro.value()};
}

}  // namespace wl
