#include "sequencer/LibraryPage.h"

#include <algorithm>
#include <string>
#include <utility>

#include "output/ChannelSpace.h"
#include "sequencer/SequencerStore.h"
#include "sequencer/SequencerWindowState.h"

namespace wl {

void ScrollBarScenaXYChange(SequencerContext& ctx, int scene) {
    scene = std::clamp(scene, 0, kSceneCount - 1);
    const int seq = editedSeq(ctx);
    ctx.window.link.ScrollBarScenaXY = scene;
    ctx.window.link.libSceneLabel = "Scena " + std::to_string(scene + 1);
    const auto& links = ctx.store.LinkMask[seq];
    const auto levels = std::as_const(ctx.store.SceneStore).scene(seq, scene);
    for (int ch = 0; ch < kLibraryChannels; ++ch) {
        if (links[ch] != 0) ctx.channels.SeqFrame[ch + 1] = levels[ch];
    }
    ctx.window.notify();
}

void cureClick(SequencerContext& ctx) {
    auto& links = ctx.store.LinkMask[editedSeq(ctx)];
    std::fill(links.begin(), links.begin() + kLibraryChannels, 1);
    ++ctx.store.LinkEdits;
    ctx.window.notify();
}

void copyPreviousSceneClick(SequencerContext& ctx) {
    const int scene = ctx.window.link.ScrollBarScenaXY;
    if (scene <= 0) return;
    const int seq = editedSeq(ctx);
    const auto& links = ctx.store.LinkMask[seq];
    const auto previous = ctx.store.SceneStore.scene(seq, scene - 1);
    const auto current = ctx.store.SceneStore.writableScene(seq, scene);
    for (int ch = 0; ch < kLibraryChannels; ++ch) {
        if (links[ch] != 0) current[ch] = previous[ch];
    }
    ctx.window.notify();
}

void libraryTabChange(SequencerContext& ctx, int page) {
    ctx.store.LibPage[editedSeq(ctx)] = static_cast<std::uint8_t>(std::clamp(page, 0, 255));
}

}  // namespace wl
