#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/AudioBackend.h"

namespace wl {

// How the program wants its sound.
struct AudioSetup {
    // --audio null: never open a sound card.
    bool silent = false;
    // The scheduler runs on the virtual clock (--virtual-clock): a sound card could not keep
    // its pace, so the silent output plays on that clock and decodes on the main thread.
    bool virtualClock = false;
    // The scheduler's clock in milliseconds, which paces the silent output.
    std::function<std::int64_t()> clockMillis;
};

struct AudioChoice {
    std::unique_ptr<AudioBackend> backend;  // never null
    // What plays the sound and, for the silent output, why: a line for the event log.
    std::string report;
    // The silent output stands in for a sound card that would not open.
    bool fellBack = false;
};

// Chooses the sound system: the sound card through SDL where a device opens, else the silent
// output with the reason in `report`; --audio null and the virtual clock choose the silent
// output at once.
//
// Thread: the main thread, at start-up. Allocates; opening the sound card may take a moment.
AudioChoice chooseAudioBackend(const AudioSetup& setup);

}  // namespace wl
