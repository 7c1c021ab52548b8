#pragma once

#include "sequencer/SequencerContext.h"

namespace wl {

// The library page ("Area Lib"): a small scene editor for channels 0..15 of the edited sequence,
// meant for moving heads.
//
// Thread: the engine. Allocates (the scene label).

inline constexpr int kLibraryChannels = 16;

// `ScrollBarScenaXY`: chooses a scene and outputs its levels of the linked channels 0..15.
void ScrollBarScenaXYChange(SequencerContext& ctx, int scene);
// "CURE" ("Press for DMX control"): links channels 0..15 to the edited sequence.
void cureClick(SequencerContext& ctx);
// "Copy Prew Scen": the linked channels among 0..15 take the previous scene's levels; nothing for
// scene 0.
void copyPreviousSceneClick(SequencerContext& ctx);
// The page's tab, remembered per sequence in `LibPage`.
void libraryTabChange(SequencerContext& ctx, int page);

}  // namespace wl
