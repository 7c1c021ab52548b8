#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "sequencer/ControlWords.h"
#include "sequencer/SceneToolState.h"
#include "sequencer/SequencerContext.h"
#include "sequencer/SequencerStore.h"

namespace wl {

// What the drawing tools of both areas share: writes kept inside the edited sequence, the lamp
// map of the RGB area, the stepped line, and the press on a row that is not linked.
//
// Thread: the engine. Never allocates, apart from the window texts of `selectOrMarkScene`.

inline bool insideSequence(int scene, int ch) {
    return scene >= 0 && scene < kSceneCount && ch >= 0 && ch < kSceneChannels;
}

// Writes `level` into channel `ch` of scene `scene`; positions outside the sequence are skipped.
void writeLevel(SequencerStore& store, int seq, int scene, int ch, std::uint8_t level);
// Writes the colour into the three channels of the lamp whose first channel is `ch`; channels
// outside the sequence are skipped.
void writeLamp(SequencerStore& store, int seq, int scene, int ch, Colour colour);

// The first channel of lamp `lamp` of the RGB area (lamp map): b = 3 x lamp, less one from 510,
// plus one from 1023, b again from 1536 and plus one from 2048; limited to 0..4096.
int lampFirstChannel(int lamp);

bool isLinked(const SequencerStore& store, int seq, int ch);
// The number of channels linked to the sequence.
int linkedChannelCount(const SequencerStore& store, int seq);
bool hasLinkedChannels(const SequencerStore& store, int seq);

// The pattern a tool works on: `PatternFirst`..`PatternLast`, limited to 254 and 255.
SceneRange toolPattern(const SequencerStore& store);

// The stepped line from `from` to `to` in cells of an area: n = the larger of the two distances,
// n + 1 positions, the column and the row each stepping towards the end (by the sign of their
// difference) whenever their accumulated distance reaches n. `plot(column, row)` returns false to
// end the line there.
template <typename Plot>
void walkLine(AreaCell from, AreaCell to, Plot plot) {
    const int dx = std::abs(to.column - from.column);
    const int dy = std::abs(to.row - from.row);
    const int stepX = to.column < from.column ? -1 : 1;
    const int stepY = to.row < from.row ? -1 : 1;
    const int n = std::max(dx, dy);
    int x = from.column;
    int y = from.row;
    int accX = 0;
    int accY = 0;
    for (int i = 0; i <= n; ++i) {
        if (!plot(x, y)) return;
        accX += dx;
        if (accX >= n && n > 0) {
            x += stepX;
            accX -= n;
        }
        accY += dy;
        if (accY >= n && n > 0) {
            y += stepY;
            accY -= n;
        }
    }
}

// Whether a line may draw into `scene`: it stops past scene 254, before scene 0 and at a scene
// holding a command (a word below 10).
bool lineMayDraw(const SequencerStore& store, int seq, int scene);

// A press on a row not linked to the sequence: the left button selects the scene ("Rec" off,
// `CurScene` and the scene scroll bar to it, the tempo applied, the scene's time shown), the
// right button toggles its word between "Ret to cucle" and the tempo slider value.
void selectOrMarkScene(SequencerContext& ctx, int scene, MouseButton button);

}  // namespace wl
