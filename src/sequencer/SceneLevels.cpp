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
        std::memset(levels_, 0, kSceneStoreBytes);
        return;
    }
    std::free(levels_);
    levels_ = fresh;
}

}  // namespace wl
