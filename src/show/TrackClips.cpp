#include "show/TrackClips.h"

#include <algorithm>

namespace wl {

namespace {

constexpr int kClearedAdvances = 32;

}  // namespace

void ResetTrackClips(TrackClips& clips) {
    for (Name& name : clips.TrackNameClip) name.fill(0);
    std::fill_n(clips.TrackAdvanceClip.begin(), kClearedAdvances, 0);
}

}  // namespace wl
