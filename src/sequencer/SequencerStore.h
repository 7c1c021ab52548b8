#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "output/SequencerLinks.h"
#include "sequencer/SceneLevels.h"

namespace wl {

// Scenes 0..253 are reached by stepping; 254 and 255 are stored but never played.
inline constexpr int kPlayableScenes = 254;
inline constexpr int kLastPatternScene = 254;
inline constexpr int kNameLength = 16;

// Clock sources (`SeqSource`), in the order of the "Source " selector.
inline constexpr std::uint8_t kSourceTempo = 0;
inline constexpr std::uint8_t kSourceSynhro = 1;
inline constexpr std::uint8_t kSourceParalell = 2;
inline constexpr std::uint8_t kSourceSecond = 3;
inline constexpr std::uint8_t kSourceMinute = 4;
inline constexpr std::uint8_t kSourceHour = 5;
inline constexpr std::uint8_t kSourceLevel = 6;
inline constexpr std::uint8_t kSourceLabel = 7;
inline constexpr int kSourceCount = 8;

// Scene control words (`SceneCtrl`): below 10 a command, from 10 on the scene time in ms.
inline constexpr std::uint16_t kWordStopOff = 0;         // "Stop&Off": the sequence goes OFF
inline constexpr std::uint16_t kWordStop = 1;            // "Stop": the sequence goes to STOP
inline constexpr std::uint16_t kWordRetToCycle = 2;      // back to the start of the pattern
inline constexpr std::uint16_t kWordRetToBegin = 3;      // back to scene 0
inline constexpr std::uint16_t kWordFirstBoundless = 9;  // words below this end a pattern
inline constexpr std::uint16_t kWordFirstTime = 10;      // words from this on are scene times
inline constexpr std::uint16_t kWordLastShownTime = 65016;
inline constexpr std::uint16_t kResetSceneTime = 500;
inline constexpr std::uint8_t kDefaultLightLength = 2;  // "Leng RGB Addr " 3

constexpr bool isBoundaryWord(std::uint16_t word) {
    return word < kWordFirstBoundless;
}
constexpr bool isTimeWord(std::uint16_t word) {
    return word >= kWordFirstTime;
}

// View types (`SeqType`).
inline constexpr std::uint8_t kTypeRgb = 0;   // "RGB"
inline constexpr std::uint8_t kTypeInv = 1;   // "INV"
inline constexpr std::uint8_t kTypeLib = 2;   // "LIB"
inline constexpr std::uint8_t kTypeScrl = 3;  // "SCRL"

template <typename T>
using PerSequence = std::array<T, kSequenceCount>;
template <typename T>
using PerScene = std::array<T, kSceneCount>;
using Name = std::array<char, kNameLength>;  // raw bytes, space padded, no terminator

// Every table of the sequencer: 256 sequences of 256 scenes of 4096 channel levels, with their
// links, control words, run state, clock sources, names, view positions and influences.
// Channel indices here run 0..4095; channel index ch is frame index ch + 1 of the channel space.
//
// The playback engine steps through it, the sequencer window edits it, the output cycle and the
// track playback read and write parts of it, the sequencer file stores most of it.
//
// Thread: the engine. Plain data apart from the scene levels (see SceneLevels); allocates only
// at construction and when the levels are cleared under an undo snapshot. Not copyable.
struct SequencerStore {
    SceneLevels SceneStore;  // level of every channel of every scene, index sceneIndex()

    PerSequence<std::array<std::uint8_t, kSceneChannels>> LinkMask{};  // 1 = linked, else 0
    // Raised by every operation that changes LinkMask, so readers that keep an index of the links
    // (the output cycle) know to read the rows again.
    std::uint32_t LinkEdits = 0;
    PerSequence<PerScene<std::uint16_t>> SceneCtrl{};  // scene time or command

    PerSequence<std::uint8_t> SeqJob{};        // kJobOff, kJobStop, kJobPlay
    PerSequence<std::uint8_t> SeqSource{};     // kSourceTempo .. kSourceLabel
    PerSequence<std::uint8_t> SeqSourceSeq{};  // source sequence of "Paralell"
    PerSequence<std::uint8_t> SeqDivider{};    // divider of "Label", 0..99
    PerSequence<std::uint16_t> CurScene{};     // current scene, 0..253
    PerSequence<std::uint8_t> SeqType{};       // editor view, kTypeRgb .. kTypeScrl

    PerSequence<Name> SeqNames{};
    std::array<Name, kSceneChannels> ChannelNames{};

    // Editor view memory per sequence.
    PerSequence<std::uint16_t> PosSpot{};
    PerSequence<std::uint16_t> PosKlapan{};
    PerSequence<std::uint16_t> PosAreaScrl{};
    PerSequence<std::uint8_t> LibPage{};
    PerSequence<std::uint8_t> SeqSpare1{};
    PerSequence<std::uint8_t> SeqSpare2{};

    // Pump influence: the value of the playing scene goes to DMX channel InfToDmx (0 = none).
    PerSequence<std::uint16_t> InfToDmx{};
    PerSequence<std::uint8_t> InfMinPump{};
    PerSequence<PerScene<std::uint8_t>> InfluenceTable{};  // 255 = no influence

    // Light influence: the valves of a playing sequence switch lights.
    PerSequence<std::uint8_t> InfLgtMode{};
    PerSequence<std::uint8_t> InfLgtLeng{};  // selector index 0..3 (1..4 channels per light)
    PerSequence<std::uint16_t> InfLgtAddr{};
    PerSequence<std::uint8_t> InfLgtSpare1{};
    PerSequence<std::uint16_t> InfLgtSpare2{};
    PerSequence<std::uint16_t> InfLgtSpare3{};

    // The "Label" source: the track playback raises LabelPending at every new track step.
    PerSequence<std::uint8_t> LabelPending{};
    PerSequence<std::uint16_t> LabelCount{};

    // The scene range the tempo and pattern tools work on.
    std::uint16_t PatternFirst = 253;
    std::uint16_t PatternLast = 254;
};

// The store reset: levels and links 0, every scene time 500 ms, every sequence OFF at scene 0,
// names blank (zero bytes), view "INV", light influence off with its defaults. Clock sources,
// influence settings, view positions and spares keep their values. At program start
// (`programStart`) the Label counters are cleared too.
void ResetSequencerStore(SequencerStore& store, bool programStart);
// The same for every table but the scene levels (for levels that are being replaced whole).
void ResetSequencerTables(SequencerStore& store, bool programStart);

// Light influence off for every sequence, with its default length, address 0 and spares 0.
void resetLightInfluence(SequencerStore& store);

// Sequence and channel names as 16 characters of UTF-8 text (the table holds Windows-1251 bytes):
// every stored byte at or below 32 reads as a space and is rewritten as one in the table. The
// index is limited to 255 and 4095.
std::string SeqName(SequencerStore& store, int seq);
std::string ChannelName(SequencerStore& store, int ch);
// Stores an edited name (UTF-8): an empty text leaves the name as it was; otherwise the text in
// Windows-1251, padded with spaces and cut to 16 bytes, so a character is never cut in half.
void SetSeqName(SequencerStore& store, int seq, std::string_view text);
void SetChannelName(SequencerStore& store, int ch, std::string_view text);

// The first and last linked channel index of a sequence: first is searched in 0..4093 (1 when
// none is linked), last in 4095 down to 1 (4095 when none is linked).
std::pair<int, int> LinkedRange(const SequencerStore& store, int seq);

}  // namespace wl
