#pragma once

#include <cstdint>

namespace wl {

// Where the song stands, as the output cycle reads it for the effects and the mode selection.
// The music show's track loop writes it; both stay 0 while no song plays.
//
// Thread: the engine. Plain data.
struct ShowPosition {
    std::int32_t PlayTick = 0;  // current tick of the track, 50 ms units
    bool EndOfSong = false;     // the song stopped at its end; the mode selection holds the frame
};

}  // namespace wl
