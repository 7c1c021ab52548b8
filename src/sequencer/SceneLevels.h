#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace wl {

inline constexpr int kSequenceCount = 256;
inline constexpr int kSceneCount = 256;
inline constexpr int kSceneChannels = 4096;
inline constexpr std::size_t kSceneBytes = kSceneChannels;
inline constexpr std::size_t kSequenceBytes = kSceneCount * kSceneBytes;          // 1 MiB
inline constexpr std::size_t kSceneStoreBytes = kSequenceBytes * kSequenceCount;  // 256 MiB

// Flat index of channel `ch` (0..4095) of scene `scene` (0..255) of sequence `seq` (0..255):
// seq x 1048576 + scene x 4096 + ch. The sequencer file stores the levels in this order.
constexpr std::size_t sceneIndex(int seq, int scene, int ch = 0) {
    return static_cast<std::size_t>(seq) * kSequenceBytes +
           static_cast<std::size_t>(scene) * kSceneBytes + static_cast<std::size_t>(ch);
}

class SceneLevels;

// What a save in progress reads of the scene store: every sequence as it was when the save began,
// whatever is edited meanwhile. A sequence the save has not read yet is copied aside the first
// time something writes to it (1 MiB, once); so taking the save's copy costs nothing up front,
// and the engine lock is held for one sequence at a time while the save reads.
//
// Thread: every call with the engine lock held. `preserve` allocates (once per sequence written
// during a save); `read` never does.
class SceneSaveTap {
  public:
    // Starts watching `levels`; it must stay attached until the save read every sequence.
    explicit SceneSaveTap(SceneLevels& levels);
    ~SceneSaveTap();
    SceneSaveTap(const SceneSaveTap&) = delete;
    SceneSaveTap& operator=(const SceneSaveTap&) = delete;

    // Copies sequence `seq` as it was when the save began into `out`.
    void read(int seq, std::span<std::uint8_t, kSequenceBytes> out);

  private:
    friend class SceneLevels;
    // Called by the store before sequence `seq` (whose levels are at `live`) is written.
    void preserve(int seq, const std::uint8_t* live);
    // Called by the store when it replaces its whole block: the old one stays with the save.
    void keepBlock(std::uint8_t* block);

    SceneLevels& levels_;
    std::bitset<kSequenceCount> settled_;  // read by the save or copied aside
    std::array<std::unique_ptr<std::uint8_t[]>, kSequenceCount> kept_;
    std::uint8_t* oldBlock_ = nullptr;  // the store's block before a clear, freed with the tap
};

// The levels of every channel of every scene of every sequence: one flat block of 256 MiB.
//
// The block comes from the system already zeroed and only gets real memory where a level is
// written, so a fresh program with a small show uses little of it. Clearing hands the pages back
// to the system instead of writing 256 MiB; the block may then move, so never keep `data()` or a
// scene span across `clear()`.
//
// Every access that can write (the non-const accessors) first lets an attached `SceneSaveTap`
// keep what a save still needs; readers should use the const accessors.
//
// Thread: owner thread. Allocates in the constructor and in `clear()`; level access never does
// (but see `SceneSaveTap`).
class SceneLevels {
  public:
    SceneLevels();
    ~SceneLevels();
    SceneLevels(const SceneLevels&) = delete;
    SceneLevels& operator=(const SceneLevels&) = delete;

    std::uint8_t& operator[](std::size_t flatIndex) {
        beforeWrite(static_cast<int>(flatIndex / kSequenceBytes));
        return levels_[flatIndex];
    }
    std::uint8_t operator[](std::size_t flatIndex) const { return levels_[flatIndex]; }

    // The 4096 levels of one scene, contiguous.
    std::span<std::uint8_t, kSceneChannels> scene(int seq, int scene) {
        beforeWrite(seq);
        return std::span<std::uint8_t, kSceneChannels>(levels_ + sceneIndex(seq, scene),
                                                       kSceneChannels);
    }
    std::span<const std::uint8_t, kSceneChannels> scene(int seq, int scene) const {
        return std::span<const std::uint8_t, kSceneChannels>(levels_ + sceneIndex(seq, scene),
                                                             kSceneChannels);
    }

    std::uint8_t* data() {
        beforeWriteAll();
        return levels_;
    }
    const std::uint8_t* data() const { return levels_; }
    static constexpr std::size_t size() { return kSceneStoreBytes; }

    // Every level back to 0.
    void clear();

    // Whether a save is reading the store now, and how many saves began reading it.
    bool saving() const { return tap_ != nullptr; }
    std::uint64_t savesBegun() const { return savesBegun_; }

  private:
    friend class SceneSaveTap;

    void beforeWrite(int seq) {
        if (tap_ != nullptr) tap_->preserve(seq, levels_ + sceneIndex(seq, 0));
    }
    void beforeWriteAll();

    std::uint8_t* levels_;
    SceneSaveTap* tap_ = nullptr;
    std::uint64_t savesBegun_ = 0;
};

}  // namespace wl
