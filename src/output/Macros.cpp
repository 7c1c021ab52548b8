#include "output/Macros.h"

#include <algorithm>
#include <utility>

#include "output/FountainModes.h"
#include "output/OutputSettings.h"
#include "output/SequencerLinks.h"
#include "output/TwoDigits.h"
#include "platform/Operator.h"
#include "storage/SettingsRecord.h"

namespace wl {

namespace {

constexpr char kNameFill = ' ';

constexpr ShapeColour kStaticBox{255, 255, 124};
constexpr ShapeColour kDynamicBox{255, 125, 124};

int macroIndex(int macro) {
    return std::clamp(macro, 0, kMacroCount - 1);
}

bool isDynamic(const MacroTables& macros, int macro) {
    return macros.MacroMode[macro] == kMacroDynamic;
}

void setMacroMode(MacroContext& ctx, std::uint8_t mode) {
    ctx.FountainMode = mode;
    ctx.settings.SettingsRec[kLastModeSetting] = mode;
    ctx.ModeChanged = true;
}

void setLabel(MacroPage& page, std::string text, MacroLabelLook look) {
    page.LabelStaMacro = std::move(text);
    page.labelLook = look;
}

void stopAllSequences(MacroContext& ctx) {
    std::fill(ctx.SeqJob.begin(), ctx.SeqJob.end(), std::uint8_t{0});
}

// The recall's clear: the sources of the frame, not the shaped frames or the light gate.
void clearSources(ChannelSpace& space) {
    for (auto& universe : space.UniverseBuf) universe.fill(0);
    space.SeqFrame.fill(0);
    space.FirstFrame.fill(0);
    space.ChannelTestLevel.fill(0);
}

void recordName(std::array<char, kMacroNameLength>& name, const std::string& text) {
    name.fill(kNameFill);
    std::copy_n(text.begin(), std::min(text.size(), name.size()), name.begin());
}

void recallStatic(MacroContext& ctx, int m) {
    setMacroMode(ctx, static_cast<std::uint8_t>(kFirstMacroMode + m));
    setLabel(ctx.page, "Read Static Macro " + twoDigits(m + 1), MacroLabelLook::Reading);
    loadMacroLevels(ctx.macros, m, ctx.channels, kChannelCount);
}

void recallDynamic(MacroContext& ctx, int m) {
    setMacroMode(ctx, kModePause);
    setLabel(ctx.page, "Read Dinam Macro " + std::to_string(m + 1), MacroLabelLook::Reading);
    const auto& scenes = ctx.macros.MacroTabA[m];
    const auto& jobs = ctx.macros.MacroTabC[m];
    const auto sequences = std::min({ctx.SeqJob.size(), ctx.CurScene.size(), jobs.size()});
    for (std::size_t s = 0; s < sequences; ++s) {
        ctx.CurScene[s] = scenes[s];
        // A damaged job above PLAY would count as running for the output but never step.
        ctx.SeqJob[s] = std::min(jobs[s], kJobPlay);
    }
}

}  // namespace

void WriteMacro(MacroContext& ctx, int macro) {
    const int m = macroIndex(macro);
    MacroTables& macros = ctx.macros;
    macros.MacroMode[m] = ctx.page.rgModeMacro;
    const std::string kind = isDynamic(macros, m) ? "Write Dinam Macro " : "Write Statc Macro ";
    setLabel(ctx.page, kind + twoDigits(m + 1), MacroLabelLook::Writing);
    for (int i = 0; i < kChannelCount; ++i)
        macros.MacroStore[m][i] = ctx.channels.ChannelTestLevel[i + 1];
    const auto sequences = std::min(
        {ctx.SeqJob.size(), ctx.CurScene.size(), static_cast<std::size_t>(kMacroSequences)});
    for (std::size_t s = 0; s < sequences; ++s) {
        macros.MacroTabA[m][s] = static_cast<std::uint8_t>(ctx.CurScene[s] & 0xFF);
        macros.MacroTabC[m][s] = ctx.SeqJob[s];
    }
    recordName(macros.MacroNames[m], ctx.page.EditNameMacro);
    ctx.scheduler.start(ctx.labelTimer);
    ctx.page.notify();
}

void ReadMacro(MacroContext& ctx, int macro) {
    const int m = macroIndex(macro);
    const bool dynamic = isDynamic(ctx.macros, m);
    ctx.page.rgModeMacro = dynamic ? kMacroDynamic : kMacroStatic;
    stopAllSequences(ctx);
    ctx.show.clearTrackSelection = true;
    clearSources(ctx.channels);
    ctx.show.startMarkToBeginning = true;
    if (dynamic) {
        recallDynamic(ctx, m);
    } else {
        recallStatic(ctx, m);
    }
    ctx.scheduler.start(ctx.labelTimer);
    ctx.page.notify();
}

void OnMouseDownMacro(MacroContext& ctx, int box, MouseButton button) {
    ctx.scheduler.start(ctx.labelTimer);
    if (button == MouseButton::Left) {
        ReadMacro(ctx, box - 1);
    } else if (ctx.page.chkEnableRecord) {
        WriteMacro(ctx, box - 1);
    }
    if (ctx.page.chkToHand) ctx.page.crossToStatic = true;
}

void chooseMacroMode(MacroContext& ctx, std::uint8_t item) {
    ctx.page.rgModeMacro = item == kMacroDynamic ? kMacroDynamic : kMacroStatic;
    setMacroMode(ctx, item == kMacroDynamic ? kModePause : kModeStatic);
    ctx.ScheduleStopReq = false;
}

void ClearAllMacros(MacroContext& ctx) {
    ClearMacroTables(ctx.macros);
    ctx.page.EditNameMacro.assign(kMacroNameLength, kNameFill);
    ctx.page.LabelStaMacro = "Deleting... ";
    ctx.scheduler.start(ctx.labelTimer);
    ctx.page.rgModeMacro = kMacroStatic;
    ctx.page.notify();
}

void ClearChannelsDmx(MacroContext& ctx) {
    stopAllSequences(ctx);
    ctx.show.clearTrackSelection = true;
    ResetFrames(ctx.channels);
}

void macroLabelTimer(MacroPage& page) {
    setLabel(page, "MACROS", MacroLabelLook::Idle);
    page.notify();
}

MacroBox macroBox(const MacroTables& macros, int box) {
    const int m = macroIndex(box - 1);
    const bool dynamic = isDynamic(macros, m);
    std::string name(macros.MacroNames[m].begin(), macros.MacroNames[m].end());
    std::replace_if(
        name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; }, ' ');
    return {dynamic ? kDynamicBox : kStaticBox, std::to_string(m + 1), dynamic ? "Dinam" : "Static",
            name};
}

}  // namespace wl
