#include "sequencer/SceneLevels.h"

#include <cstring>
#include <utility>

namespace wl {

namespace {

constexpr int kTouchedSlots = 2;  // one 2 MiB page

}  // namespace

SceneLevels::SceneLevels() : undo_(kSceneStoreBytes) {
    levels_.memory = LargeBlock(kSceneStoreBytes);
    slotOf_.fill(kNoSlot);
    // The first stroke of the first burst finds its slot already in memory.
    std::memset(undo_.data(), 0, kTouchedSlots * kSequenceBytes);
}

void SceneLevels::Block::zeroWritten() {
    for (int seq = 0; seq < kSequenceCount; ++seq) {
        if (written[seq]) std::memset(sequence(seq), 0, kSequenceBytes);
    }
    written.reset();
}

void SceneLevels::setAside(int seq) {
    if (tap_ != nullptr) tap_->preserve(seq, levels_.sequence(seq));
    if (!held_ || whole_.memory || slotOf_[seq] != kNoSlot) return;
    std::memcpy(slot(slots_), levels_.sequence(seq), kSequenceBytes);
    slotOf_[seq] = static_cast<std::int16_t>(slots_++);
}

void SceneLevels::putBackSlots() {
    for (int seq = 0; seq < kSequenceCount; ++seq) {
        if (slotOf_[seq] == kNoSlot) continue;
        std::memcpy(levels_.sequence(seq), slot(slotOf_[seq]), kSequenceBytes);
        levels_.written[seq] = true;
    }
}

std::span<std::uint8_t, kSceneChannels> SceneLevels::writableScene(int seq, int scene) {
    setAside(seq);
    levels_.written[seq] = true;
    return std::span<std::uint8_t, kSceneChannels>(levels_.sequence(seq) + sceneIndex(0, scene),
                                                   kSceneChannels);
}

std::span<std::uint8_t, kSequenceBytes> SceneLevels::writableSequence(int seq) {
    setAside(seq);
    levels_.written[seq] = true;
    return std::span<std::uint8_t, kSequenceBytes>(levels_.sequence(seq), kSequenceBytes);
}

void SceneLevels::keepAllForSave() {
    if (tap_ == nullptr) return;
    for (int seq = 0; seq < kSequenceCount; ++seq) tap_->preserve(seq, levels_.sequence(seq));
}

std::span<std::byte> SceneLevels::fileBytes() {
    keepAllForSave();
    levels_.written.set();
    return std::as_writable_bytes(std::span(levels_.memory.data(), kSceneStoreBytes));
}

void SceneLevels::clear() {
    keepAllForSave();
    if (!held_ || whole_.memory) {
        levels_.zeroWritten();
        return;
    }
    putBackSlots();
    whole_ = std::exchange(levels_, Block{LargeBlock(kSceneStoreBytes), {}});
}

void SceneLevels::swapBlocks(SceneLevels& other) {
    keepAllForSave();
    other.keepAllForSave();
    std::swap(levels_, other.levels_);
    dropSnapshot();
    other.dropSnapshot();
}

void SceneLevels::holdSnapshot() {
    dropSnapshot();
    held_ = true;
}

void SceneLevels::restoreSnapshot() {
    if (!held_) return;
    if (whole_.memory) {
        levels_ = std::move(whole_);
    } else {
        putBackSlots();
    }
    dropSnapshot();
}

void SceneLevels::dropSnapshot() {
    held_ = false;
    slotOf_.fill(kNoSlot);
    slots_ = 0;
    whole_ = Block{};
}

SceneSaveTap::SceneSaveTap(SceneLevels& levels) : levels_(levels) {
    levels_.tap_ = this;
    ++levels_.savesBegun_;
}

SceneSaveTap::~SceneSaveTap() {
    if (levels_.tap_ == this) levels_.tap_ = nullptr;
}

void SceneSaveTap::read(int seq, std::span<std::uint8_t, kSequenceBytes> out) {
    const auto index = static_cast<std::size_t>(seq);
    if (kept_[index]) {
        std::memcpy(out.data(), kept_[index].get(), kSequenceBytes);
        kept_[index].reset();
    } else {
        std::memcpy(out.data(), levels_.levels_.sequence(seq), kSequenceBytes);
    }
    settled_[index] = true;
    if (settled_.all() && levels_.tap_ == this) levels_.tap_ = nullptr;
}

void SceneSaveTap::preserve(int seq, const std::uint8_t* live) {
    const auto index = static_cast<std::size_t>(seq);
    if (settled_[index]) return;
    kept_[index] = std::make_unique_for_overwrite<std::uint8_t[]>(kSequenceBytes);
    std::memcpy(kept_[index].get(), live, kSequenceBytes);
    settled_[index] = true;
}

}  // namespace wl
