#pragma once

#include <string>

#include "sequencer/SceneToolState.h"
#include "sequencer/SequencerContext.h"

namespace wl {

// The two drawing areas of the sequencer window as operations of the logic: the channel area
// ("Area Channel", one channel per row) and the RGB area ("Area RGB", one lamp of three channels
// per row), one scene per column. The window maps its mouse events to area cells and calls these;
// every write stays inside the edited sequence, whatever the cell.
//
// Thread: the engine. Allocates only the window texts.

enum class DrawingArea { Channels, Rgb };

// A press: it takes an undo snapshot first. On a row not linked to the sequence it selects the
// scene (left) or toggles the scene's loop word (right). Otherwise the pencil paints the cell
// (left: pen level or colour; right: erases, unless the area's menu switch is down) and the other
// tools take the cell as a point of their figure; the single-click lines, the pipette and the
// horizontal line then draw at once. The channel area then recomputes the sequence's influence.
void areaMouseDown(SequencerContext& ctx, DrawingArea area, AreaCell cell, MouseButton button);
// A move: a pressed pencil paints or erases the cell under the mouse (linked or not, after an
// undo snapshot); the figure's second point follows, and a figure whose two points are set is
// drawn. A sequence in STOP outputs the scene under the mouse.
void areaMouseMove(SequencerContext& ctx, DrawingArea area, AreaCell cell);
void areaMouseUp(SequencerContext& ctx, DrawingArea area);
// A tool button; the figure state stays as it was.
void chooseTool(SequencerContext& ctx, DrawingArea area, DrawTool tool);

// "Line Horizont" with the right button opens the "Mode Aflat Line " panel, with the left button
// chooses the tool and closes it.
void lineHorizontButton(SequencerContext& ctx, MouseButton button);
void flatLineTypeChoose(SequencerContext& ctx, FlatLineType type);
void PointStartChange(SequencerContext& ctx, int level);  // 0..255
void DeltaChange(SequencerContext& ctx, int delta);       // 1..100
// "Line Horizontal\r\nPointStart 255\r\nDelta 10"; the panel's labels "PointStart 255", "Delta 10".
std::string lineHorizontHint(const SequencerContext& ctx);
std::string PointStartLabel(const SequencerContext& ctx);
std::string DeltaLabel(const SequencerContext& ctx);

// The colour samples `shpBl`, `shpV`, `shpW`, `shpR`, `shpY`, `shpG`, `shpB`, `shpM`.
enum class ColourSample { Black, Fuchsia, White, Red, Yellow, Lime, Blue, Aqua };
void colourSampleClick(SequencerContext& ctx, ColourSample sample);
// "Set Color": the colour the operator chose in the dialog.
void setPenColour(SequencerContext& ctx, Colour colour);

// Context-menu items on the point of the last press (`PopupScene`), without undo snapshot:
// "Cтереть точку" (channel area, pencil only) and "Erase Point" (RGB area, pencil only).
void erasePopupPoint(SequencerContext& ctx, DrawingArea area);
// "Set Scena Here" / "Установить сцену здесь": "Rec" off, the current scene to `PopupScene`.
void SetScenaHere(SequencerContext& ctx);

}  // namespace wl
