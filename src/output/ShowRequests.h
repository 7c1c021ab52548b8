#pragma once

namespace wl {

// What the DMX side and the mode changes ask of the music show's player and track view. The
// music-show window carries each request out and lowers it; until then it stays raised.
//
// Thread: the engine. Plain data.
struct ShowRequests {
    // Selection and loop section (LoopStartTick, LoopEndTick, LoopStartPix, LoopEndPix) to 0.
    bool clearTrackSelection = false;
    // The waveform's start marker back to the beginning of the song.
    bool startMarkToBeginning = false;
    // The song back to its start ("Play from Start").
    bool rewindSong = false;
    // The audio library's global output volume to 0 (blackout with "Volume of System allways
    // 100%" checked).
    bool globalVolumeToZero = false;
};

}  // namespace wl
