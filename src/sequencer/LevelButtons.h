#pragma once

#include <cstdint>
#include <string>

#include "sequencer/SequencerContext.h"

namespace wl {

// The pen level and the six level buttons "255", "196", "160", "127", "64", "0" of the channel
// area, with the "Set Level " panel that edits a button's level.
//
// Thread: the engine. Allocates the button captions.

inline constexpr int kPenLevelSetting = 81;
inline constexpr int kLevelButtons = 6;

// The pen level (settings entry 81), held in 0..255.
std::uint8_t penLevel(const SequencerContext& ctx);
// The level of button 1..6 (settings entries 89..84), held in 0..255, and its caption.
std::uint8_t levelButtonLevel(const SequencerContext& ctx, int button);
std::string levelButtonCaption(const SequencerContext& ctx, int button);

// A left click: the button's level becomes the pen level, the button is marked, level editing
// ends.
void levelButtonClick(SequencerContext& ctx, int button);
// A right click: the "Set Level " panel edits the button; the pen level and the panel's slider
// take the button's level.
void levelButtonEdit(SequencerContext& ctx, int button);
// The panel's slider: the edited button takes the level.
void setLevelSliderChange(SequencerContext& ctx, int level);
// "Set Default Levels": 255, 196, 160, 127, 64, 0.
void setDefaultLevels(SequencerContext& ctx);
// The pipette found `level`: it goes on the panel's slider and, while a button is edited, to that
// button and the pen.
void pipetteLevel(SequencerContext& ctx, std::uint8_t level);

// "Set to All Current Pattern Level" (no undo snapshot): in the pattern's scenes (never 255) every
// level above 7 becomes the panel's slider value, at least 31; nothing for a one-scene pattern.
void SetToAllCurrentPatternLevel(SequencerContext& ctx);

}  // namespace wl
