#include "app/MainWindowActions.h"

#include "app/System.h"
#include "sequencer/SequencerStore.h"

namespace wl {

void SpeedButtonbeginClick(System& system) {
    system.sequencer.SeqJob.fill(kJobOff);
    system.showRequests.clearTrackSelection = true;
    ResetFrames(system.channels);
    system.showRequests.startMarkToBeginning = true;
    system.showRequests.rewindSong = true;
}

}  // namespace wl
