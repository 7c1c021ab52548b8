#pragma once

#include <string>

#include "platform/Operator.h"
#include "sequencer/SequencerContext.h"

namespace wl {

// The "Area of Link" page: a grid of 26 channels by 16 sequences of link check boxes, and group
// commands on the sequences of the selected columns.
//
// Thread: the engine. Allocates (texts, questions).

// A grid check box (`onCheckGroup`): after an undo snapshot the link of the column's sequence and
// the row's channel becomes `checked`.
void onCheckGroup(SequencerContext& ctx, int row, int column, bool checked);
// A right press on a grid box (`MouseDownCheckBoxGroup`): the start address becomes the row's
// channel + 1 and the column is selected.
void MouseDownCheckBoxGroup(SequencerContext& ctx, int row, int column);

// The group commands of the selected columns' sequences, on channel indices from start − 1 to
// start + length − 2. Each clears the column selectors afterwards.
void setSelectedColumns(SequencerContext& ctx);       // "Set Selected Checkbox Column"
void offSelectedColumns(SequencerContext& ctx);       // "Off Selected Checkbox Column"
void offAllOfSelectedColumns(SequencerContext& ctx);  // "Off Alls Checkbox Column"
// "Off All Coloumn Checkboxs": after Yes to `kClearAllFixQuestion` it takes the undo snapshot;
// the links of every sequence are cleared only when the group question was answered Yes too.
inline constexpr Question kClearAllFixQuestion{BoxKind::Warning, "Clear all fix DMX? "};
void offAllColumns(SequencerContext& ctx, bool groupChangeConfirmed);
void copyLinkColumn(SequencerContext& ctx);                   // "Copy DMX enable Link"
void pasteLinkColumn(SequencerContext& ctx);                  // "Paste DMX enable Link"
void selectAllColumns(SequencerContext& ctx, bool selected);  // "Set/Off Checkbox all"

// The group start and length sliders.
void ScrollBarBeginChKChange(SequencerContext& ctx, int start);
void ScrollBarLengDmxChKChange(SequencerContext& ctx, int length);
// "NEW": the next group starts after this one, kept inside the channel space.
void newGroupClick(SequencerContext& ctx);
// Universe buttons "A".."H" (`universe` 0..7).
void universeClick(SequencerContext& ctx, int universe);

// Texts of the page.
struct LinkGroupTexts {
    std::string range;   // "Set from " + label(start) + " to " + label(start + length − 1)
    std::string next;    // "New " + label(start + length)
    std::string length;  // "Leng Fixs " + length
};
LinkGroupTexts linkGroupTexts(const SequencerContext& ctx);
// The hint of a grid cell: sequence number, sequence name, channel label and channel name.
std::string linkCellHint(SequencerContext& ctx, int seq, int ch);
// The red mark beside a column: the sequence has a linked channel among 1..4095.
bool hasLinkedChannel(const SequencerStore& store, int seq);

}  // namespace wl
