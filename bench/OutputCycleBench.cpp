// How long one output cycle takes on a full show: steps 2 to 17 of the cycle, without the USB
// and 3D links.

#include <benchmark/benchmark.h>

#include <array>
#include <memory>

#include "output/OutputCycle.h"
#include "storage/SettingsRecord.h"

namespace {

constexpr int kSequences = 256;
constexpr int kLinksPerSequence = 16;

// Eight universes of 50 spots, 100 pumps and 200 valves; every sequence playing on 16 channels;
// 64 effects acting; every option of the cycle on.
struct BusyShow {
    BusyShow() {
        settings.SettingsRec[18] = 7;
        for (int u = 0; u < wl::kUniverseCount; ++u) {
            settings.SettingsRec[101 + u] = 50;
            settings.SettingsRec[111 + u] = 100;
            settings.SettingsRec[121 + u] = 200;
        }
        wl::CountChannels(space, settings);
        settings.SettingsRec[65] = kSequences - 1;
        settings.SettingsRec[13] = 200;  // master jet
        for (int flag : {10, 41, 42, 43, 47, 60}) settings.SettingsFlags[flag] = 1;
        for (int x = 0; x < 4; ++x) settings.SettingsRec[49 + 5 * x] = 200 + x;
        switches.SwitchOn = {true, true, true, true};

        for (int seq = 0; seq < kSequences; ++seq) {
            SeqJob[seq] = 2;
            for (int i = 0; i < kLinksPerSequence; ++i) (*LinkMask)[seq][seq * 16 + i] = 1;
        }
        for (int n = 1; n <= wl::kChannelCount; ++n) {
            space.SeqFrame[n] = static_cast<std::uint8_t>(n * 7);
            space.InfluenceFrame[n] = static_cast<std::uint8_t>(128 + n % 128);
            space.ChannelMin[n] = 10;
            space.ChannelMax[n] = 240;
        }
        for (int k = 0; k < wl::kEffectCount; ++k) {
            effects.EffectType[k] = k % 2 == 0 ? wl::kEffectRate : wl::kEffectDecay;
            effects.EffectSeq[k] = static_cast<std::uint8_t>(4 * k);
            effects.EffectStart[k] = 0;
            effects.EffectFinish[k] = 1000;
            effects.EffectTime[k] = 4;
            effects.EffectLevel[k] = k % 3;
        }
        show.PlayTick = 500;
        cycle->statistics.CheckBoxTic = true;
        cycle->statistics.CheckBoxFps = true;
        cycle->column.rgDmxWiev = wl::DmxWiev::Hz;
    }

    wl::CycleSources sources() {
        return {space, settings, mode, {SeqJob, *LinkMask}, effects, show, switches, requests, {}};
    }

    std::unique_ptr<wl::ChannelSpace> spaceOwner = std::make_unique<wl::ChannelSpace>();
    wl::ChannelSpace& space = *spaceOwner;
    wl::SettingsRecord settings;
    std::array<std::uint8_t, kSequences> SeqJob{};
    std::unique_ptr<std::array<wl::LinkRow, kSequences>> LinkMask =
        std::make_unique<std::array<wl::LinkRow, kSequences>>();
    wl::EffectTable effects;
    wl::ShowPosition show;
    wl::SwitchState switches;
    wl::ShowRequests requests;
    std::uint8_t mode = 5;
    std::unique_ptr<wl::OutputCycle> cycle = std::make_unique<wl::OutputCycle>();
};

void runCycles(benchmark::State& state, BusyShow& show) {
    std::int64_t now = 0;
    for (auto _ : state) {
        const wl::CycleSources sources = show.sources();
        show.cycle->composeFrame(sources);
        show.cycle->finishCycle(sources, now += 10);
        benchmark::DoNotOptimize(show.space.UniverseBuf);
    }
}

// Min/max ranges only on the pumps ("Min Max Only For Punps").
void BM_OutputCycleFullShow(benchmark::State& state) {
    BusyShow show;
    show.settings.SettingsFlags[48] = 1;
    runCycles(state, show);
}
BENCHMARK(BM_OutputCycleFullShow);

// The same with every one of the 4096 channels swept through its own range.
void BM_OutputCycleEveryChannelRescaled(benchmark::State& state) {
    BusyShow show;
    runCycles(state, show);
}
BENCHMARK(BM_OutputCycleEveryChannelRescaled);

}  // namespace
