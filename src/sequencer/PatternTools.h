#pragma once

#include "sequencer/DrawingAreas.h"
#include "sequencer/SequencerContext.h"

namespace wl {

// The tools that fill or rework the current pattern (`PatternFirst`..`PatternLast`, limited to
// 254 and 255) of the edited sequence: the figure creator, the two rainbows and the three
// transformations. Each takes an undo snapshot first.
//
// Thread: the engine. Never allocates.

// "The Creator of Figures for Patterns", opened from the channel area (`SpeedButtonValveCreator`)
// or the RGB area (`SpeedButtonSpoiCreator`), closed by "X".
void showCreator(SequencerContext& ctx, DrawingArea from);
void closeCreator(SequencerContext& ctx);
// "Drawing Line 45" (offered only when opened from the channel area): diagonals in the pen level
// across the linked range, "Nombers of Lines" of them, with a loop word after them when
// "Set Line" is on. Unless "Merge Patterns" is on, the pattern is cleared first. Nothing for a
// one-scene pattern or a sequence without links.
void drawCreatorLines(SequencerContext& ctx);
// "Drawing ": every channel (opened from the channel area) or lamp (from the RGB area) of the
// linked range in every scene of the pattern is set, with the chance (lines + 2) in 104, to 255
// or to the pen colour.
void drawCreatorDots(SequencerContext& ctx);

// The rainbows of the RGB area on the block of lamps from the first linked channel at or after
// the first visible lamp: the big one with seven colours, the small one with red, green and blue,
// each colour a scene from `PatternFirst` timed by the tempo slider, then a loop word.
void bigRainbow(SequencerContext& ctx);
void smallRainbow(SequencerContext& ctx);

// "Do Pattern Mirror Gorizontal": the pattern's scenes in reverse order.
void mirrorPattern(SequencerContext& ctx);
// "Rotate Pattern for One Scena": every scene takes the next one's levels, the last the first's.
void rotatePattern(SequencerContext& ctx);
// "Do Inversion of Data of Pattern": every level v becomes 255 - v.
void invertPattern(SequencerContext& ctx);

}  // namespace wl
