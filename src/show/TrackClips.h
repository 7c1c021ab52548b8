#pragma once

#include <array>
#include <cstdint>

#include "sequencer/SequencerStore.h"
#include "show/TrackStore.h"

namespace wl {

// The clipboard of track names and anticipations, kept with the sequencer file so that a show's
// track labels can be carried to another track file.
//
// Thread: the engine. Plain data.
struct TrackClips {
    std::array<Name, kTrackCount> TrackNameClip{};
    std::array<std::uint8_t, kTrackCount> TrackAdvanceClip{};
};

// Names zeroed and the anticipations of tracks 1-32 zeroed; tracks 33-64 keep theirs, as the
// older layouts that held only 32 tracks left them.
void ResetTrackClips(TrackClips& clips);

}  // namespace wl
