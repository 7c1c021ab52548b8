#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "sequencer/SceneToolState.h"
#include "sequencer/ScrollAreaState.h"
#include "sequencer/SequencerClipboards.h"
#include "sequencer/SequencerStore.h"
#include "sequencer/Undo.h"

namespace wl {

// The three scopes of the tempo slider.
enum class TempoScope {
    All,      // SpeedButtonTempAll: "Change Tempo all Sequnser"
    Pattern,  // SpeedButtonTempSliceSeq: "Change Temp in current pattern"
    Scene,    // SpeedButtonTempOnlyOne: "Change Temp in current scene"
};

// The controls of the "Area of Link" page: the link grid, its group settings and the
// influence settings of the edited sequence.
struct LinkPageState {
    static constexpr int kRows = 26;
    static constexpr int kColumns = 16;

    int ScrollBarGroupPos = 0;  // channel index of the first grid row, 0..4096
    int ScrollBarFixPos = 0;    // sequence of the first grid column, 0..240 in steps of 16
    std::array<bool, kColumns> columnSelected{};
    int ScrollBarBeginChK = 1;    // group start address, 1..4095
    int ScrollBarLengDmxChK = 3;  // group length, 3..256
    bool posUnivLink = true;      // "Pos Univ Link": universe buttons also move the start
    std::array<std::uint8_t, kSceneChannels> LinkClip{};
    bool pasteLinkEnabled = false;  // "Paste DMX enable Link"

    std::string influenceCaption;  // "Influence " + count + " Valve by Pump"
    int infToDmxSlider = 0;        // 0..512
    std::string infToDmxLabel = "OFF";
    std::string infToDmxName;  // name of the influence channel, empty for "OFF"
    int infMinPumpSlider = 0;  // 0..255
    std::string infMinPumpLabel = "0";
    bool infLightChecked = false;  // "Influence To Light"
    int infLightLengthItem = 2;    // "Leng RGB Addr " item 0..3
    int infLightAddrSlider = 0;    // 0..4090
    std::string infLightAddrLabel = "A001";

    int ScrollBarScenaXY = 0;  // library page scene, 0..255
    std::string libSceneLabel = "Scena 1";
};

// What the sequencer window's controls hold and show. The logic reads the control values as the
// operator left them and writes the texts the window shows; `notify` asks the window to redraw
// the edited sequence.
//
// Thread: the engine. Texts on the playback path are at most 15 characters and never allocate.
// Allocates the clipboards and the undo copy of the small tables at construction.
struct SequencerWindowState {
    static constexpr int kMinTempo = 50;
    static constexpr int kMaxTempo = 10000;
    static constexpr int kInitialTempo = 500;

    int ScrollBarNombSeq = 0;               // the edited sequence
    int ScrollBarScenaRun = 0;              // the selected scene, 0..253
    int ScrollBarSeqSpeed = kInitialTempo;  // tempo slider, ms
    bool CheckBoxEnableTempo = false;       // "Rec"
    TempoScope tempoScope = TempoScope::Pattern;
    int rgSeqJob = kJobOff;  // "Mode Seq" of the edited sequence
    int rgInputSource = kSourceTempo;
    int ScrollBarSeqSource = 0;  // "From Seq "
    bool seqSourceVisible = false;
    int ScrollBarDivider = 0;  // "Divide by "
    bool dividerVisible = false;
    int ScrollBarAreaScrScena = 0;   // scene of the scroll area ("Area Scroll ")
    bool carryFromMainScene = true;  // "Carry From Main Scene"
    int PopupScene = 0;              // scene under the mouse when a context menu opened
    char decimalSeparator = '.';     // the operator's locale

    std::string lblScena = "Scena 1";
    std::string LabelTempo;
    std::string LabelWievDmxTempo;
    std::string grpSeqSynhro;
    std::string patternCaption;
    std::string seqSourceLabel = "From Seq 01";
    std::string dividerLabel = "Divide by 01";
    std::string edtNameSeq;

    std::string caption = "Sequenser";

    LinkPageState link;
    SceneToolState tools;
    SequencerClipboards clips;
    ScrollAreaState scroll;
    SequencerUndo undo;

    // Raised after the logic changed what the window shows; the window polls it.
    std::uint64_t revision = 0;

    void notify() { ++revision; }
};

}  // namespace wl
