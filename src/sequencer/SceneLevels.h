#pragma once

#include <cstddef>
#include <cstdint>
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

// The levels of every channel of every scene of every sequence: one flat block of 256 MiB.
//
// The block comes from the system already zeroed and only gets real memory where a level is
// written, so a fresh program with a small show uses little of it. Clearing hands the pages back
// to the system instead of writing 256 MiB; the block may then move, so never keep `data()` or a
// scene span across `clear()`.
//
// Thread: owner thread. Allocates in the constructor and in `clear()`; level access never does.
class SceneLevels {
  public:
    SceneLevels();
    ~SceneLevels();
    SceneLevels(const SceneLevels&) = delete;
    SceneLevels& operator=(const SceneLevels&) = delete;

    std::uint8_t& operator[](std::size_t flatIndex) { return levels_[flatIndex]; }
    std::uint8_t operator[](std::size_t flatIndex) const { return levels_[flatIndex]; }

    // The 4096 levels of one scene, contiguous.
    std::span<std::uint8_t, kSceneChannels> scene(int seq, int scene) {
        return std::span<std::uint8_t, kSceneChannels>(levels_ + sceneIndex(seq, scene),
                                                       kSceneChannels);
    }
    std::span<const std::uint8_t, kSceneChannels> scene(int seq, int scene) const {
        return std::span<const std::uint8_t, kSceneChannels>(levels_ + sceneIndex(seq, scene),
                                                             kSceneChannels);
    }

    std::uint8_t* data() { return levels_; }
    const std::uint8_t* data() const { return levels_; }
    static constexpr std::size_t size() { return kSceneStoreBytes; }

    // Every level back to 0.
    void clear();

  private:
    std::uint8_t* levels_;
};

}  // namespace wl
