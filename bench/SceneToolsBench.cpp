// How long a pen stroke of the sequencer window takes inside the engine: the first stroke of a
// burst of edits, which takes the undo snapshot, and a later stroke of the same burst. The counter
// `undo_bytes` is what the snapshot set aside for the stroked sequence.

#include <benchmark/benchmark.h>

#include <iostream>
#include <memory>

#include "app/HeadlessOperator.h"
#include "output/ChannelSpace.h"
#include "platform/Scheduler.h"
#include "platform/WallClock.h"
#include "sequencer/DrawingAreas.h"
#include "sequencer/LevelButtons.h"
#include "sequencer/Playback.h"
#include "sequencer/SequenceTimers.h"
#include "sequencer/SequencerContext.h"
#include "sequencer/SequencerStore.h"
#include "sequencer/SequencerWindowState.h"
#include "storage/SettingsRecord.h"

namespace {

constexpr int kBurstEndMs = wl::SequencerUndo::kBurstMs + 1;

// The sequencer's parts as the program holds them, every sequence holding levels (a full show),
// the edited one with 32 linked channels.
struct Editor {
    std::unique_ptr<wl::SequencerStore> storeOwner = std::make_unique<wl::SequencerStore>();
    wl::SequencerStore& store = *storeOwner;
    wl::ChannelSpace channels;
    wl::SettingsRecord settings;
    wl::SequenceTimers timers;
    std::unique_ptr<wl::SequencerWindowState> window = std::make_unique<wl::SequencerWindowState>();
    wl::SystemWallClock clock;
    wl::HeadlessOperator op{std::cerr};
    wl::Scheduler scheduler;
    wl::SequencerContext ctx{store, channels, settings, timers, *window, clock, op};

    Editor() {
        wl::ResetSequencerStore(store, /*programStart=*/true);
        for (int seq = 0; seq < wl::kSequenceCount; ++seq) {
            const auto levels = store.SceneStore.writableSequence(seq);
            std::fill(levels.begin(), levels.end(), static_cast<std::uint8_t>(seq));
        }
        timers.create(scheduler, [this](int seq) { wl::onSeqTimer(ctx, seq); });
        window->undo.createTimer(scheduler);
        settings.SettingsRec[wl::kPenLevelSetting] = 255;
    }

    // Makes `seq` the edited sequence, linked on the channel area's rows.
    void edit(int seq) {
        window->ScrollBarNombSeq = seq;
        std::fill(store.LinkMask[seq].begin(), store.LinkMask[seq].begin() + 32, 1);
    }
    void press(int column) {
        wl::areaMouseDown(ctx, wl::DrawingArea::Channels, {column, 5}, wl::MouseButton::Left);
    }
};

// `fresh` 1: a new program, whose undo memory is touched for the first time; 0: a program that
// has taken snapshots before. Each stroke goes to another sequence, so each sets one aside.
void BM_FirstStrokeOfBurstPen(benchmark::State& state) {
    const bool fresh = state.range(0) != 0;
    auto editor = std::make_unique<Editor>();
    int seq = 0;
    std::size_t undoBytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (fresh) {
            editor.reset();
            editor = std::make_unique<Editor>();
        }
        editor->scheduler.advance(kBurstEndMs);
        seq = (seq + 1) % wl::kSequenceCount;
        editor->edit(seq);
        state.ResumeTiming();

        editor->press(seq % 32);

        state.PauseTiming();
        wl::areaMouseUp(editor->ctx, wl::DrawingArea::Channels);
        undoBytes = editor->store.SceneStore.snapshotBytes();
        state.ResumeTiming();
    }
    state.counters["undo_bytes"] = static_cast<double>(undoBytes);
}
BENCHMARK(BM_FirstStrokeOfBurstPen)
    ->ArgName("fresh")
    ->Arg(0)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(200);
BENCHMARK(BM_FirstStrokeOfBurstPen)
    ->ArgName("fresh")
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(20);

// Another stroke of the same burst (a press, so the influence table and the window texts are
// worked out again too): the snapshot only goes on.
void BM_LaterStrokeOfBurstPen(benchmark::State& state) {
    Editor editor;
    editor.edit(3);
    editor.press(0);
    int column = 0;
    for (auto _ : state) {
        column = (column + 1) % 32;
        editor.press(column);
        wl::areaMouseUp(editor.ctx, wl::DrawingArea::Channels);
    }
    state.counters["undo_bytes"] = static_cast<double>(editor.store.SceneStore.snapshotBytes());
}
BENCHMARK(BM_LaterStrokeOfBurstPen)->Unit(benchmark::kMicrosecond);

}  // namespace
