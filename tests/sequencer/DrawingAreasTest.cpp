#include "sequencer/DrawingAreas.h"

#include <array>
#include <utility>
#include <vector>

#include "SequencerFixture.h"
#include "sequencer/LevelButtons.h"
#include "sequencer/SceneDrawing.h"
#include "storage/SettingsDefaults.h"

namespace wl::test {
namespace {

class DrawingAreasTest : public SequencerTest {
  protected:
    static constexpr int kSeq = 4;
    static constexpr int kPen = 200;

    DrawingAreasTest() {
        ResetSettingsRecord(settings);
        settings.SettingsRec[kPenLevelSetting] = kPen;
        window.ScrollBarNombSeq = kSeq;
        window.ScrollBarSeqSpeed = 600;
        link(kSeq, 0, 31);
    }

    AreaToolState& channelTools() { return window.tools.channelArea; }
    AreaToolState& rgbTools() { return window.tools.rgbArea; }
    int level(int scene, int ch, int seq = kSeq) const {
        return store.SceneStore.level(seq, scene, ch);
    }
    void press(AreaCell cell, MouseButton button = MouseButton::Left,
               DrawingArea area = DrawingArea::Channels) {
        areaMouseDown(ctx, area, cell, button);
    }
    // A two-point figure of the channel area: two presses, then a move draws it.
    void figure(DrawTool tool, AreaCell from, AreaCell to) {
        chooseTool(ctx, DrawingArea::Channels, tool);
        press(from);
        press(to);
        areaMouseMove(ctx, DrawingArea::Channels, to);
    }
    // The cells of sequence kSeq that hold `value`, as (scene, channel).
    std::vector<std::pair<int, int>> cellsHolding(int value, int scenes = kSceneCount) const {
        std::vector<std::pair<int, int>> cells;
        for (int scene = 0; scene < scenes; ++scene) {
            for (int ch = 0; ch < kSceneChannels; ++ch) {
                if (level(scene, ch) == value) cells.emplace_back(scene, ch);
            }
        }
        return cells;
    }
    // Nothing was written into the sequences on either side of the edited one.
    void expectNeighboursUntouched() const {
        for (int seq : {kSeq - 1, kSeq + 1}) {
            for (int scene : {0, 1, 254, 255}) {
                for (int ch : {0, 1, 2, 4093, 4094, 4095}) {
                    EXPECT_EQ(level(scene, ch, seq), 0) << seq << " " << scene << " " << ch;
                }
            }
        }
    }
};

TEST_F(DrawingAreasTest, ALineEndsBeforeAStopScene) {
    channelTools().firstScene = 10;
    store.SceneCtrl[kSeq][14] = kWordStop;
    figure(DrawTool::DrawLine, {0, 0}, {8, 4});
    EXPECT_EQ(cellsHolding(kPen),
              (std::vector<std::pair<int, int>>{{10, 0}, {11, 0}, {12, 1}, {13, 1}}));
    EXPECT_EQ(channelTools().pointState, 0);
}

TEST_F(DrawingAreasTest, LinesRunInEveryDirection) {
    struct Case {
        AreaCell from, to;
        std::vector<std::pair<int, int>> cells;  // (scene, channel), sorted
    } cases[] = {
        {{5, 5}, {2, 5}, {{2, 5}, {3, 5}, {4, 5}, {5, 5}}},          // leftwards
        {{5, 5}, {5, 2}, {{5, 2}, {5, 3}, {5, 4}, {5, 5}}},          // upwards
        {{4, 4}, {1, 1}, {{1, 1}, {2, 2}, {3, 3}, {4, 4}}},          // left and up
        {{1, 4}, {3, 0}, {{1, 3}, {1, 4}, {2, 1}, {2, 2}, {3, 0}}},  // steep, right and up
    };
    for (const Case& c : cases) {
        ResetSequencerStore(store, false);
        link(kSeq, 0, 31);
        figure(DrawTool::DrawLine, c.from, c.to);
        EXPECT_EQ(cellsHolding(kPen, 16), c.cells)
            << c.from.column << "," << c.from.row << " to " << c.to.column << "," << c.to.row;
    }
}

TEST_F(DrawingAreasTest, APressOnAnUnlinkedRowSelectsTheSceneAndADragPaintsIt) {
    channelTools().firstScene = 20;
    press({3, 40});  // channel 40 is not linked
    EXPECT_EQ(store.CurScene[kSeq], 23);
    EXPECT_EQ(window.ScrollBarScenaRun, 23);
    EXPECT_FALSE(window.CheckBoxEnableTempo);
    EXPECT_TRUE(cellsHolding(kPen).empty());

    press({0, 0});
    areaMouseMove(ctx, DrawingArea::Channels, {1, 40});
    areaMouseUp(ctx, DrawingArea::Channels);
    areaMouseMove(ctx, DrawingArea::Channels, {2, 40});
    EXPECT_EQ(cellsHolding(kPen), (std::vector<std::pair<int, int>>{{20, 0}, {21, 40}}));
}

TEST_F(DrawingAreasTest, ARightPressOnAnUnlinkedRowTogglesTheLoopWord) {
    press({7, 40}, MouseButton::Right);
    EXPECT_EQ(store.SceneCtrl[kSeq][7], kWordRetToCycle);
    press({7, 40}, MouseButton::Right);
    EXPECT_EQ(store.SceneCtrl[kSeq][7], 600);
}

TEST_F(DrawingAreasTest, TheRightPencilErasesUnlessTheMenuSwitchIsDown) {
    setLevel(kSeq, 1, 1, 50);
    setLevel(kSeq, 2, 1, 50);
    press({1, 1}, MouseButton::Right);
    areaMouseUp(ctx, DrawingArea::Channels);
    channelTools().menuSwitch = true;
    press({2, 1}, MouseButton::Right);
    EXPECT_EQ(level(1, 1), 0);
    EXPECT_EQ(level(2, 1), 50);
}

// 45° lines and "Line DOWN" run as many rows as there are linked channels: here far past the
// last channel and scene 254. They end at the edge of the sequence.
TEST_F(DrawingAreasTest, SingleClickLinesEndAtTheEdgesOfTheSequence) {
    struct Case {
        DrawTool tool;
        int firstScene, firstRow;
        AreaCell press;
        std::pair<int, int> lastCell;  // the last (scene, channel) written
    } cases[] = {
        {DrawTool::Line45Down, 200, 4090, {0, 0}, {205, 4095}},
        {DrawTool::LineDown, 200, 4090, {0, 0}, {200, 4095}},
        {DrawTool::Line45Up, 250, 0, {0, 3}, {253, 0}},
        {DrawTool::Line45Down, 250, 10, {0, 0}, {254, 14}},
    };
    for (const Case& c : cases) {
        ResetSequencerStore(store, false);
        store.LinkMask[kSeq].fill(1);
        channelTools().firstScene = c.firstScene;
        channelTools().firstRow = c.firstRow;
        chooseTool(ctx, DrawingArea::Channels, c.tool);
        press(c.press);
        const auto cells = cellsHolding(kPen);
        ASSERT_FALSE(cells.empty());
        EXPECT_EQ(cells.back(), c.lastCell) << static_cast<int>(c.tool);
        EXPECT_EQ(channelTools().pointState, 0);
        expectNeighboursUntouched();
    }
}

TEST_F(DrawingAreasTest, LampsNearTheLastChannelAreCut) {
    store.LinkMask[kSeq].fill(1);
    window.tools.penColour = {11, 22, 33};
    rgbTools().firstRow = 1364;  // lamp 1364 starts at channel 4093, lamp 1365 at 4096
    press({0, 0}, MouseButton::Left, DrawingArea::Rgb);
    EXPECT_EQ(level(0, 4093), 11);
    EXPECT_EQ(level(0, 4094), 22);
    EXPECT_EQ(level(0, 4095), 33);
    areaMouseMove(ctx, DrawingArea::Rgb, {1, 1});
    EXPECT_EQ(level(1, 0), 0) << "a lamp beyond the channels writes nothing";
    expectNeighboursUntouched();
}

TEST_F(DrawingAreasTest, TheLampMap) {
    const std::pair<int, int> cases[] = {{0, 0},      {169, 507},   {170, 509},  {340, 1019},
                                         {341, 1024}, {511, 1534},  {512, 1536}, {682, 2046},
                                         {683, 2050}, {1365, 4096}, {2000, 4096}};
    for (const auto& [lamp, ch] : cases) EXPECT_EQ(lampFirstChannel(lamp), ch) << lamp;
}

TEST_F(DrawingAreasTest, DraggingOutsideTheGridNeverWritesOutsideTheSequence) {
    store.LinkMask[kSeq].fill(1);
    press({0, 0});
    for (AreaCell cell : {AreaCell{-5, -3}, AreaCell{40, 50}, AreaCell{300, 0}, AreaCell{0, 5000},
                          AreaCell{-1, 0}}) {
        areaMouseMove(ctx, DrawingArea::Channels, cell);
    }
    EXPECT_EQ(cellsHolding(kPen), (std::vector<std::pair<int, int>>{{0, 0}, {40, 50}}));
    expectNeighboursUntouched();

    press({0, 0}, MouseButton::Left, DrawingArea::Rgb);
    areaMouseMove(ctx, DrawingArea::Rgb, {2, -40});  // the row is held inside the area
    EXPECT_EQ(level(2, 0), 255);
    expectNeighboursUntouched();
}

TEST_F(DrawingAreasTest, RectanglesAreFilledAndCutAfterScene255) {
    figure(DrawTool::PaintSquire, {3, 3}, {1, 1});
    EXPECT_EQ(cellsHolding(kPen).size(), 9u);
    EXPECT_EQ(level(2, 2), kPen);

    ResetSequencerStore(store, false);
    link(kSeq, 0, 31);
    channelTools().firstScene = 250;
    store.SceneCtrl[kSeq][252] = kWordStop;  // a rectangle does not stop at commands
    figure(DrawTool::PaintSquire, {2, 0}, {8, 0});
    EXPECT_EQ(cellsHolding(kPen),
              (std::vector<std::pair<int, int>>{{252, 0}, {253, 0}, {254, 0}, {255, 0}}));
    expectNeighboursUntouched();
}

TEST_F(DrawingAreasTest, TheRgbRectangleFillsLampsAndReturnsToThePencil) {
    store.LinkMask[kSeq].fill(1);
    window.tools.penColour = {1, 2, 3};
    chooseTool(ctx, DrawingArea::Rgb, DrawTool::PaintSquire);
    press({0, 0}, MouseButton::Left, DrawingArea::Rgb);
    press({1, 1}, MouseButton::Left, DrawingArea::Rgb);
    areaMouseMove(ctx, DrawingArea::Rgb, {1, 1});
    for (int scene : {0, 1}) {
        for (int ch = 0; ch < 6; ++ch) EXPECT_EQ(level(scene, ch), ch % 3 + 1) << scene;
    }
    EXPECT_EQ(rgbTools().tool, DrawTool::Pencil);

    chooseTool(ctx, DrawingArea::Rgb, DrawTool::DrawLine);
    press({0, 0}, MouseButton::Left, DrawingArea::Rgb);
    press({0, 0}, MouseButton::Right, DrawingArea::Rgb);
    EXPECT_EQ(rgbTools().pointState, 0) << "a right press resets the figure";
}

TEST_F(DrawingAreasTest, TheHorizontalLineRunsFlatOrSloped) {
    store.SceneCtrl[kSeq][6] = kWordStop;
    chooseTool(ctx, DrawingArea::Channels, DrawTool::LineHorizont);
    PointStartChange(ctx, 100);
    DeltaChange(ctx, 30);
    flatLineTypeChoose(ctx, FlatLineType::Decline);
    press({0, 2});
    const std::array<int, 8> declined = {100, 70, 40, 10, 0, 0, 0, 0};
    for (int scene = 0; scene < 8; ++scene) EXPECT_EQ(level(scene, 2), declined[scene]) << scene;
    flatLineTypeChoose(ctx, FlatLineType::Mount);
    press({0, 3});
    EXPECT_EQ(level(5, 3), 250);
    EXPECT_EQ(lineHorizontHint(ctx), "Line Horizontal\r\nPointStart 100\r\nDelta 30");

    // Evenly: as long as the number of timed scenes from its column, through an ordinary line.
    store.SceneCtrl[kSeq].fill(kWordStop);
    for (int scene = 20; scene < 23; ++scene) store.SceneCtrl[kSeq][scene] = 500;
    flatLineTypeChoose(ctx, FlatLineType::Evenly);
    channelTools().firstScene = 20;
    press({0, 4});
    EXPECT_EQ(cellsHolding(kPen), (std::vector<std::pair<int, int>>{{20, 4}, {21, 4}, {22, 4}}));
}

TEST_F(DrawingAreasTest, ThePipetteSetsTheEditedLevelButtonAndTheNewPen) {
    setLevel(kSeq, 3, 3, 77);
    levelButtonEdit(ctx, 2);
    chooseTool(ctx, DrawingArea::Channels, DrawTool::SelectedLevel);
    press({3, 3});
    EXPECT_EQ(window.tools.setLevelSlider, 77);
    EXPECT_EQ(levelButtonLevel(ctx, 2), 77);
    EXPECT_EQ(levelButtonCaption(ctx, 2), "77");
    EXPECT_EQ(penLevel(ctx), 77);
    EXPECT_EQ(channelTools().tool, DrawTool::Pencil);
}

TEST_F(DrawingAreasTest, TheMenuItemsEraseThePointOfTheLastPress) {
    store.LinkMask[kSeq].fill(1);
    press({5, 6});
    areaMouseUp(ctx, DrawingArea::Channels);
    erasePopupPoint(ctx, DrawingArea::Channels);
    EXPECT_EQ(level(5, 6), 0);

    press({2, 1}, MouseButton::Left, DrawingArea::Rgb);  // the lamp at channels 3..5
    areaMouseUp(ctx, DrawingArea::Rgb);
    erasePopupPoint(ctx, DrawingArea::Rgb);
    EXPECT_TRUE(cellsHolding(255).empty());

    SetScenaHere(ctx);
    EXPECT_EQ(store.CurScene[kSeq], 2);
}

TEST_F(DrawingAreasTest, ASequenceInStopShowsTheSceneUnderTheMouse) {
    store.SeqJob[kSeq] = kJobStop;
    setLevel(kSeq, 9, 5, 123);
    areaMouseMove(ctx, DrawingArea::Channels, {9, 0});
    EXPECT_EQ(channels.SeqFrame[6], 123);
}

}  // namespace
}  // namespace wl::test
