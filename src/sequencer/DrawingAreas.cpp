#include "sequencer/DrawingAreas.h"

#include <algorithm>

#include "sequencer/Influence.h"
#include "sequencer/LevelButtons.h"
#include "sequencer/Playback.h"
#include "sequencer/SceneDrawing.h"
#include "sequencer/SequencerWindowState.h"
#include "sequencer/Tempo.h"
#include "sequencer/Undo.h"

namespace wl {

namespace {

constexpr int kLampChannels = 3;
constexpr int kMaxDelta = 100;

// One drawing area of the edited sequence: where its cells lie in the store and what its pen
// writes.
class Area {
  public:
    Area(SequencerContext& ctx, DrawingArea kind)
        : ctx_(ctx),
          rgb_(kind == DrawingArea::Rgb),
          state_(rgb_ ? ctx.window.tools.rgbArea : ctx.window.tools.channelArea),
          seq_(editedSeq(ctx)) {}

    AreaToolState& state() { return state_; }
    bool rgb() const { return rgb_; }
    int seq() const { return seq_; }

    // The mouse's row: the RGB area takes it within its 512 pixels.
    AreaCell mouseCell(AreaCell cell) const {
        if (rgb_) cell.row = std::clamp(cell.row, 0, AreaToolState::kRows - 1);
        return cell;
    }
    int sceneOf(int column) const { return state_.firstScene + column; }
    // The first channel of a row: the channel itself, or the lamp's first channel; -1 above the
    // first lamp.
    int channelOf(int row) const {
        const int index = state_.firstRow + row;
        if (!rgb_) return index;
        return index < 0 ? -1 : lampFirstChannel(index);
    }
    bool linked(int row) const { return isLinked(ctx_.store, seq_, channelOf(row)); }

    // Paints one cell with the pen (or 0 when erasing); positions outside the sequence are skipped.
    void paint(int column, int row, bool erase) {
        const int scene = sceneOf(column);
        const int ch = channelOf(row);
        if (rgb_) {
            writeLamp(ctx_.store, seq_, scene, ch, erase ? Colour{} : ctx_.window.tools.penColour);
        } else {
            writeLevel(ctx_.store, seq_, scene, ch, erase ? 0 : penLevel(ctx_));
        }
    }

    // The stepped line in the pen, ending before a command scene, past scene 254 and at the
    // edges of the sequence.
    void line(AreaCell from, AreaCell to) {
        walkLine(from, to, [&](int column, int row) {
            const int ch = channelOf(row);
            if (!lineMayDraw(ctx_.store, seq_, sceneOf(column)) || ch < 0 || ch >= kSceneChannels) {
                return false;
            }
            paint(column, row, /*erase=*/false);
            return true;
        });
    }

    void rectangle(AreaCell a, AreaCell b) {
        for (int column = std::min(a.column, b.column); column <= std::max(a.column, b.column);
             ++column) {
            for (int row = std::min(a.row, b.row); row <= std::max(a.row, b.row); ++row) {
                paint(column, row, /*erase=*/false);
            }
        }
    }

    // The 45° lines and "Line DOWN" run as many rows as the sequence has linked channels (lamps
    // in the RGB area), plus one.
    int singleClickLength() const {
        const int linked = linkedChannelCount(ctx_.store, seq_);
        return (rgb_ ? linked / kLampChannels : linked) + 1;
    }

