#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Operator.h"
#include "sequencer/SequencerStore.h"

namespace wl {

// The confirmation of the commands that rewrite a whole group of words or links.
inline constexpr Question kConfirmGroupChange{BoxKind::Warning,
                                              "You change group options. \n\rYou sure?"};

// The text the window shows for a scene control word: "Stop&Off", "Stop", "Ret to cucle ",
// "Ret to begin ", "No Command", or "T=" + seconds + " sec" with the seconds as the shortest
// decimal ("T=0.5 sec", "T=1 sec", "T=1.25 sec") written with `decimalSeparator`.
//
// Thread: any. Allocates the returned text.
std::string RePaintTemp(std::uint16_t word, char decimalSeparator = '.');

// A number with at least `width` digits, zeros in front ("07", "042").
std::string paddedNumber(int value, int width);

// The scenes a pattern tool works on, inclusive.
struct SceneRange {
    int first = 0;
    int last = kLastPatternScene;
};

// The pattern around scene `scene` of sequence `seq`: from the scene after the nearest boundary
// word before it (0 when there is none, and always 0 for scenes 0 and 1) to the scene before the
// nearest boundary after it within 254 (254 when there is none, and always 254 from scene 253
// on). The scene itself is not tested.
//
// Thread: the engine. Never allocates.
SceneRange PatternAround(const SequencerStore& store, int seq, int scene);

// "Seq=001  Beg=01>Fin=255 Lng=255" for the edited sequence and the pattern range of the store.
std::string PatternCaption(const SequencerStore& store, int seq);

}  // namespace wl
