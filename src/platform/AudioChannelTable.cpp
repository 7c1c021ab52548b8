#include "platform/AudioChannelTable.h"

#include <algorithm>

namespace wl {

AudioChannelTable::~AudioChannelTable() {
    // The workers have stopped before the table goes.
    for (auto& slot : playing_) delete slot.load();
    for (auto& slot : decoding_) delete slot.load();
}

template <class Channel, std::size_t N>
AudioChannel AudioChannelTable::add(std::array<std::atomic<Entry<Channel>*>, N>& slots,
                                    std::size_t firstSlot, std::unique_ptr<Channel> stream,
                                    std::int64_t fileSize) {
    const std::lock_guard lock(changes_);
    freeRetired();
    for (std::size_t i = 0; i < N; ++i) {
        if (slots[i].load(std::memory_order_relaxed) != nullptr) continue;
        serial_ = (serial_ + 1) & 0xFFFFFF;
        auto entry = std::make_unique<Entry<Channel>>();
        entry->number = (serial_ << 8) | static_cast<AudioChannel>(firstSlot + i + 1);
        entry->fileSize = fileSize;
        entry->stream = std::move(stream);
        const AudioChannel number = entry->number;
        slots[i].store(entry.release(), std::memory_order_release);
        return number;
    }
    return 0;
}

AudioChannel AudioChannelTable::addPlaying(std::unique_ptr<PlayingStream> stream,
                                           std::int64_t fileSize) {
    const AudioChannel number = add(playing_, 0, std::move(stream), fileSize);
    decoderWake.raise();
    return number;
}

AudioChannel AudioChannelTable::addDecoding(std::unique_ptr<DecodeOnlyChannel> channel,
                                            std::int64_t fileSize) {
    return add(decoding_, kPlayingSlots, std::move(channel), fileSize);
}

bool AudioChannelTable::release(AudioChannel channel) {
    const std::lock_guard lock(changes_);
    const std::size_t slot = slotOf(channel);
    if (slot < kPlayingSlots) {
        PlayingEntry* entry = playing_[slot].load(std::memory_order_relaxed);
        if (entry == nullptr || entry->number != channel) return false;
        playing_[slot].store(nullptr, std::memory_order_seq_cst);
        retired_.push_back(
            {std::unique_ptr<PlayingEntry>(entry), outputPass.mark(), decoderPass.mark()});
        freeRetired();
        return true;
    }
    if (slot < kPlayingSlots + kDecodingSlots) {
        DecodingEntry* entry = decoding_[slot - kPlayingSlots].load(std::memory_order_relaxed);
        if (entry == nullptr || entry->number != channel) return false;
        decoding_[slot - kPlayingSlots].store(nullptr, std::memory_order_relaxed);
        delete entry;  // no worker reads decode-only channels
        return true;
    }
    return false;
}

void AudioChannelTable::freeRetired() {
    std::erase_if(retired_, [this](const Retired& r) {
        return outputPass.endedSince(r.outputMark) && decoderPass.endedSince(r.decoderMark);
    });
}

PlayingStream* AudioChannelTable::playing(AudioChannel channel) const {
    const std::size_t slot = slotOf(channel);
    if (slot >= kPlayingSlots) return nullptr;
    const PlayingEntry* entry = playing_[slot].load(std::memory_order_acquire);
    return entry != nullptr && entry->number == channel ? entry->stream.get() : nullptr;
}

DecodeOnlyChannel* AudioChannelTable::decoding(AudioChannel channel) const {
    const std::size_t slot = slotOf(channel);
    if (slot < kPlayingSlots || slot >= kPlayingSlots + kDecodingSlots) return nullptr;
    const DecodingEntry* entry = decoding_[slot - kPlayingSlots].load(std::memory_order_acquire);
    return entry != nullptr && entry->number == channel ? entry->stream.get() : nullptr;
}

std::int64_t AudioChannelTable::fileSize(AudioChannel channel) const {
    const std::size_t slot = slotOf(channel);
    if (slot < kPlayingSlots) {
        const PlayingEntry* entry = playing_[slot].load(std::memory_order_acquire);
        if (entry != nullptr && entry->number == channel) return entry->fileSize;
    } else if (slot < kPlayingSlots + kDecodingSlots) {
        const DecodingEntry* entry =
            decoding_[slot - kPlayingSlots].load(std::memory_order_acquire);
        if (entry != nullptr && entry->number == channel) return entry->fileSize;
    }
    return 0;
}

}  // namespace wl
