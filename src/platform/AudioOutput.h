#pragma once

#include <cstdint>
#include <string>

namespace wl {

class AudioChannelTable;

// Where the playing channels are heard: a sound device that takes frames on a thread of its own,
// or a silent output that counts them off a clock.
//
// Thread: main thread for every member.
class AudioOutput {
  public:
    virtual ~AudioOutput() = default;

    // Starts taking frames from the table's playing channels; false, with the reason, when it
    // cannot.
    virtual bool start(AudioChannelTable& table, std::string& failure) = 0;
    // No frame is taken once it returns.
    virtual void stop() = 0;
    // Called before every reading or change of a playing channel: an output paced by the
    // owner's clock hears here what has come due; a device hears on its own thread.
    virtual void catchUp(AudioChannelTable& table) = 0;
    // The time heard positions are worked out for, on the clock hand-overs are stamped with.
    virtual std::int64_t nowNanoseconds() const = 0;
    // Whether the channels decode on the taking thread when their ring runs dry, instead of on
    // a decoder thread (an output on the virtual clock outruns any decoder thread).
    virtual bool decodesInline() const = 0;
    // What plays the sound, for the event log.
    virtual std::string description() const = 0;
};

}  // namespace wl
