#pragma once

#include <functional>

#include "platform/AudioOutput.h"

namespace wl {

// The silent output: no sound card; playing channels are heard at exactly the pace of the clock
// it is given (the scheduler's clock, so under the virtual clock a minute of song passes in as
// long as the scheduler takes to run a minute of tasks). Positions, ends and the analysis come
// from the decoded frames, as with a sound card.
//
// Thread: main thread. Never allocates after construction.
class PacedAudioOutput final : public AudioOutput {
  public:
    // `nowMillis`: the pacing clock. `decodeInline`: decode on the main thread when a ring runs
    // dry (for the virtual clock) instead of on a decoder thread.
    PacedAudioOutput(std::function<std::int64_t()> nowMillis, bool decodeInline);

    bool start(AudioChannelTable& table, std::string& failure) override;
    void stop() override {}
    void catchUp(AudioChannelTable& table) override;
    std::int64_t nowNanoseconds() const override { return nowMillis_() * 1'000'000; }
    bool decodesInline() const override { return decodeInline_; }
    std::string description() const override;

  private:
    std::function<std::int64_t()> nowMillis_;
    bool decodeInline_;
};

}  // namespace wl
