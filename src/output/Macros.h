#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "output/ChannelSpace.h"
#include "output/MacroTables.h"
#include "output/MouseButton.h"
#include "output/ShapeColour.h"
#include "output/ShowRequests.h"
#include "platform/Operator.h"
#include "platform/Scheduler.h"

namespace wl {

struct SettingsRecord;

// How the macro label looks: black, red and bold while recording, blue while recalling.
enum class MacroLabelLook : std::uint8_t { Idle, Writing, Reading };

// The controls of the output window's "Macros" page as the logic reads and writes them.
//
// Thread: the engine. Allocates when texts change.
struct MacroPage {
    std::uint8_t rgModeMacro = kMacroStatic;  // "Macros ": the type the next recording stores
    bool chkEnableRecord = false;             // "Enable Record"
    bool chkToHand = false;                   // "Cross to Static"
    // The name a recorded macro takes (its first 16 bytes).
    std::string EditNameMacro = "no Name Macro";
    std::string LabelStaMacro = "MACROS";
    MacroLabelLook labelLook = MacroLabelLook::Idle;
    // Raised when a box click asks for the "Static" page; the window shows it and lowers this.
    bool crossToStatic = false;
    // Raised after the logic changed the page or the macros; the window polls it and repaints.
    std::uint64_t revision = 0;

    void notify() { ++revision; }
};

// What the macro operations work on, gathered by the owner of the tables.
struct MacroContext {
    MacroTables& macros;
    MacroPage& page;
    ChannelSpace& channels;
    SettingsRecord& settings;
    std::span<std::uint8_t> SeqJob;     // run mode of every sequence
    std::span<std::uint16_t> CurScene;  // current scene of every sequence
    std::uint8_t& FountainMode;
    bool& ModeChanged;
    bool& ScheduleStopReq;
    ShowRequests& show;
    Scheduler& scheduler;
    Scheduler::TaskId labelTimer;  // `tmrMacro`: puts the label back after 3 s
};

// The macro operations of the "Macros" page. A macro number above 31 means macro 31.
//
// Thread: the engine. Allocate only for the label texts.

// Records macro `macro` (0..31) as the chosen type: the manual levels of every channel and, for
// both types, the run mode and current scene of every sequence, with the name field's text.
void WriteMacro(MacroContext& ctx, int macro);

// Recalls macro `macro`: stops every sequence and clears the frames; a static macro becomes
// mode MACRO nn with its levels as the manual levels, a dynamic one restarts its sequences at
// their scenes in mode PAUSE. The mode timer applies the mode.
void ReadMacro(MacroContext& ctx, int macro);

// A click on box `box` (1..32): the left button recalls its macro; the right one records it
// while "Enable Record" is checked. "Cross to Static" then asks for the "Static" page.
void OnMouseDownMacro(MacroContext& ctx, int box, MouseButton button);

// "Macros " chosen: "Static" (0) sets mode STATIC, "Dinamic" (1) mode PAUSE.
void chooseMacroMode(MacroContext& ctx, std::uint8_t item);

// "Clear all Macros": after Yes to this question, every macro table and the name field cleared.
inline constexpr Question kClearAllMacrosQuestion{BoxKind::Warning, "You wish delete all Macros? "};
void ClearAllMacros(MacroContext& ctx);

// "Clear channels DMX": every sequence OFF, the track selection cleared, the frames reset.
void ClearChannelsDmx(MacroContext& ctx);

// `tmrMacro`: the label back to "MACROS" in black.
void macroLabelTimer(MacroPage& page);

// What box `box` (1..32) shows: its fill by the macro type, its number, "Static" or "Dinam",
// and the 16 bytes of the macro's name.
struct MacroBox {
    ShapeColour fill;
    std::string number;
    std::string kind;
    std::string name;
};
MacroBox macroBox(const MacroTables& macros, int box);

}  // namespace wl
