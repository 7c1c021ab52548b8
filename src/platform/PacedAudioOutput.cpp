#include "platform/PacedAudioOutput.h"

#include <utility>

#include "platform/AudioChannelTable.h"

namespace wl {

PacedAudioOutput::PacedAudioOutput(std::function<std::int64_t()> nowMillis, bool decodeInline)
    : nowMillis_(std::move(nowMillis)), decodeInline_(decodeInline) {}

bool PacedAudioOutput::start(AudioChannelTable&, std::string&) {
    return true;
}

void PacedAudioOutput::catchUp(AudioChannelTable& table) {
    const std::int64_t now = nowMillis_();
    table.forEachPlaying(nullptr, [now](PlayingStream& stream) { stream.advanceTo(now); });
}

std::string PacedAudioOutput::description() const {
    return decodeInline_ ? "silent output on the virtual clock"
                         : "silent output on the program's clock";
}

}  // namespace wl
