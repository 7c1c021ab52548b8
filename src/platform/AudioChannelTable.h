#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/AudioBackend.h"
#include "platform/DecodeOnlyChannel.h"
#include "platform/PlayingStream.h"
#include "platform/WakeSignal.h"
#include "platform/WorkerPass.h"

namespace wl {

// The open channels of a sound output, in fixed slots that the output and decoder threads walk
// without a lock. A channel number holds its slot and a serial, so a freed number never finds
// the next channel put in the same slot. A playing channel taken out is freed only once neither
// worker can still be reading it.
//
// Thread: `add*` and `release` on any thread (they lock the table against each other);
// `playing` and `decoding` on the thread that holds the channel; `forEachPlaying` on the output
// and decoder threads (each with its own pass) or on the main thread (without one). Adding
// allocates; finding and walking never allocate or lock.
class AudioChannelTable {
  public:
    static constexpr std::size_t kPlayingSlots = 8;
    static constexpr std::size_t kDecodingSlots = 8;

    AudioChannelTable() = default;
    ~AudioChannelTable();
    AudioChannelTable(const AudioChannelTable&) = delete;
    AudioChannelTable& operator=(const AudioChannelTable&) = delete;

    // 0 when every slot of the kind is taken.
    AudioChannel addPlaying(std::unique_ptr<PlayingStream> stream, std::int64_t fileSize);
    AudioChannel addDecoding(std::unique_ptr<DecodeOnlyChannel> channel, std::int64_t fileSize);
    // False for 0 or a channel that is not open.
    bool release(AudioChannel channel);

    PlayingStream* playing(AudioChannel channel) const;
    DecodeOnlyChannel* decoding(AudioChannel channel) const;
    std::int64_t fileSize(AudioChannel channel) const;

    template <class Visit>
    void forEachPlaying(WorkerPass* pass, Visit&& visit) {
        if (pass != nullptr) pass->begin();
        for (auto& slot : playing_) {
            if (PlayingEntry* entry = slot.load(std::memory_order_acquire)) visit(*entry->stream);
        }
        if (pass != nullptr) pass->end();
    }

    WorkerPass outputPass;
    WorkerPass decoderPass;
    // Raised whenever a playing channel's decoder has something to do.
    WakeSignal decoderWake;
    // This program's own output level, 0.0..1.0.
    std::atomic<float> outputVolume{1.0f};

  private:
    template <class Channel>
    struct Entry {
        AudioChannel number = 0;
        std::int64_t fileSize = 0;
        std::unique_ptr<Channel> stream;
    };
    using PlayingEntry = Entry<PlayingStream>;
    using DecodingEntry = Entry<DecodeOnlyChannel>;

    struct Retired {
        std::unique_ptr<PlayingEntry> entry;
        std::uint64_t outputMark = 0;
        std::uint64_t decoderMark = 0;
    };

    template <class Channel, std::size_t N>
    AudioChannel add(std::array<std::atomic<Entry<Channel>*>, N>& slots, std::size_t firstSlot,
                     std::unique_ptr<Channel> stream, std::int64_t fileSize);
    // Frees the channels taken out that no worker can still be reading. Under the lock.
    void freeRetired();
    static std::size_t slotOf(AudioChannel channel) { return (channel & 0xFF) - 1; }

    std::array<std::atomic<PlayingEntry*>, kPlayingSlots> playing_{};
    std::array<std::atomic<DecodingEntry*>, kDecodingSlots> decoding_{};
    std::mutex changes_;  // adding and releasing
    std::uint32_t serial_ = 0;
    std::vector<Retired> retired_;
};

}  // namespace wl
