#include "sequencer/PatternTools.h"

#include <algorithm>
#include <array>
#include <random>
#include <span>
#include <tuple>

#include "sequencer/LevelButtons.h"
#include "sequencer/Playback.h"
#include "sequencer/SceneDrawing.h"
#include "sequencer/SequencerWindowState.h"
#include "sequencer/Tempo.h"
#include "sequencer/Undo.h"

namespace wl {

namespace {

constexpr int kLampChannels = 3;
constexpr int kDotChanceOf = 104;
constexpr int kLastRainbowStart = 4092;
constexpr std::uint8_t kDotLevel = 255;

// The rainbow palette: 1 red, 2 yellow, 3 green, 4 cyan, 5 blue, 6 magenta, 7 white.
constexpr Colour kPalette[] = {
    {0, 0, 0},     {255, 0, 0}, {255, 255, 0}, {0, 255, 0},
    {0, 255, 255}, {0, 0, 255}, {255, 0, 255}, {255, 255, 255},
};
constexpr int kBigRainbow[] = {1, 2, 3, 4, 5, 6, 7};
constexpr int kSmallRainbow[] = {1, 3, 5};

void setWord(SequencerStore& store, int seq, int scene, std::uint16_t word) {
    if (scene >= 0 && scene < kSceneCount) store.SceneCtrl[seq][scene] = word;
}

// "Don't Cross Line": the pattern ends before the first boundary word after the current scene,
// and the current scene goes to the pattern's start.
void stopBeforeNextBoundary(SequencerStore& store, int seq) {
    int last = kLastPatternScene;
    for (int scene = store.CurScene[seq] + 1; scene <= kLastPatternScene; ++scene) {
        if (isBoundaryWord(store.SceneCtrl[seq][scene])) {
            last = scene - 1;
            break;
        }
    }
    store.PatternLast = static_cast<std::uint16_t>(last);
    setCurScene(store, seq, store.PatternFirst);
}

// Unless "Merge Patterns" is on, the linked range of the pattern's scenes and of the scene after
// it becomes 0.
void clearUnlessMerged(SequencerContext& ctx, int seq, SceneRange pattern, int first, int last) {
    if (ctx.window.tools.creator.MergePatterns) return;
    const int lastScene = std::min(pattern.last + 1, kSceneCount - 1);
    for (int scene = pattern.first; scene <= lastScene; ++scene) {
        const auto levels = ctx.store.SceneStore.writableScene(seq, scene);
        std::fill(levels.begin() + first, levels.begin() + last + 1, 0);
    }
}

// A diagonal one channel further per scene, from (scene, ch) up to `toScene` and channel `lastCh`;
// returns the last scene it drew, or -1.
int diagonal(SequencerStore& store, int seq, int scene, int ch, int toScene, int lastCh,
             std::uint8_t level) {
    int drawn = -1;
    for (; scene <= toScene && ch <= lastCh; ++scene, ++ch) {
        writeLevel(store, seq, scene, ch, level);
        drawn = scene;
    }
    return drawn;
}

// The pattern and the linked range a creator figure works on, after its snapshot and clearing;
// false when there is nothing to draw.
struct CreatorFrame {
    SceneRange pattern;
    int first = 0;
    int last = 0;
};
bool prepareCreator(SequencerContext& ctx, int seq, CreatorFrame& frame) {
    frame.pattern = toolPattern(ctx.store);
    if (frame.pattern.first >= frame.pattern.last) return false;
    std::tie(frame.first, frame.last) = LinkedRange(ctx.store, seq);
    clearUnlessMerged(ctx, seq, frame.pattern, frame.first, frame.last);
    return true;
}

void rainbow(SequencerContext& ctx, std::span<const int> colours) {
    SaveToUndo(ctx);
    SequencerStore& store = ctx.store;
    const int seq = editedSeq(ctx);
    if (!hasLinkedChannels(store, seq)) return;
    const int from = kLampChannels * std::max(ctx.window.tools.rgbArea.firstRow, 0);
    int start = 0;
    for (int ch = from; ch <= kLastRainbowStart; ++ch) {
        if (isLinked(store, seq, ch)) {
            start = ch;
            break;
        }
    }
    int end = start - 1;
    while (isLinked(store, seq, end + 1)) ++end;
    const int firstScene = toolPattern(store).first;
    const auto tempo = static_cast<std::uint16_t>(ctx.window.ScrollBarSeqSpeed);
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const int scene = firstScene + static_cast<int>(i);
        if (scene >= kSceneCount) break;
        for (int ch = start; ch <= end; ch += kLampChannels) {
            writeLamp(store, seq, scene, ch, kPalette[colours[i]]);
        }
        setWord(store, seq, scene, tempo);
    }
    setWord(store, seq, firstScene + static_cast<int>(colours.size()), kWordRetToCycle);
    refreshEditedSequence(ctx);
}

template <typename Rework>
void reworkPattern(SequencerContext& ctx, Rework rework) {
    SaveToUndo(ctx);
    const SceneRange pattern = toolPattern(ctx.store);
    if (pattern.first > pattern.last) return;
    const auto levels = ctx.store.SceneStore.writableSequence(editedSeq(ctx));
    rework(std::span<std::uint8_t>(levels).subspan(
        sceneIndex(0, pattern.first), sceneIndex(0, pattern.last - pattern.first + 1)));
    refreshEditedSequence(ctx);
}

}  // namespace

