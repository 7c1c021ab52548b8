#pragma once

#include <atomic>
#include <thread>

namespace wl {

class AudioChannelTable;

// The thread that decodes ahead for every playing channel, so that no decoding runs on the owner
// thread or in the device callback. It fills each channel's ring a block at a time, in turn, and
// sleeps while every ring is full or at its end, until a channel is added, sought or played, or
// the output frees a block.
//
// Thread: constructed and destroyed on the main thread. Allocates only its thread.
class AudioDecoderThread {
  public:
    explicit AudioDecoderThread(AudioChannelTable& table);
    ~AudioDecoderThread();
    AudioDecoderThread(const AudioDecoderThread&) = delete;
    AudioDecoderThread& operator=(const AudioDecoderThread&) = delete;

  private:
    void run();

    AudioChannelTable& table_;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

}  // namespace wl
