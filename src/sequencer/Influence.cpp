#include "sequencer/Influence.h"

#include <algorithm>

#include "output/ChannelSpace.h"
#include "platform/Operator.h"
#include "sequencer/ControlWords.h"
#include "sequencer/SequencerStore.h"
#include "sequencer/SequencerWindowState.h"

namespace wl {

namespace {

constexpr int kOpenValveAbove = 15;
constexpr int kMaxValveCount = 256;
constexpr int kMaxInfluenceAddress = 512;
constexpr int kMaxLightAddress = 4090;
constexpr std::uint8_t kNoInfluence = 255;

struct ChannelSpan {
    int first;
    int last;
};

// The valves of a sequence: from its lowest linked channel in 1..4095 to one past its highest in
// 2..4095 (1 and 4094 when none is linked).
ChannelSpan valveSpan(const SequencerStore& store, int seq) {
    const auto& links = store.LinkMask[seq];
    ChannelSpan span{1, kSceneChannels - 2};
    for (int ch = 1; ch < kSceneChannels; ++ch) {
        if (links[ch] != 0) {
            span.first = ch;
            break;
        }
    }
    for (int ch = kSceneChannels - 1; ch >= 2; --ch) {
        if (links[ch] != 0) {
            span.last = ch + 1;
            break;
        }
    }
    return span;
}

int openValves(const SequencerStore& store, int seq, int scene, ChannelSpan span) {
    const auto levels = store.SceneStore.scene(seq, scene);
    // One past the highest linked channel may lie beyond the scene; it is never read.
    const int last = std::min(span.last, kSceneChannels - 1);
    int open = 0;
    for (int ch = span.first; ch <= last; ++ch) {
        if (levels[ch] > kOpenValveAbove) ++open;
    }
    return open;
}

void showInfluenceAddress(SequencerContext& ctx, int address) {
    LinkPageState& link = ctx.window.link;
    link.infToDmxSlider = address;
    if (address == 0) {
        link.infToDmxLabel = "OFF";
        link.infToDmxName.clear();
        return;
    }
    link.infToDmxLabel = paddedNumber(address, 3);
    link.infToDmxName = ChannelName(ctx.store, address - 1);
}

void showLightControls(SequencerContext& ctx, int seq) {
    LinkPageState& link = ctx.window.link;
    link.infLightChecked = ctx.store.InfLgtMode[seq] != 0;
    link.infLightLengthItem = ctx.store.InfLgtLeng[seq];
    link.infLightAddrSlider = ctx.store.InfLgtAddr[seq];
    link.infLightAddrLabel = ChannelLabel(link.infLightAddrSlider + 1);
}

void openLightGates(ChannelSpace& channels) {
    channels.LightFrame.fill(255);
}

}  // namespace

std::uint8_t influenceCount(int minPump, int openValves, int valveCount) {
    if (valveCount == 0) return 0;
    const int open = std::min(openValves, valveCount);
    if (open == 0) return 0;
    const int value = minPump + open * ((255 - minPump + valveCount) / valveCount);
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

int countInfluenceTable(SequencerStore& store, int seq) {
    const ChannelSpan span = valveSpan(store, seq);
    const int count = std::min(span.last - span.first + 1, kMaxValveCount);
    auto& table = store.InfluenceTable[seq];
    if (store.InfToDmx[seq] == 0) {
        table.fill(kNoInfluence);
        return count;
    }
    for (int scene = 0; scene < kSceneCount; ++scene) {
        table[scene] =
            influenceCount(store.InfMinPump[seq], openValves(store, seq, scene, span), count);
    }
    return count;
}

void CountTabInfluence(SequencerContext& ctx, int seq) {
    const int count = countInfluenceTable(ctx.store, seq);
    ctx.window.link.influenceCaption = "Influence " + std::to_string(count) + " Valve by Pump";
}

void loadInfluenceControls(SequencerContext& ctx) {
    const int seq = editedSeq(ctx);
    showInfluenceAddress(ctx, ctx.store.InfToDmx[seq]);
    ctx.window.link.infMinPumpSlider = ctx.store.InfMinPump[seq];
    ctx.window.link.infMinPumpLabel = std::to_string(ctx.store.InfMinPump[seq]);
    showLightControls(ctx, seq);
}

void ScrollBarInfToDmxChange(SequencerContext& ctx, int address) {
    address = std::clamp(address, 0, kMaxInfluenceAddress);
    ctx.store.InfToDmx[editedSeq(ctx)] = static_cast<std::uint16_t>(address);
    showInfluenceAddress(ctx, address);
    CountTabInfluence(ctx, editedSeq(ctx));
    ctx.window.notify();
}

void ScrollBarInfMinPumpChange(SequencerContext& ctx, int minPump) {
    minPump = std::clamp(minPump, 0, 255);
    ctx.store.InfMinPump[editedSeq(ctx)] = static_cast<std::uint8_t>(minPump);
    ctx.window.link.infMinPumpSlider = minPump;
    ctx.window.link.infMinPumpLabel = std::to_string(minPump);
    CountTabInfluence(ctx, editedSeq(ctx));
    ctx.window.notify();
}

void pumpOnClick(SequencerContext& ctx) {
    const int address = ctx.store.InfToDmx[editedSeq(ctx)];
    if (address > kChannelCount) return;
    ctx.channels.SeqFrame[address] = 255;
    ctx.channels.FirstFrame[address] = 255;
}

void clearValveTables(SequencerContext& ctx) {
    SequencerStore& store = ctx.store;
    store.InfToDmx.fill(0);
    store.InfMinPump.fill(0);
    for (auto& table : store.InfluenceTable) table.fill(kNoInfluence);
    loadInfluenceControls(ctx);
    ctx.window.notify();
}

void lightInfluenceClick(SequencerContext& ctx, bool on) {
    ctx.store.InfLgtMode[editedSeq(ctx)] = on ? 1 : 0;
    ctx.window.link.infLightChecked = on;
    if (!on) openLightGates(ctx.channels);
    ctx.window.notify();
}

void ScrollBarInfLgtAddrChange(SequencerContext& ctx, int address) {
    address = std::clamp(address, 0, kMaxLightAddress);
    ctx.store.InfLgtAddr[editedSeq(ctx)] = static_cast<std::uint16_t>(address);
    showLightControls(ctx, editedSeq(ctx));
    ctx.window.notify();
}

void lightLengthChoose(SequencerContext& ctx, int item) {
    ctx.store.InfLgtLeng[editedSeq(ctx)] = static_cast<std::uint8_t>(std::clamp(item, 0, 3));
    showLightControls(ctx, editedSeq(ctx));
    ctx.window.notify();
}

void clearLightTables(SequencerContext& ctx) {
    openLightGates(ctx.channels);
    resetLightInfluence(ctx.store);
    showLightControls(ctx, editedSeq(ctx));
    ctx.window.notify();
}

}  // namespace wl
