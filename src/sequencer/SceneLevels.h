#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <memory>
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

class SceneLevels;

// What a save in progress reads of the scene store: every sequence as it was when the save began,
// whatever is edited meanwhile. A sequence the save has not read yet is copied aside the first
// time one of the store's writers touches it (1 MiB, once); so taking the save's copy costs
// nothing up front, and the engine lock is held for one sequence at a time while the save reads.
//
// Thread: every call with the engine lock held. Copying aside allocates (once per sequence
// written during a save); `read` never does.
class SceneSaveTap {
  public:
    // Starts watching `levels`; it stays attached until the save read every sequence or the tap
    // goes.
    explicit SceneSaveTap(SceneLevels& levels);
    ~SceneSaveTap();
    SceneSaveTap(const SceneSaveTap&) = delete;
    SceneSaveTap& operator=(const SceneSaveTap&) = delete;

    // Copies sequence `seq` as it was when the save began into `out`.
    void read(int seq, std::span<std::uint8_t, kSequenceBytes> out);

  private:
    friend class SceneLevels;
    // Called by the store's writers before sequence `seq` (whose levels are at `live`) changes.
    void preserve(int seq, const std::uint8_t* live);

    SceneLevels& levels_;
    std::bitset<kSequenceCount> settled_;  // read by the save or copied aside
    std::array<std::unique_ptr<std::uint8_t[]>, kSequenceCount> kept_;
};

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
// Save: a save in progress reads the store through a `SceneSaveTap`, which the same writers keep
// (and `clear`, `swapBlocks` and `fileBytes` too, by setting every sequence aside for it first).
//
// Thread: the engine. The constructor maps the blocks, and clearing under a
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

    // Whether a save is reading the store now, and how many saves began reading it.
    bool saving() const { return tap_ != nullptr; }
    std::uint64_t savesBegun() const { return savesBegun_; }

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

    friend class SceneSaveTap;

    void setAside(int seq);
    // Before a change of every level: the save in progress keeps what it has not read yet.
    void keepAllForSave();
    std::uint8_t* slot(int index) const { return undo_.data() + sceneIndex(index, 0); }
    void putBackSlots();

    Block levels_;
    LargeBlock undo_;  // slots of one sequence each, in the order the burst wrote them
    std::array<std::int16_t, kSequenceCount> slotOf_;
    int slots_ = 0;
    Block whole_;  // the whole block, when the store was cleared under the snapshot
    bool held_ = false;
    SceneSaveTap* tap_ = nullptr;
    std::uint64_t savesBegun_ = 0;
};

}  // namespace wl