  private:
    SequencerContext& ctx_;
    bool rgb_;
    AreaToolState& state_;
    int seq_;
};

void feedPoints(AreaToolState& state, AreaCell cell) {
    if (state.pointState == 0) {
        state.firstPoint = state.secondPoint = cell;
        state.pointState = 1;
    } else if (state.pointState == 1) {
        state.secondPoint = cell;
        state.pointState = 2;
    }
}

// "Line Horizont" typed "Decline" or "Mount": from the first point's scene rightwards, the row's
// level starts at "PointStart" and moves by "Delta" after each scene.
void slopedLine(SequencerContext& ctx, Area& area) {
    const SceneToolState& tools = ctx.window.tools;
    const AreaCell from = area.state().firstPoint;
    const int ch = area.channelOf(from.row);
    const int step = tools.flatLine == FlatLineType::Decline ? -tools.Delta : tools.Delta;
    int level = tools.PointStart;
    for (int scene = area.sceneOf(from.column); lineMayDraw(ctx.store, area.seq(), scene);
         ++scene) {
        writeLevel(ctx.store, area.seq(), scene, ch, static_cast<std::uint8_t>(level));
        level = std::clamp(level + step, 0, 255);
    }
}

// "Line Horizont" typed "Evenly": a line to the right, one column longer than the number of
// timed scenes from the first point's column (within the area) to 255, ending by column 254.
void evenLine(SequencerContext& ctx, Area& area) {
    const AreaCell from = area.state().firstPoint;
    const auto& words = ctx.store.SceneCtrl[area.seq()];
    const int timed = static_cast<int>(std::count_if(
        words.begin() + std::clamp(from.column, 0, kSceneCount), words.end(), isTimeWord));
    area.line(from, {std::min(from.column + timed, kLastPatternScene), from.row});
}

// The tools that act on a single left press, after the press fed the figure state.
void singleClickTool(SequencerContext& ctx, Area& area, AreaCell cell) {
    AreaToolState& state = area.state();
    const AreaCell from = state.firstPoint;
    const int n = area.singleClickLength();
    switch (state.tool) {
        case DrawTool::SelectedLevel: {
            const int scene = area.sceneOf(cell.column);
            const int ch = area.channelOf(cell.row);
            if (!area.rgb() && insideSequence(scene, ch)) {
                pipetteLevel(ctx, ctx.store.SceneStore.level(area.seq(), scene, ch));
            }
            return;
        }
        case DrawTool::LineDown:
            if (area.rgb()) return;
            area.line(from, {from.column, from.row + n});
            break;
        case DrawTool::Line45Up:
            area.line(from, {from.column + n, from.row - n});
            break;
        case DrawTool::Line45Down:
            area.line(from, {from.column + n, from.row + n});
            break;
        case DrawTool::LineHorizont:
            if (area.rgb()) return;
            if (ctx.window.tools.flatLine == FlatLineType::Evenly) {
                evenLine(ctx, area);
            } else {
                slopedLine(ctx, area);
            }
            break;
        default:
            return;
    }
    state.pointState = 0;
}

void penPress(Area& area, AreaCell cell, MouseButton button) {
    AreaToolState& state = area.state();
    if (cell.row < 0 || cell.row >= AreaToolState::kRows) return;
    if (button == MouseButton::Left) {
        area.paint(cell.column, cell.row, /*erase=*/false);
        state.penDown = true;
        return;
    }
    state.eraseDown = true;
    if (!state.menuSwitch) area.paint(cell.column, cell.row, /*erase=*/true);
}

}  // namespace

void areaMouseDown(SequencerContext& ctx, DrawingArea kind, AreaCell cell, MouseButton button) {
    SaveToUndo(ctx);
    Area area(ctx, kind);
    cell = area.mouseCell(cell);
    AreaToolState& state = area.state();
    const int scene = area.sceneOf(cell.column);
    ctx.window.PopupScene = std::clamp(scene, 0, kSceneCount - 1);
    ctx.window.tools.popupChannel = std::clamp(area.channelOf(cell.row), 0, kSceneChannels - 1);
    if (!area.linked(cell.row)) {
        selectOrMarkScene(ctx, scene, button);
        return;
    }
    if (area.rgb() && button == MouseButton::Right) state.pointState = 0;
    if (state.tool == DrawTool::Pencil) {
        penPress(area, cell, button);
    } else if (button == MouseButton::Left || !area.rgb()) {
        feedPoints(state, cell);
    }
    if (button == MouseButton::Left) singleClickTool(ctx, area, cell);
    if (!area.rgb()) CountTabInfluence(ctx, area.seq());
    refreshEditedSequence(ctx);
}

void areaMouseMove(SequencerContext& ctx, DrawingArea kind, AreaCell cell) {
    Area area(ctx, kind);
    cell = area.mouseCell(cell);
    AreaToolState& state = area.state();
    if (state.penDown || state.eraseDown) {
        SaveToUndo(ctx);
        area.paint(cell.column, cell.row, /*erase=*/!state.penDown);
    }
    if (state.pointState == 1) {
        state.secondPoint = cell;
    } else if (state.pointState == 2 && state.tool == DrawTool::DrawLine) {
        area.line(state.firstPoint, state.secondPoint);
        state.pointState = 0;
    } else if (state.pointState == 2 && state.tool == DrawTool::PaintSquire) {
        area.rectangle(state.firstPoint, state.secondPoint);
        state.pointState = 0;
        if (area.rgb()) state.tool = DrawTool::Pencil;
    }
    outputSceneUnderMouse(ctx, area.sceneOf(cell.column), !area.rgb());
    ctx.window.notify();
}

void areaMouseUp(SequencerContext& ctx, DrawingArea kind) {
    AreaToolState& state = Area(ctx, kind).state();
    state.penDown = false;
    state.eraseDown = false;
}

void chooseTool(SequencerContext& ctx, DrawingArea kind, DrawTool tool) {
    Area(ctx, kind).state().tool = tool;
    ctx.window.notify();
}

void lineHorizontButton(SequencerContext& ctx, MouseButton button) {
    SceneToolState& tools = ctx.window.tools;
    if (button == MouseButton::Right) {
        tools.flatLinePanelShown = true;
    } else {
        tools.channelArea.tool = DrawTool::LineHorizont;
        tools.flatLinePanelShown = false;
    }
    ctx.window.notify();
}

void flatLineTypeChoose(SequencerContext& ctx, FlatLineType type) {
    ctx.window.tools.flatLine = type;
    ctx.window.notify();
}

void PointStartChange(SequencerContext& ctx, int level) {
    ctx.window.tools.PointStart = std::clamp(level, 0, 255);
    ctx.window.notify();
}

void DeltaChange(SequencerContext& ctx, int delta) {
    ctx.window.tools.Delta = std::clamp(delta, 1, kMaxDelta);
    ctx.window.notify();
}

std::string lineHorizontHint(const SequencerContext& ctx) {
    return "Line Horizontal\r\n" + PointStartLabel(ctx) + "\r\n" + DeltaLabel(ctx);
}

std::string PointStartLabel(const SequencerContext& ctx) {
    return "PointStart " + std::to_string(ctx.window.tools.PointStart);
}

std::string DeltaLabel(const SequencerContext& ctx) {
    return "Delta " + std::to_string(ctx.window.tools.Delta);
}

void colourSampleClick(SequencerContext& ctx, ColourSample sample) {
    static constexpr Colour kSamples[] = {
        {0, 0, 0},     {255, 0, 255}, {255, 255, 255}, {255, 0, 0},
        {255, 255, 0}, {0, 255, 0},   {0, 0, 255},     {0, 255, 255},
    };
    setPenColour(ctx, kSamples[static_cast<int>(sample)]);
}

void setPenColour(SequencerContext& ctx, Colour colour) {
    ctx.window.tools.penColour = colour;
    ctx.window.notify();
}

void erasePopupPoint(SequencerContext& ctx, DrawingArea kind) {
    Area area(ctx, kind);
    if (area.state().tool != DrawTool::Pencil) return;
    const int scene = ctx.window.PopupScene;
    const int ch = ctx.window.tools.popupChannel;
    if (area.rgb()) {
        writeLamp(ctx.store, area.seq(), scene, ch, Colour{});
    } else {
        writeLevel(ctx.store, area.seq(), scene, ch, 0);
    }
    ctx.window.notify();
}

void SetScenaHere(SequencerContext& ctx) {
    SequencerWindowState& window = ctx.window;
    window.CheckBoxEnableTempo = false;
    setCurScene(ctx.store, editedSeq(ctx), window.PopupScene);
    window.ScrollBarScenaRun = std::clamp(window.PopupScene, 0, kPlayableScenes - 1);
    SetFulltimersMode(ctx);
}

}  // namespace wl
