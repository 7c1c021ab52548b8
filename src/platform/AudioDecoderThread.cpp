#include "platform/AudioDecoderThread.h"

#include "platform/AudioChannelTable.h"

namespace wl {

AudioDecoderThread::AudioDecoderThread(AudioChannelTable& table)
    : table_(table), thread_([this] { run(); }) {}

AudioDecoderThread::~AudioDecoderThread() {
    stopping_.store(true, std::memory_order_release);
    table_.decoderWake.raise();
    thread_.join();
}

void AudioDecoderThread::run() {
    while (!stopping_.load(std::memory_order_acquire)) {
        // Read before looking for work, so a raise after the look still ends the wait.
        const std::uint32_t seen = table_.decoderWake.seen();
        bool worked = false;
        table_.forEachPlaying(&table_.decoderPass,
                              [&worked](PlayingStream& stream) { worked |= stream.decodeAhead(); });
        if (!worked) table_.decoderWake.waitPast(seen);
    }
}

}  // namespace wl