void showCreator(SequencerContext& ctx, DrawingArea from) {
    CreatorOptions& creator = ctx.window.tools.creator;
    creator.shown = true;
    creator.fromChannelArea = from == DrawingArea::Channels;
    ctx.window.notify();
}

void closeCreator(SequencerContext& ctx) {
    ctx.window.tools.creator.shown = false;
    ctx.window.notify();
}

void drawCreatorLines(SequencerContext& ctx) {
    CreatorOptions& creator = ctx.window.tools.creator;
    if (!creator.fromChannelArea) return;
    SaveToUndo(ctx);
    SequencerStore& store = ctx.store;
    const int seq = editedSeq(ctx);
    if (!hasLinkedChannels(store, seq)) return;
    if (creator.DontCrossLine) stopBeforeNextBoundary(store, seq);
    CreatorFrame frame;
    if (!prepareCreator(ctx, seq, frame)) return;
    const std::uint8_t level = penLevel(ctx);
    const int from = frame.pattern.first;
    const int to = frame.pattern.last;
    const int lines = std::clamp(creator.NombersOfLines, 1, frame.last - frame.first + 1);
    const int drawn = diagonal(store, seq, from, frame.first, to, frame.last, level);
    for (int line = 1; line < lines; ++line) {
        diagonal(store, seq, from, frame.first + line, to, frame.last, level);
        diagonal(store, seq, to - lines + 1 + line, frame.first, to, frame.last, level);
    }
    if (creator.SetLine && drawn >= 0) {
        setWord(store, seq, drawn == to ? to + 2 : drawn + 1, kWordRetToCycle);
    }
    creator.coutOfAcselEnabled = true;
    refreshEditedSequence(ctx);
}

void drawCreatorDots(SequencerContext& ctx) {
    SaveToUndo(ctx);
    SequencerStore& store = ctx.store;
    SceneToolState& tools = ctx.window.tools;
    const int seq = editedSeq(ctx);
    if (!hasLinkedChannels(store, seq)) return;
    CreatorFrame frame;
    if (!prepareCreator(ctx, seq, frame)) return;
    std::uniform_int_distribution<int> chance(0, kDotChanceOf - 1);
    const int hits = std::clamp(tools.creator.NombersOfLines, 1, CreatorOptions::kMaxLines) + 2;
    const bool lamps = !tools.creator.fromChannelArea;
    const int step = lamps ? kLampChannels : 1;
    for (int scene = frame.pattern.first; scene <= frame.pattern.last; ++scene) {
        for (int ch = frame.first; ch <= frame.last; ch += step) {
            if (chance(tools.random) >= hits) continue;
            if (lamps) {
                writeLamp(store, seq, scene, ch, tools.penColour);
            } else {
                writeLevel(store, seq, scene, ch, kDotLevel);
            }
        }
    }
    tools.creator.coutOfAcselEnabled = false;
    refreshEditedSequence(ctx);
}

void bigRainbow(SequencerContext& ctx) {
    rainbow(ctx, kBigRainbow);
}

void smallRainbow(SequencerContext& ctx) {
    rainbow(ctx, kSmallRainbow);
}

void mirrorPattern(SequencerContext& ctx) {
    reworkPattern(ctx, [](std::span<std::uint8_t> scenes) {
        const std::size_t count = scenes.size() / kSceneBytes;
        for (std::size_t a = 0, b = count - 1; a < b; ++a, --b) {
            std::swap_ranges(scenes.begin() + a * kSceneBytes,
                             scenes.begin() + (a + 1) * kSceneBytes,
                             scenes.begin() + b * kSceneBytes);
        }
    });
}

void rotatePattern(SequencerContext& ctx) {
    reworkPattern(ctx, [](std::span<std::uint8_t> scenes) {
        std::rotate(scenes.begin(), scenes.begin() + kSceneBytes, scenes.end());
    });
}

void invertPattern(SequencerContext& ctx) {
    reworkPattern(ctx, [](std::span<std::uint8_t> scenes) {
        for (std::uint8_t& level : scenes) level = static_cast<std::uint8_t>(255 - level);
    });
}

}  // namespace wl
