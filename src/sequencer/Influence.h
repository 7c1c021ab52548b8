#pragma once

#include <cstdint>

#include "platform/Operator.h"
#include "sequencer/SequencerContext.h"

namespace wl {

// Pump influence: the number of open valves (levels above 15) of each scene of a sequence sets
// a pump level that playback publishes on one DMX channel. Light influence: the valves of a
// playing sequence switch lights (written by playback).
//
// Thread: the engine. The table computation never allocates; the handlers write window texts.

// `influenceCount`: the pump level for `openValves` open valves of `valveCount`, each worth
// at least `minPump`; 0 with no valve open, at most 255.
std::uint8_t influenceCount(int minPump, int openValves, int valveCount);

// Recomputes the influence table of `seq` and returns the valve count it used (at most 256).
int countInfluenceTable(SequencerStore& store, int seq);

// `CountTabInfluence`: the table and the caption "Influence " + count + " Valve by Pump".
void CountTabInfluence(SequencerContext& ctx, int seq);

// The influence controls of the link page take the edited sequence's values.
void loadInfluenceControls(SequencerContext& ctx);

// The address slider (0..512; 0 = "OFF") and the minimum pump slider (0..255) of the edited
// sequence; both recompute its table.
void ScrollBarInfToDmxChange(SequencerContext& ctx, int address);
void ScrollBarInfMinPumpChange(SequencerContext& ctx, int minPump);
// "Pump" ("Switch On Pump This Group"): the influence channel to 255 in `SeqFrame` and
// `FirstFrame`.
void pumpOnClick(SequencerContext& ctx);
// "Clear All Tables of Influence" of the valve group, after Yes to this question.
inline constexpr Question kClearValveTablesQuestion{BoxKind::Warning, "Clear All Valve Tables? "};
void clearValveTables(SequencerContext& ctx);

// "Influence To Light" of the edited sequence; switching it off opens every light gate.
void lightInfluenceClick(SequencerContext& ctx, bool on);
// The light address slider (0..4090) and the "Leng RGB Addr " selector (0..3).
void ScrollBarInfLgtAddrChange(SequencerContext& ctx, int address);
void lightLengthChoose(SequencerContext& ctx, int item);
// "Clear All Tables of Influence" of the light group, after Yes to this question.
inline constexpr Question kClearLightTablesQuestion{BoxKind::Warning, "Clear All Light Tables? "};
void clearLightTables(SequencerContext& ctx);

}  // namespace wl
