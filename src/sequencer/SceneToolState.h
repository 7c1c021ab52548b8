#pragma once

#include <cstdint>
#include <random>

#include "output/MouseButton.h"

namespace wl {

// The drawing tools of the channel and RGB areas. The RGB area offers the pencil, the line, the
// rectangle and the two 45° lines.
enum class DrawTool {
    Pencil,         // "Pencil"
    DrawLine,       // "Draw line"
    PaintSquire,    // "Paint Squire": a filled rectangle
    Line45Up,       // "Line under 45 gr to the border of the Pattern", upwards
    Line45Down,     // the same, downwards
    LineDown,       // "Line DOWN"
    LineHorizont,   // "Line Horizont"
    SelectedLevel,  // "Selected level": the pipette
};

// A cell of an area as the mouse finds it: column and row counted from the area's top left, without
// the scroll offsets. During a drag it may lie outside the area.
struct AreaCell {
    int column = 0;
    int row = 0;
};

// "Mode Aflat Line ": how "Line Horizont" draws.
enum class FlatLineType { Evenly, Decline, Mount };

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// One drawing area (channels or lamps by scenes) with its tool, its two-point figure state and its
// drag flags.
struct AreaToolState {
    static constexpr int kRows = 32;  // 512 pixels of 16

    DrawTool tool = DrawTool::Pencil;
    int firstScene = 0;  // first visible scene: ScrollBarSeqKLapan / ScrollBarSeqVisual
    int firstRow = 0;    // first visible channel or lamp: ScrollBarKlapanPos / ScrollBarSpotPos
    int pointState = 0;  // 0 idle, 1 first point set, 2 second point set
    AreaCell firstPoint;
    AreaCell secondPoint;
    bool penDown = false;
    bool eraseDown = false;
    // The area's menu switch (`SpeedButtonPopurValve` of the channel area): while it is down a
    // right click opens the context menu instead of erasing.
    bool menuSwitch = false;
};

// The options of "The Creator of Figures for Patterns".
struct CreatorOptions {
    static constexpr int kMaxLines = 100;

    bool shown = false;
    bool fromChannelArea = true;  // "Drawing Line 45" is offered only from the channel area
    bool MergePatterns = false;   // "Merge Patterns"
    bool SetLine = true;          // "Set Line": a loop word after the diagonal
    bool DontCrossLine = true;    // "Don't Cross Line"
    int NombersOfLines = 4;       // "Nombers of Lines", 1..100
    int CoutOfAcsel = 1;          // "Cout of Acsel", 1..16
    bool coutOfAcselEnabled = false;
};

// What the scene editing tools work with beside the tables: the areas, the pen colour, the line
// and creator options and the level-edit panel. The pen level and the six remembered levels live
// in the settings record.
//
// Thread: the engine. Plain data.
struct SceneToolState {
    AreaToolState channelArea;
    AreaToolState rgbArea;
    Colour penColour{255, 255, 255};  // `shpColor`
    int popupChannel = 0;             // channel (or a lamp's first channel) of the last press

    FlatLineType flatLine = FlatLineType::Evenly;
    int PointStart = 255;  // 0..255
    int Delta = 10;        // 1..100
    bool flatLinePanelShown = false;

    int levelEditTarget = 0;  // the level button (1..6) the "Set Level " panel edits, 0 = none
    int markedLevelButton = 0;
    int setLevelSlider = 0;  // the "Set Level " panel's slider
    bool setLevelPanelShown = false;

    CreatorOptions creator;
    std::minstd_rand random{20210};  // the random figure's dots
};

}  // namespace wl
