#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/LargeBlock.h"

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

// The levels of every channel of every scene of every sequence: one flat block of 256 MiB behind
// a pointer, and beside it the undo snapshot of the levels.
//
// Memory: the block is mapped for 2 MiB pages (LargeBlock) and only becomes real memory where a
// level is written, so a fresh program with a small show uses little of it. Each sequence
// remembers whether it was ever written; `clear` zeroes those in place and keeps their pages,
// since handing them back only means faulting them in again at the next load.
//
// Undo: while a snapshot is held, the first write to a sequence copies that sequence's 1 MiB
// into the next slot of the undo block, and restoring copies back exactly what was set aside.
// Every write goes through the writers below, which set the sequence aside first, so no write
// can slip past a held snapshot, and a burst of edits on one sequence copies one sequence, not
// the store. Each snapshot fills the slots from the first, so their pages stay real memory from
// one burst to the next; the first two are touched when the store is made.
//
// Thread: owner thread (the engine). The constructor maps the blocks, and clearing under a
// snapshot maps a fresh one; reading, writing, taking and restoring snapshots and swaps never
// allocate. Never keep `data()` or a scene span across `clear()`, `restoreSnapshot()` or
// `swapBlocks()`: the block may change.
class SceneLevels {
  public:
    SceneLevels();
    SceneLevels(const SceneLevels&) = delete;
    SceneLevels& operator=(const SceneLevels&) = delete;

    std::uint8_t operator[](std::size_t flatIndex) const {
        return levels_.memory.data()[flatIndex];
    }
    std::uint8_t level(int seq, int scene, int ch) const {
        return (*this)[sceneIndex(seq, scene, ch)];
    }

    // The 4096 levels of one scene, contiguous.
    std::span<const std::uint8_t, kSceneChannels> scene(int seq, int scene) const {
        return std::span<const std::uint8_t, kSceneChannels>(
            levels_.memory.data() + sceneIndex(seq, scene), kSceneChannels);
    }
    const std::uint8_t* data() const { return levels_.memory.data(); }
    static constexpr std::size_t size() { return kSceneStoreBytes; }

    // The writers: each sets the sequence aside first while a snapshot is held.
    std::span<std::uint8_t, kSceneChannels> writableScene(int seq, int scene);
    std::span<std::uint8_t, kSequenceBytes> writableSequence(int seq);
    void setLevel(int seq, int scene, int ch, std::uint8_t level) {
        writableScene(seq, scene)[static_cast<std::size_t>(ch)] = level;
    }

    // The whole block as the files move it. Loads go into a store that holds no snapshot (the
    // start-up store, or a fresh store that is then swapped in); every sequence counts as
    // written.
    std::span<std::byte> fileBytes();

    // Every level back to 0. A held snapshot stays whole without copying 256 MiB: the block,
    // put back as it was when the snapshot began, becomes the snapshot, and the store goes on
    // with a fresh block.
    void clear();

    // Exchanges the blocks of two stores (opening a file swaps in the levels read beside the
    // store). Neither store holds a snapshot afterwards: undo never mixes two projects.
    void swapBlocks(SceneLevels& other);

    // Starts a new snapshot of the levels as they are now; nothing is copied until a write.
    void holdSnapshot();
    // Puts back every sequence set aside since `holdSnapshot`; no snapshot is held afterwards.
    void restoreSnapshot();
    void dropSnapshot();
    bool holdsSnapshot() const { return held_; }
    // The bytes copied aside for the held snapshot so far.
    std::size_t snapshotBytes() const { return static_cast<std::size_t>(slots_) * kSequenceBytes; }

  private:
    using SequenceSet = std::bitset<kSequenceCount>;
    static constexpr std::int16_t kNoSlot = -1;

    // A block and the sequences of it that may hold a level other than 0.
    struct Block {
        LargeBlock memory;
        SequenceSet written;

        std::uint8_t* sequence(int seq) const { return memory.data() + sceneIndex(seq, 0); }
        void zeroWritten();
    };

    void setAside(int seq);
    std::uint8_t* slot(int index) const { return undo_.data() + sceneIndex(index, 0); }
    void putBackSlots();

    Block levels_;
    LargeBlock undo_;  // slots of one sequence each, in the order the burst wrote them
    std::array<std::int16_t, kSequenceCount> slotOf_;
    int slots_ = 0;
    Block whole_;  // the whole block, when the store was cleared under the snapshot
    bool held_ = false;
};

}  // namespace wl
