#include "sequencer/Playback.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

#include "output/ChannelSpace.h"
#include "platform/WallClock.h"
#include "sequencer/SequenceTimers.h"
#include "sequencer/SequencerStore.h"
#include "sequencer/SequencerWindowState.h"

namespace wl {

namespace {

constexpr int kParalellIntervalMs = 50;
constexpr int kSecondIntervalMs = 50;
constexpr int kMinuteIntervalMs = 500;
constexpr int kHourIntervalMs = 1000;
constexpr std::uint16_t kLabelIntervalMs = 10;
constexpr int kLightFirstLimit = 4000;
constexpr int kLightOnAbove = 127;
constexpr int kChannelsPerLight = 3;

bool isEdited(const SequencerContext& ctx, int seq) {
    return editedSeq(ctx) == seq;
}

// " Scena 05 ", " Sec 59 " …: short enough to stay in the string's own buffer.
void setSynhroCaption(SequencerWindowState& window, const char* unit, int number) {
    char caption[16];
    const int length = std::snprintf(caption, sizeof caption, " %s %02d ", unit, number);
    window.grpSeqSynhro.assign(caption, static_cast<std::size_t>(length));
}

// The scene the control word of the new scene leads to; commands 0 and 1 change the run mode.
int actOnWord(SequencerContext& ctx, int seq, int scene, std::uint16_t forcedInterval) {
    SequencerStore& store = ctx.store;
    const auto& words = store.SceneCtrl[seq];
    const std::uint16_t word = words[scene];
    switch (word) {
        case kWordStopOff:
            setSeqJob(ctx, seq, kJobOff);
            return scene;
        case kWordStop:
            setSeqJob(ctx, seq, kJobStop);
            return scene;
        case kWordRetToCycle:
            for (int k = scene - 1; k >= 0; --k) {
                if (isBoundaryWord(words[k])) return k + 1;
            }
            return scene;
        case kWordRetToBegin:
            return 0;
        default:
            break;
    }
    if (forcedInterval != 0) {
        ctx.timers.keepInterval(seq, forcedInterval);
    } else if (word > kWordFirstBoundless) {
        ctx.timers.keepInterval(seq, word);
    }
    return scene;
}

// Each linked channel (a valve) of the scene switches the next light of three channels: on above
// 127, off otherwise. Lights that would lie beyond the frame are not written.
void switchLights(SequencerContext& ctx, int seq, int scene) {
    const auto& links = ctx.store.LinkMask[seq];
    const auto levels = std::as_const(ctx.store.SceneStore).scene(seq, scene);
    Frame& lights = ctx.channels.LightFrame;
    int light = std::clamp(ctx.store.InfLgtAddr[seq] + 1, 0, kLightFirstLimit);
    int ch = 0;
    // Whole lights while the frame has room for them, then the part of the last one that fits.
    for (; ch < kSceneChannels && light + kChannelsPerLight - 1 <= kChannelCount; ++ch) {
        if (links[ch] == 0) continue;
        const std::uint8_t gate = levels[ch] > kLightOnAbove ? 255 : 0;
        lights[light] = lights[light + 1] = lights[light + 2] = gate;
        light += kChannelsPerLight;
    }
    for (; ch < kSceneChannels && light <= kChannelCount; ++ch) {
        if (links[ch] == 0) continue;
        std::fill(lights.begin() + light, lights.end(), levels[ch] > kLightOnAbove ? 255 : 0);
        return;
    }
}

}  // namespace

void publishInfluence(SequencerContext& ctx, int seq, int scene) {
    const int slot = ctx.store.InfToDmx[seq];
    // A loaded file may hold any address; only slots of the frame can be written.
    if (slot > kChannelCount) return;
    ctx.channels.InfluenceFrame[slot] = ctx.store.InfluenceTable[seq][scene];
}

void outputLinkedLevels(SequencerContext& ctx, int seq, int scene) {
    const std::uint8_t* links = ctx.store.LinkMask[seq].data();
    const std::uint8_t* levels = std::as_const(ctx.store.SceneStore).scene(seq, scene).data();
    std::uint8_t* out = ctx.channels.SeqFrame.data() + 1;
    // A bit blend into a local block instead of a branch per channel: with nothing aliasing the
    // block, the compiler works on whole vectors of channels.
    constexpr int kBlock = 64;
    for (int base = 0; base < kSceneChannels; base += kBlock) {
        std::uint8_t block[kBlock];
        for (int k = 0; k < kBlock; ++k) {
            const auto keep = static_cast<std::uint8_t>((links[base + k] != 0) - 1);  // unlinked
            block[k] =
                static_cast<std::uint8_t>((levels[base + k] & ~keep) | (out[base + k] & keep));
        }
        std::memcpy(out + base, block, kBlock);
    }
}

void TimerToScenes(SequencerContext& ctx, int seq, std::uint16_t forcedInterval) {
    SequencerStore& store = ctx.store;
    int scene = store.CurScene[seq] + 1;
    if (scene >= kPlayableScenes) scene = 0;
    scene = actOnWord(ctx, seq, scene, forcedInterval);
    store.CurScene[seq] = static_cast<std::uint16_t>(scene);
    publishInfluence(ctx, seq, scene);
    outputLinkedLevels(ctx, seq, scene);
    if (store.InfLgtMode[seq] != 0 && store.SeqJob[seq] == kJobPlay) switchLights(ctx, seq, scene);
}

void NewScenaSeq(SequencerContext& ctx, int seq) {
    SequencerStore& store = ctx.store;
    switch (store.SeqSource[seq]) {
        case kSourceParalell:
            // The source's scene comes from a table other code writes; it never leaves the store.
            outputLinkedLevels(
                ctx, seq, std::min<int>(store.CurScene[store.SeqSourceSeq[seq]], kSceneCount - 1));
            ctx.timers.keepInterval(seq, kParalellIntervalMs);
            break;
        case kSourceLabel:
            if (store.LabelPending[seq] == 0) return;
            if (store.LabelCount[seq] < store.SeqDivider[seq]) {
                ++store.LabelCount[seq];
                break;
            }
            store.LabelPending[seq] = 0;
            store.LabelCount[seq] = 0;
            TimerToScenes(ctx, seq, kLabelIntervalMs);
            break;
        case kSourceTempo:
        case kSourceSynhro:
        case kSourceLevel:
            TimerToScenes(ctx, seq, 0);
            break;
        default:
            return;
    }
    if (!isEdited(ctx, seq)) return;
    setSynhroCaption(ctx.window, "Scena", store.CurScene[seq] + 1);
    ctx.window.ScrollBarScenaRun = store.CurScene[seq];
    ctx.window.notify();
}

void NewScenaTime(SequencerContext& ctx, int seq) {
    const LocalTime time = ctx.clock.now();
    int scene = 0;
    switch (ctx.store.SeqSource[seq]) {
        case kSourceSecond:
            scene = std::clamp(time.second, 0, 59);  // a leap second shows as 59
            ctx.timers.keepInterval(seq, kSecondIntervalMs);
            break;
        case kSourceMinute:
            scene = std::clamp(time.minute, 0, 59);
            ctx.timers.keepInterval(seq, kMinuteIntervalMs);
            break;
        case kSourceHour:
            scene = std::clamp(time.hour, 0, 23);
            ctx.timers.keepInterval(seq, kHourIntervalMs);
            break;
        default:
            return;
    }
    outputLinkedLevels(ctx, seq, scene);
    if (!isEdited(ctx, seq)) return;
    static constexpr const char* kUnits[] = {"Sec", "Min", "Hour"};
    setSynhroCaption(ctx.window, kUnits[ctx.store.SeqSource[seq] - kSourceSecond], scene);
    ctx.store.CurScene[seq] = static_cast<std::uint16_t>(scene);
    ctx.window.ScrollBarScenaRun = scene;
    ctx.window.notify();
}

void onSeqTimer(SequencerContext& ctx, int seq) {
    if (ctx.store.SeqJob[seq] != kJobPlay) return;
    switch (ctx.store.SeqSource[seq]) {
        case kSourceSecond:
        case kSourceMinute:
        case kSourceHour:
            NewScenaTime(ctx, seq);
            break;
        default:
            NewScenaSeq(ctx, seq);
            break;
    }
}

void setSeqJob(SequencerContext& ctx, int seq, std::uint8_t job) {
    job = std::min(job, kJobPlay);
    ctx.store.SeqJob[seq] = job;
    if (!isEdited(ctx, seq)) return;
    ctx.window.rgSeqJob = job;
    ctx.window.notify();
}

void setCurScene(SequencerStore& store, int seq, int scene) {
    store.CurScene[seq] = static_cast<std::uint16_t>(std::clamp(scene, 0, kPlayableScenes - 1));
}

void raiseLabelPending(SequencerStore& store) {
    store.LabelPending.fill(1);
}

}  // namespace wl
