#include "sequencer/Clipboards.h"

#include <algorithm>
#include <cstring>

#include "sequencer/Playback.h"
#include "sequencer/SceneDrawing.h"
#include "sequencer/SequencerWindowState.h"
#include "sequencer/Tempo.h"
#include "sequencer/Undo.h"

namespace wl {

namespace {

// The channels a paste writes from the target's first linked channel `first`: `width` + 1, but
// never beyond channel 4095.
std::size_t pastedChannels(int first, int width) {
    return static_cast<std::size_t>(std::min(width + 1, kSceneChannels - first));
}

// Copies channels first..last of `count` scenes from `fromScene` into the block clipboard.
void copyBlock(SequencerContext& ctx, BlockClip& clip, int fromScene, int count) {
    const int seq = editedSeq(ctx);
    const auto [first, last] = LinkedRange(ctx.store, seq);
    std::fill(clip.levels.begin(), clip.levels.end(), 0);
    clip.words.fill(0);
    clip.width = std::max(last - first, 0);
    clip.copiedScenes = count;
    for (int i = 0; i < count; ++i) {
        const auto levels = ctx.store.SceneStore.scene(seq, fromScene + i);
        std::copy_n(levels.begin() + first, clip.width + 1, clip.levels.begin() + sceneIndex(0, i));
        clip.words[i] = ctx.store.SceneCtrl[seq][fromScene + i];
    }
    clip.pasteEnabled = true;
    ctx.window.notify();
}

}  // namespace

void CopyPattern(SequencerContext& ctx) {
    chooseTempoScope(ctx, TempoScope::Pattern);
    BlockClip& clip = ctx.window.clips.block;
    clip.pasteEnabled = false;
    clip.kind = BlockClip::Kind::Pattern;
    const int first = ctx.store.PatternFirst;
    if (ctx.store.PatternLast <= first) return;
    // The scene after the pattern holds its closing word; scene 255 is never taken.
    const int last = std::min(ctx.store.PatternLast + 1, kLastPatternScene);
    copyBlock(ctx, clip, first, last - first + 1);
}

void CopyAllSequenser(SequencerContext& ctx) {
    BlockClip& clip = ctx.window.clips.block;
    clip.kind = BlockClip::Kind::Sequence;
    SaveToUndo(ctx);
    copyBlock(ctx, clip, 0, kSceneCount);
}

void PasteBlock(SequencerContext& ctx) {
    BlockClip& clip = ctx.window.clips.block;
    if (!clip.pasteEnabled) return;
    SaveToUndo(ctx);
    SequencerStore& store = ctx.store;
    const int seq = editedSeq(ctx);
    const int first = LinkedRange(store, seq).first;
    const std::size_t channels = pastedChannels(first, clip.width);
    const int toScene = clip.kind == BlockClip::Kind::Pattern ? store.PatternFirst : 0;
    for (int i = 0; i < clip.copiedScenes && toScene + i < kSceneCount; ++i) {
        const auto levels = store.SceneStore.writableScene(seq, toScene + i);
        std::copy_n(clip.levels.begin() + sceneIndex(0, i), channels, levels.begin() + first);
        store.SceneCtrl[seq][toScene + i] = clip.words[i];
    }
    clip.pasteEnabled = false;
    SequencerWindowState& window = ctx.window;
    window.CheckBoxEnableTempo = false;
    setCurScene(store, seq, store.PatternFirst);
    window.ScrollBarScenaRun = std::min<int>(store.PatternFirst, kPlayableScenes - 1);
    SetFulltimersMode(ctx);
    showSelectedSceneTime(ctx);
    refreshEditedSequence(ctx);
}

void CopyCurrentScena(SequencerContext& ctx) {
    const int seq = editedSeq(ctx);
    const auto [first, last] = LinkedRange(ctx.store, seq);
    if (last - first == 0) return;
    const int scene = std::clamp(ctx.window.ScrollBarAreaScrScena, 0, kSceneCount - 1);
    SceneClip& clip = ctx.window.clips.scene;
    clip.pasteEnabled = true;
    clip.pasteHint = "Seq=" + std::to_string(seq) + "\n\r" + "Scena=" + std::to_string(scene);
    clip.levels.fill(0);
    const auto levels = ctx.store.SceneStore.scene(seq, scene);
    std::copy(levels.begin() + first, levels.begin() + last + 1, clip.levels.begin());
    clip.word = ctx.store.SceneCtrl[seq][scene];
    ctx.window.notify();
}

void PasteOneScena(SequencerContext& ctx) {
    const SceneClip& clip = ctx.window.clips.scene;
    if (!clip.pasteEnabled) return;
    SaveToUndo(ctx);
    const int seq = editedSeq(ctx);
    const auto [first, last] = LinkedRange(ctx.store, seq);
    if (last - first == 0) return;
    const int scene = std::clamp(ctx.window.ScrollBarAreaScrScena, 0, kSceneCount - 1);
    ctx.store.SceneCtrl[seq][scene] = clip.word;
    const auto levels = ctx.store.SceneStore.writableScene(seq, scene);
    std::copy_n(clip.levels.begin(), last - first + 1, levels.begin() + first);
    SetFulltimersMode(ctx);
    showSelectedSceneTime(ctx);
    refreshEditedSequence(ctx);
}

void CopySequenser(SequencerContext& ctx) {
    SequenceClip& clip = ctx.window.clips.sequence;
    const int seq = editedSeq(ctx);
    std::memcpy(clip.levels.data(), ctx.store.SceneStore.data() + sceneIndex(seq, 0),
                kSequenceBytes);
    clip.fromSeq = seq;
    clip.pasteEnabled = true;
    ctx.window.notify();
}

void PasteSequenser(SequencerContext& ctx) {
    const SequenceClip& clip = ctx.window.clips.sequence;
    if (!clip.pasteEnabled) return;
    SaveToUndo(ctx);
    const auto levels = ctx.store.SceneStore.writableSequence(editedSeq(ctx));
    std::copy(clip.levels.begin(), clip.levels.end(), levels.begin());
    refreshEditedSequence(ctx);
}

}  // namespace wl
