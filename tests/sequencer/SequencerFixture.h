#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "fakes/FakeOperator.h"
#include "fakes/FakeWallClock.h"
#include "output/ChannelSpace.h"
#include "platform/Scheduler.h"
#include "sequencer/SequenceTimers.h"
#include "sequencer/SequencerContext.h"
#include "sequencer/SequencerStore.h"
#include "sequencer/SequencerWindowState.h"
#include "storage/SettingsRecord.h"

namespace wl::test {

// The sequencer's parts after the start-up reset, on a virtual-time scheduler, with a fixed wall
// clock and a scripted operator. Timers (the sequence timers and the undo burst timer) exist only
// after `createTimers`.
class SequencerTest : public ::testing::Test {
  protected:
    SequencerTest() { ResetSequencerStore(store, /*programStart=*/true); }

    std::unique_ptr<SequencerStore> storeOwner = std::make_unique<SequencerStore>();
    SequencerStore& store = *storeOwner;
    ChannelSpace channels;
    SettingsRecord settings;
    SequenceTimers timers;
    SequencerWindowState window;
    FakeWallClock clock;
    FakeOperator op;
    Scheduler scheduler;
    SequencerContext ctx{store, channels, settings, timers, window, clock, op};
    void createTimers();
    // How many times the logic asked for an undo snapshot.
    int snapshots() const { return static_cast<int>(window.undo.snapshotRequests()); }

    void link(int seq, int first, int last);
    void setLevel(int seq, int scene, int ch, int level) {
        store.SceneStore.setLevel(seq, scene, ch, static_cast<std::uint8_t>(level));
    }
    // Every channel of every scene 0..255 holds its scene number, so a frame shows the scene.
    void markScenes(int seq);
    // The scene a marked sequence last wrote for channel index `ch`.
    int shownScene(int ch) const { return channels.SeqFrame[ch + 1]; }
    void play(int seq, int fromScene);
};

}  // namespace wl::test
