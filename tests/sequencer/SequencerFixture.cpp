#include "SequencerFixture.h"

#include <algorithm>

#include "sequencer/Playback.h"

namespace wl::test {

void SequencerTest::createTimers() {
    timers.create(scheduler, [this](int seq) { onSeqTimer(ctx, seq); });
    window.undo.createTimer(scheduler);
}

void SequencerTest::link(int seq, int first, int last) {
    std::fill(store.LinkMask[seq].begin() + first, store.LinkMask[seq].begin() + last + 1, 1);
}

void SequencerTest::markScenes(int seq) {
    for (int scene = 0; scene < kSceneCount; ++scene) {
        auto levels = store.SceneStore.writableScene(seq, scene);
        std::fill(levels.begin(), levels.end(), static_cast<std::uint8_t>(scene));
    }
}

void SequencerTest::play(int seq, int fromScene) {
    store.CurScene[seq] = static_cast<std::uint16_t>(fromScene);
    store.SeqJob[seq] = kJobPlay;
}

}  // namespace wl::test
