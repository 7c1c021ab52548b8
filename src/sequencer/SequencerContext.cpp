#include "sequencer/SequencerContext.h"

#include "sequencer/SequencerWindowState.h"

namespace wl {

int editedSeq(const SequencerContext& ctx) {
    return ctx.window.ScrollBarNombSeq;
}

}  // namespace wl
