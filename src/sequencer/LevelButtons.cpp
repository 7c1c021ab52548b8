#include "sequencer/LevelButtons.h"

#include <algorithm>

#include "sequencer/SceneDrawing.h"
#include "sequencer/SequencerWindowState.h"
#include "storage/SettingsRecord.h"

namespace wl {

namespace {

constexpr int kFirstButtonSetting = 89;  // button 1; button 6 is entry 84
constexpr std::uint8_t kDefaultLevels[kLevelButtons] = {255, 196, 160, 127, 64, 0};
constexpr int kKeptLevelsAbove = 7;
constexpr int kLowestPatternLevel = 31;

int buttonSetting(int button) {
    return kFirstButtonSetting + 1 - std::clamp(button, 1, kLevelButtons);
}

std::uint8_t asLevel(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

void setPenLevel(SequencerContext& ctx, std::uint8_t level) {
    ctx.settings.SettingsRec[kPenLevelSetting] = level;
}

}  // namespace

std::uint8_t penLevel(const SequencerContext& ctx) {
    return asLevel(ctx.settings.SettingsRec[kPenLevelSetting]);
}

std::uint8_t levelButtonLevel(const SequencerContext& ctx, int button) {
    return asLevel(ctx.settings.SettingsRec[buttonSetting(button)]);
}

std::string levelButtonCaption(const SequencerContext& ctx, int button) {
    return std::to_string(levelButtonLevel(ctx, button));
}

void levelButtonClick(SequencerContext& ctx, int button) {
    button = std::clamp(button, 1, kLevelButtons);
    setPenLevel(ctx, levelButtonLevel(ctx, button));
    SceneToolState& tools = ctx.window.tools;
    tools.markedLevelButton = button;
    tools.levelEditTarget = 0;
    tools.setLevelPanelShown = false;
    ctx.window.notify();
}

void levelButtonEdit(SequencerContext& ctx, int button) {
    button = std::clamp(button, 1, kLevelButtons);
    SceneToolState& tools = ctx.window.tools;
    tools.levelEditTarget = button;
    tools.setLevelPanelShown = true;
    tools.setLevelSlider = levelButtonLevel(ctx, button);
    setPenLevel(ctx, levelButtonLevel(ctx, button));
    ctx.window.notify();
}

void setLevelSliderChange(SequencerContext& ctx, int level) {
    SceneToolState& tools = ctx.window.tools;
    tools.setLevelSlider = asLevel(level);
    if (tools.levelEditTarget != 0) {
        ctx.settings.SettingsRec[buttonSetting(tools.levelEditTarget)] = tools.setLevelSlider;
    }
    ctx.window.notify();
}

void setDefaultLevels(SequencerContext& ctx) {
    for (int button = 1; button <= kLevelButtons; ++button) {
        ctx.settings.SettingsRec[buttonSetting(button)] = kDefaultLevels[button - 1];
    }
    ctx.window.notify();
}

void pipetteLevel(SequencerContext& ctx, std::uint8_t level) {
    SceneToolState& tools = ctx.window.tools;
    tools.setLevelSlider = level;
    if (tools.levelEditTarget != 0) {
        ctx.settings.SettingsRec[buttonSetting(tools.levelEditTarget)] = level;
        setPenLevel(ctx, level);
    }
    tools.channelArea.tool = DrawTool::Pencil;
}

void SetToAllCurrentPatternLevel(SequencerContext& ctx) {
    const SceneRange pattern = toolPattern(ctx.store);
    const int last = std::min(pattern.last, kLastPatternScene);
    if (pattern.first >= pattern.last) return;
    const auto level =
        static_cast<std::uint8_t>(std::max(ctx.window.tools.setLevelSlider, kLowestPatternLevel));
    const int seq = editedSeq(ctx);
    for (int scene = pattern.first; scene <= last; ++scene) {
        for (std::uint8_t& value : ctx.store.SceneStore.writableScene(seq, scene)) {
            if (value > kKeptLevelsAbove) value = level;
        }
    }
    ctx.window.notify();
}

}  // namespace wl
