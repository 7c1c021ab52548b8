#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sequencer/SequencerContext.h"

namespace wl {

// The "Area Scroll " page ("Manual control by Channels of Scene"): 21 rows of channels from the
// edited sequence's `PosAreaScrl`, each with its label, name and level in the page's scene, and
// the naming of channels.
//
// Thread: the engine. Allocates the window texts.

struct RowColour {
    std::uint8_t red, green, blue;
};
inline constexpr RowColour kLinkedRowColour{255, 251, 240};    // cream
inline constexpr RowColour kUnlinkedRowColour{192, 192, 192};  // silver

// What one row shows.
struct ScrollAreaRow {
    int ch = 0;
    std::string label;  // the universe label, "A001"
    std::string name;
    RowColour nameColour = kUnlinkedRowColour;
    bool sliderShown = false;  // linked, or "All Scroll Wiev"
    int level = 0;             // also the slider's hint
};

// Row 0..20, or nothing where the row lies beyond channel 4095.
std::optional<ScrollAreaRow> scrollAreaRow(SequencerContext& ctx, int row);

// The first row (`PosAreaScrl` of the edited sequence).
void scrollAreaFirstRowChange(SequencerContext& ctx, int ch);
// A row's slider: after an undo snapshot the level goes into the page's scene.
void scrollAreaLevelChange(SequencerContext& ctx, int row, int level);
// "0", "64", "127", "196", "255" and `ScrollBarSetData`: every linked channel of the page's scene.
void scrollAreaSetLinked(SequencerContext& ctx, int level);
// `ScrollBarAreaScrScena` (0..255): the page's scene; with "Carry To Main Scene" on and the
// sequence not playing, the main scene follows.
void ScrollBarAreaScrScenaChange(SequencerContext& ctx, int scene);
// "Take Position From Area RGB": the page's scene becomes the main scene.
void takePositionFromAreaRgb(SequencerContext& ctx);

// "Enable Rec Name": while on, the name fields write the channel names; switching it on raises
// the mode-change request.
void EnableRecNameClick(SequencerContext& ctx, bool on, bool& ModeChanged);
// A row's name field was edited (UTF-8).
void channelNameEdited(SequencerContext& ctx, int row, std::string_view text);
// The text a clicked name field holds for editing: the name without its trailing spaces.
std::string channelNameForEditing(SequencerContext& ctx, int row);

// "Clear All Names Of Sequenser": on Yes every channel name becomes 16 spaces.
inline constexpr std::string_view kClearAllNamesQuestion = "Clear All Names";
void ClearAllNamesOfSequenser(SequencerContext& ctx);
// "Clear Active Seqenser Names": on Yes the linked channels of the linked range lose their names.
inline constexpr std::string_view kClearActiveNamesQuestion = "Clear All Active Names";
void ClearActiveSeqenserNames(SequencerContext& ctx);
// "Set Prefics To DMX name Sequenser": every linked channel of the linked range is named prefix A,
// the counter (" 1 ", or " " without "IncludeDigit"), prefix B, cut to 16 characters; the counter
// starts at "Start Nomber" and grows per channel, or per lamp of three with "Spot".
void SetPreficsToDmxName(SequencerContext& ctx);

}  // namespace wl
