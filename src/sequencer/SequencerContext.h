#pragma once

namespace wl {

struct ChannelSpace;
struct SequencerStore;
struct SequencerWindowState;
struct SettingsRecord;
class Operator;
class SequenceTimers;
class WallClock;

// What the sequencer's playback and its window handlers work on. The system holds one; tests
// build one from the parts they need.
//
// Thread: the engine. Holds references only.
struct SequencerContext {
    SequencerStore& store;
    ChannelSpace& channels;
    SettingsRecord& settings;
    SequenceTimers& timers;
    SequencerWindowState& window;
    const WallClock& clock;
    Operator& op;
};

// The sequence the window edits (`ScrollBarNombSeq`).
int editedSeq(const SequencerContext& ctx);

// Settings entries of the sequencer window.
inline constexpr int kLinkFirstRowSetting = 82;
inline constexpr int kCurrentSeqSetting = 83;
inline constexpr int kFirstQuickSeqSetting = 90;  // buttons "1".."7" in entries 90..96
inline constexpr int kQuickButtons = 7;

}  // namespace wl
