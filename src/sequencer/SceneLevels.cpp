#include "sequencer/SceneLevels.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace wl {

namespace {

// A block this large is always served by a fresh anonymous mapping, whose pages the system zeroes
// on first touch, so calloc neither writes nor commits it.
std::uint8_t* zeroedBlock() {
    return static_cast<std::uint8_t*>(std::calloc(kSceneStoreBytes, 1));
}

}  // namespace

SceneLevels::SceneLevels() : levels_(zeroedBlock()) {
    if (levels_ == nullptr) throw std::bad_alloc();
}

SceneLevels::~SceneLevels() {
    std::free(levels_);
}

void SceneLevels::clear() {
    // A fresh block hands the written pages back instead of writing 256 MiB; only when the system
    // refuses a second block is the old one cleared by hand.
    std::uint8_t* fresh = zeroedBlock();
    if (fresh == nullptr) {
        beforeWriteAll();
        std::memset(levels_, 0, kSceneStoreBytes);
        return;
    }
    if (tap_ != nullptr) {
        tap_->keepBlock(levels_);
    } else {
        std::free(levels_);
    }
    levels_ = fresh;
}

void SceneLevels::beforeWriteAll() {
    if (tap_ == nullptr) return;
    for (int seq = 0; seq < kSequenceCount; ++seq) beforeWrite(seq);
}

SceneSaveTap::SceneSaveTap(SceneLevels& levels) : levels_(levels) {
    levels_.tap_ = this;
    ++levels_.savesBegun_;
}

SceneSaveTap::~SceneSaveTap() {
    if (levels_.tap_ == this) levels_.tap_ = nullptr;
    std::free(oldBlock_);
}

void SceneSaveTap::read(int seq, std::span<std::uint8_t, kSequenceBytes> out) {
    const auto index = static_cast<std::size_t>(seq);
    if (kept_[index]) {
        std::memcpy(out.data(), kept_[index].get(), kSequenceBytes);
        kept_[index].reset();
    } else if (!settled_[index]) {
        const std::uint8_t* block = oldBlock_ != nullptr ? oldBlock_ : levels_.levels_;
        std::memcpy(out.data(), block + sceneIndex(seq, 0), kSequenceBytes);
    }
    settled_[index] = true;
    if (settled_.all() && levels_.tap_ == this) levels_.tap_ = nullptr;
}

void SceneSaveTap::preserve(int seq, const std::uint8_t* live) {
    const auto index = static_cast<std::size_t>(seq);
    if (settled_[index] || oldBlock_ != nullptr) return;
    kept_[index] = std::make_unique_for_overwrite<std::uint8_t[]>(kSequenceBytes);
    std::memcpy(kept_[index].get(), live, kSequenceBytes);
    settled_[index] = true;
}

void SceneSaveTap::keepBlock(std::uint8_t* block) {
    // Sequences already copied aside keep their copies; the rest are read from the old block.
    oldBlock_ = block;
    if (levels_.tap_ == this) levels_.tap_ = nullptr;
}

}  // namespace wl
