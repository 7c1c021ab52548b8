#include "sequencer/ScrollArea.h"

#include <algorithm>

#include "output/ChannelSpace.h"
#include "sequencer/ControlWords.h"
#include "sequencer/Playback.h"
#include "sequencer/SceneDrawing.h"
#include "sequencer/SequencerWindowState.h"
#include "sequencer/Tempo.h"
#include "sequencer/Undo.h"

namespace wl {

namespace {

constexpr int kLampChannels = 3;
constexpr int kMaxStartNomber = 511;
constexpr std::string_view kBlankName = "                ";

int pageScene(const SequencerContext& ctx) {
    return std::clamp(ctx.window.ScrollBarAreaScrScena, 0, kSceneCount - 1);
}

int rowChannel(const SequencerContext& ctx, int row) {
    return ctx.store.PosAreaScrl[editedSeq(ctx)] + row;
}

bool validRow(const SequencerContext& ctx, int row) {
    return row >= 0 && row < ScrollAreaState::kRows && rowChannel(ctx, row) < kSceneChannels;
}

ControlBar barOf(std::uint16_t word, ControlBar shown) {
    switch (word) {
        case kWordStopOff:
            return ControlBar::Yellow;
        case kWordStop:
            return ControlBar::Red;
        case kWordRetToCycle:
            return ControlBar::Green;
        case kWordRetToBegin:
            return ControlBar::Blue;
        default:
            return word <= kWordLastShownTime ? ControlBar::Hidden : shown;
    }
}

// The page's scene changed or its levels did: its word is shown, and a sequence in STOP outputs
// the scene at once.
void pageSceneChanged(SequencerContext& ctx) {
    SequencerWindowState& window = ctx.window;
    const int seq = editedSeq(ctx);
    const int scene = pageScene(ctx);
    const std::uint16_t word = ctx.store.SceneCtrl[seq][scene];
    window.scroll.sceneLabel = "Scene " + std::to_string(scene + 1);
    window.LabelWievDmxTempo = RePaintTemp(word, window.decimalSeparator);
    window.scroll.controlBar = barOf(word, window.scroll.controlBar);
    if (ctx.store.SeqJob[seq] == kJobStop) outputLinkedLevels(ctx, seq, scene);
    window.notify();
}

// The linked channels of the linked range, in order.
template <typename Action>
void forEachLinkedInRange(SequencerContext& ctx, Action action) {
    const int seq = editedSeq(ctx);
    const auto [first, last] = LinkedRange(ctx.store, seq);
    for (int ch = first; ch <= last; ++ch) {
        if (isLinked(ctx.store, seq, ch)) action(ch);
    }
}

}  // namespace

std::optional<ScrollAreaRow> scrollAreaRow(SequencerContext& ctx, int row) {
    if (!validRow(ctx, row)) return std::nullopt;
    const int seq = editedSeq(ctx);
    ScrollAreaRow shown;
    shown.ch = rowChannel(ctx, row);
    shown.label = ChannelLabel(shown.ch + 1);
    shown.name = ChannelName(ctx.store, shown.ch);
    const bool linked = isLinked(ctx.store, seq, shown.ch);
    shown.nameColour = linked ? kLinkedRowColour : kUnlinkedRowColour;
    shown.sliderShown = linked || ctx.window.scroll.AllScrollWiev;
    shown.level = ctx.store.SceneStore.level(seq, pageScene(ctx), shown.ch);
    return shown;
}

void scrollAreaFirstRowChange(SequencerContext& ctx, int ch) {
    ctx.store.PosAreaScrl[editedSeq(ctx)] =
        static_cast<std::uint16_t>(std::clamp(ch, 0, kSceneChannels - 1));
    ctx.window.notify();
}

void scrollAreaLevelChange(SequencerContext& ctx, int row, int level) {
    if (!validRow(ctx, row)) return;
    SaveToUndo(ctx);
    ctx.store.SceneStore.setLevel(editedSeq(ctx), pageScene(ctx), rowChannel(ctx, row),
                                  static_cast<std::uint8_t>(std::clamp(level, 0, 255)));
    pageSceneChanged(ctx);
}

void scrollAreaSetLinked(SequencerContext& ctx, int level) {
    SaveToUndo(ctx);
    const int seq = editedSeq(ctx);
    const auto value = static_cast<std::uint8_t>(std::clamp(level, 0, 255));
    const auto levels = ctx.store.SceneStore.writableScene(seq, pageScene(ctx));
    const auto& links = ctx.store.LinkMask[seq];
    for (int ch = 0; ch < kSceneChannels; ++ch) {
        if (links[ch] != 0) levels[ch] = value;
    }
    pageSceneChanged(ctx);
}

void ScrollBarAreaScrScenaChange(SequencerContext& ctx, int scene) {
    SequencerWindowState& window = ctx.window;
    scene = std::clamp(scene, 0, kSceneCount - 1);
    if (window.scroll.CarryToMainScene && ctx.store.SeqJob[editedSeq(ctx)] != kJobPlay) {
        ScrollBarScenaRunChange(ctx, scene);
    }
    window.ScrollBarAreaScrScena = scene;
    pageSceneChanged(ctx);
}

void takePositionFromAreaRgb(SequencerContext& ctx) {
    ctx.window.ScrollBarAreaScrScena = ctx.window.ScrollBarScenaRun;
    pageSceneChanged(ctx);
}

void EnableRecNameClick(SequencerContext& ctx, bool on, bool& ModeChanged) {
    ctx.window.scroll.EnableRecName = on;
    if (on) ModeChanged = true;
    ctx.window.notify();
}

void channelNameEdited(SequencerContext& ctx, int row, std::string_view text) {
    if (!ctx.window.scroll.EnableRecName || !validRow(ctx, row)) return;
    SetChannelName(ctx.store, rowChannel(ctx, row), text);
    ctx.window.notify();
}

std::string channelNameForEditing(SequencerContext& ctx, int row) {
    if (!validRow(ctx, row)) return {};
    std::string name = ChannelName(ctx.store, rowChannel(ctx, row));
    name.erase(name.find_last_not_of(' ') + 1);
    return name;
}

void ClearAllNamesOfSequenser(SequencerContext& ctx) {
    for (Name& name : ctx.store.ChannelNames) name.fill(' ');
    ctx.window.notify();
}

void ClearActiveSeqenserNames(SequencerContext& ctx) {
    forEachLinkedInRange(ctx, [&](int ch) { SetChannelName(ctx.store, ch, kBlankName); });
    ctx.window.notify();
}

void SetPreficsToDmxName(SequencerContext& ctx) {
    const ScrollAreaState& scroll = ctx.window.scroll;
    const int start = std::clamp(scroll.StartNomber, 0, kMaxStartNomber);
    const int perNumber = scroll.Spot ? kLampChannels : 1;
    int named = 0;
    forEachLinkedInRange(ctx, [&](int ch) {
        const std::string counter =
            scroll.IncludeDigit ? " " + std::to_string(start + named / perNumber) + " " : " ";
        SetChannelName(ctx.store, ch,
                       scroll.PreficsA + counter + scroll.PreficsB + std::string(25, ' '));
        ++named;
    });
    ctx.window.notify();
}

}  // namespace wl
