// How long the sequencer takes to change a scene, and whether 256 sequences keep their time.

#include <benchmark/benchmark.h>

#include <iostream>
#include <memory>

#include "app/HeadlessOperator.h"
#include "output/ChannelSpace.h"
#include "platform/Scheduler.h"
#include "platform/WallClock.h"
#include "sequencer/Playback.h"
#include "sequencer/SequenceTimers.h"
#include "sequencer/SequencerContext.h"
#include "sequencer/SequencerStore.h"
#include "sequencer/SequencerWindowState.h"
#include "storage/SettingsRecord.h"

namespace {

// The sequencer's parts as the program holds them, on a virtual-time scheduler.
struct Sequencer {
    std::unique_ptr<wl::SequencerStore> storeOwner = std::make_unique<wl::SequencerStore>();
    wl::SequencerStore& store = *storeOwner;
    wl::ChannelSpace channels;
    wl::SettingsRecord settings;
    wl::SequenceTimers timers;
    wl::SequencerWindowState window;
    wl::SystemWallClock clock;
    wl::HeadlessOperator op{std::cerr};
    wl::Scheduler scheduler;
    wl::SequencerContext ctx{store, channels, settings, timers, window, clock, op};

    Sequencer() {
        wl::ResetSequencerStore(store, /*programStart=*/true);
        timers.create(scheduler, [this](int seq) { wl::onSeqTimer(ctx, seq); });
        window.ScrollBarNombSeq = 255;
    }
};

// One scene change of a sequence driving every channel: the figure the output must stay under.
void BM_TimerToScenesAllLinked(benchmark::State& state) {
    Sequencer seq;
    const int s = 0;
    seq.store.LinkMask[s].fill(1);
    for (int scene = 0; scene < wl::kSceneCount; ++scene) {
        auto levels = seq.store.SceneStore.writableScene(s, scene);
        for (int ch = 0; ch < wl::kSceneChannels; ++ch) {
            levels[ch] = static_cast<std::uint8_t>(scene * 7 + ch);
        }
    }
    seq.store.InfLgtMode[s] = static_cast<std::uint8_t>(state.range(0));
    seq.store.SeqJob[s] = wl::kJobPlay;
    for (auto _ : state) {
        wl::TimerToScenes(seq.ctx, s, 0);
        benchmark::DoNotOptimize(seq.channels.SeqFrame.data());
    }
}
BENCHMARK(BM_TimerToScenesAllLinked)->ArgName("lights")->Arg(0)->Arg(1);

// A minute of 256 playing sequences at 50 ms scenes, 16 channels each, on the virtual clock. The
// counter `late` is the number of sequences not at the scene their times say (must be 0).
void BM_256SequencesOneMinute(benchmark::State& state) {
    constexpr int kMinuteMs = 60'000;
    constexpr int kSceneMs = 50;
    std::int64_t late = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto seq = std::make_unique<Sequencer>();
        for (int s = 0; s < wl::kSequenceCount; ++s) {
            seq->store.SceneCtrl[s].fill(kSceneMs);
            for (int ch = 0; ch < 16; ++ch) seq->store.LinkMask[s][(s * 16 + ch) % 4096] = 1;
            seq->timers.initTimer(s, kSceneMs);
            seq->store.SeqJob[s] = wl::kJobPlay;
        }
        state.ResumeTiming();

        seq->scheduler.advance(kMinuteMs);

        state.PauseTiming();
        for (int s = 0; s < wl::kSequenceCount; ++s) {
            if (seq->store.CurScene[s] != (kMinuteMs / kSceneMs) % wl::kPlayableScenes) ++late;
        }
        late += static_cast<std::int64_t>(seq->scheduler.totalOverruns());
        seq.reset();
        state.ResumeTiming();
    }
    state.counters["late"] = static_cast<double>(late);
    state.counters["steps"] =
        benchmark::Counter(static_cast<double>(wl::kSequenceCount) * (kMinuteMs / kSceneMs),
                           benchmark::Counter::kIsIterationInvariantRate);
    if (late != 0) state.SkipWithError("a sequence drifted from its scene times");
}
BENCHMARK(BM_256SequencesOneMinute)->Unit(benchmark::kMillisecond);

// The store reset after a show touched a page of every scene: pages are handed back, not written.
void BM_StoreResetAfterAShow(benchmark::State& state) {
    Sequencer seq;
    for (auto _ : state) {
        state.PauseTiming();
        for (int s = 0; s < wl::kSequenceCount; ++s) {
            for (int scene = 0; scene < wl::kSceneCount; scene += 16) {
                seq.store.SceneStore.setLevel(s, scene, 0, 1);
            }
        }
        state.ResumeTiming();
        wl::ResetSequencerStore(seq.store, /*programStart=*/false);
    }
}
BENCHMARK(BM_StoreResetAfterAShow)->Unit(benchmark::kMillisecond);

}  // namespace
