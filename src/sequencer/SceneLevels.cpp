#include "sequencer/SceneLevels.h"

#include <cstring>
#include <utility>

namespace wl {

SceneLevels::SceneLevels() {
    levels_.memory = LargeBlock(kSceneStoreBytes);
}

void SceneLevels::Block::zeroWritten() {
    for (int seq = 0; seq < kSequenceCount; ++seq) {
        if (written[seq]) std::memset(sequence(seq), 0, kSequenceBytes);
    }
    written.reset();
}

void SceneLevels::setAside(int seq) {
    if (!held_ || kept_[seq]) return;
    std::memcpy(undo_.sequence(seq), levels_.sequence(seq), kSequenceBytes);
    undo_.written[seq] = levels_.written[seq];
    kept_[seq] = true;
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

std::span<std::byte> SceneLevels::fileBytes() {
    levels_.written.set();
    return std::as_writable_bytes(std::span(levels_.memory.data(), kSceneStoreBytes));
}

void SceneLevels::clear() {
    if (!held_) {
        levels_.zeroWritten();
        return;
    }
    // The sequences already set aside go back into the block, which then holds the snapshot of
    // every sequence; the store goes on with the old snapshot block, zeroed where it was written.
    for (int seq = 0; seq < kSequenceCount; ++seq) {
        if (!kept_[seq]) continue;
        std::memcpy(levels_.sequence(seq), undo_.sequence(seq), kSequenceBytes);
        levels_.written[seq] = undo_.written[seq];
    }
    std::swap(levels_, undo_);
    levels_.zeroWritten();
    kept_.set();
}

void SceneLevels::swapBlocks(SceneLevels& other) {
    std::swap(levels_, other.levels_);
    dropSnapshot();
    other.dropSnapshot();
}

void SceneLevels::holdSnapshot() {
    if (!undo_.memory) undo_.memory = LargeBlock(kSceneStoreBytes);
    held_ = true;
    kept_.reset();
}

void SceneLevels::restoreSnapshot() {
    if (!held_) return;
    if (kept_.all()) {
        std::swap(levels_, undo_);
    } else {
        for (int seq = 0; seq < kSequenceCount; ++seq) {
            if (!kept_[seq]) continue;
            std::memcpy(levels_.sequence(seq), undo_.sequence(seq), kSequenceBytes);
            levels_.written[seq] = undo_.written[seq];
        }
    }
    dropSnapshot();
}

void SceneLevels::dropSnapshot() {
    held_ = false;
    kept_.reset();
}

}  // namespace wl
