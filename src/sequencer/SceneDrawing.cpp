#include "sequencer/SceneDrawing.h"

#include "sequencer/Playback.h"
#include "sequencer/SequencerWindowState.h"
#include "sequencer/Tempo.h"

namespace wl {

namespace {

constexpr int kLampChannels = 3;

}  // namespace

void writeLevel(SequencerStore& store, int seq, int scene, int ch, std::uint8_t level) {
    if (insideSequence(scene, ch)) store.SceneStore.setLevel(seq, scene, ch, level);
}

void writeLamp(SequencerStore& store, int seq, int scene, int ch, Colour colour) {
    const std::uint8_t parts[kLampChannels] = {colour.red, colour.green, colour.blue};
    for (int part = 0; part < kLampChannels; ++part) {
        writeLevel(store, seq, scene, ch + part, parts[part]);
    }
}

int lampFirstChannel(int lamp) {
    const int b = kLampChannels * lamp;
    int ch = b;
    if (b >= 2048) {
        ch = b + 1;
    } else if (b >= 1536) {
        ch = b;
    } else if (b >= 1023) {
        ch = b + 1;
    } else if (b >= 510) {
        ch = b - 1;
    }
    return std::clamp(ch, 0, kSceneChannels);
}

bool isLinked(const SequencerStore& store, int seq, int ch) {
    return ch >= 0 && ch < kSceneChannels && store.LinkMask[seq][ch] != 0;
}

int linkedChannelCount(const SequencerStore& store, int seq) {
    const auto& links = store.LinkMask[seq];
    return static_cast<int>(
        std::count_if(links.begin(), links.end(), [](std::uint8_t link) { return link != 0; }));
}

bool hasLinkedChannels(const SequencerStore& store, int seq) {
    const auto& links = store.LinkMask[seq];
    return std::any_of(links.begin(), links.end(), [](std::uint8_t link) { return link != 0; });
}

SceneRange toolPattern(const SequencerStore& store) {
    return {std::min<int>(store.PatternFirst, kLastPatternScene),
            std::min<int>(store.PatternLast, kSceneCount - 1)};
}

bool lineMayDraw(const SequencerStore& store, int seq, int scene) {
    return scene >= 0 && scene <= kLastPatternScene && isTimeWord(store.SceneCtrl[seq][scene]);
}

void selectOrMarkScene(SequencerContext& ctx, int scene, MouseButton button) {
    SequencerWindowState& window = ctx.window;
    const int seq = editedSeq(ctx);
    window.CheckBoxEnableTempo = false;
    if (button == MouseButton::Right) {
        if (scene < 0 || scene >= kSceneCount) return;
        std::uint16_t& word = ctx.store.SceneCtrl[seq][scene];
        word = isTimeWord(word) ? kWordRetToCycle
                                : static_cast<std::uint16_t>(window.ScrollBarSeqSpeed);
        refreshEditedSequence(ctx);
        return;
    }
    setCurScene(ctx.store, seq, scene);
    window.ScrollBarScenaRun = std::clamp(scene, 0, kPlayableScenes - 1);
    if (window.carryFromMainScene) window.ScrollBarAreaScrScena = window.ScrollBarScenaRun;
    SetFulltimersMode(ctx);
    showSelectedSceneTime(ctx);
    refreshEditedSequence(ctx);
}

}  // namespace wl
