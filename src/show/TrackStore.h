#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sequencer/SequencerStore.h"

namespace wl {

inline constexpr int kTrackCount = 64;
inline constexpr int kTrackTicks = 16301;  // slots 0..16300, one tick (50 ms of music) each
inline constexpr std::size_t kPlaneBytes = std::size_t{kTrackCount} * kTrackTicks;
inline constexpr std::size_t kTrackHeaderBytes = 256;
inline constexpr std::size_t kTrackParamsBytes = 4096;

// The empty record (255, 254, 0, 0, 0): sequence 255 is the track store's "no sequence".
inline constexpr std::uint8_t kEmptySeq = 255;
inline constexpr std::uint8_t kEmptyScene = 254;
inline constexpr std::uint8_t kSceneOffMarker = 255;
inline constexpr std::uint8_t kResetOffset = 128;
inline constexpr std::uint8_t kResetSweep = 128;

// One byte per slot of every track: slot s of track t at t x 16301 + s.
//
// Thread: the engine. Allocates at construction only.
class TrackPlane {
  public:
    TrackPlane() : bytes_(kPlaneBytes, 0) {}

    std::uint8_t& at(int track, int slot) { return bytes_[index(track, slot)]; }
    std::uint8_t at(int track, int slot) const { return bytes_[index(track, slot)]; }
    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }
    void fill(std::uint8_t value) { std::fill(bytes_.begin(), bytes_.end(), value); }

    static constexpr std::size_t index(int track, int slot) {
        return static_cast<std::size_t>(track) * kTrackTicks + static_cast<std::size_t>(slot);
    }

  private:
    std::vector<std::uint8_t> bytes_;
};

// Byte offsets of the signed 32-bit fields of the track parameter block; its other bytes belong
// to nobody but are kept as the file had them.
enum class TrackParam : int {
    MusicVolume = 12,
    TrackTab = 16,
    TrackPosRecs = 20,
    TrackNombA = 24,
    TrackNombB = 28,
    TrackNombC = 32,
    KitGroup = 36,
    FftBpm = 40,
    FftGain = 44,
    EffectNo = 48,
};

// The 4096-byte parameter block of the track file, kept as the raw bytes the file holds.
//
// Thread: the engine. Plain data.
struct TrackParams {
    std::array<std::uint8_t, kTrackParamsBytes> bytes{};

    std::int32_t get(TrackParam field) const;
    void set(TrackParam field, std::int32_t value);
};

// The music show's tracks: five record planes, four spare planes the file keeps, the per-track
// properties and the parameter block, with the text header of the track file.
//
// Thread: the engine. Allocates at construction only (about 9.4 MB of planes).
struct TrackStore {
    std::array<char, kTrackHeaderBytes> Header{};
    std::array<Name, kTrackCount> TrackNames{};
    TrackParams Params;

    std::array<std::uint8_t, kTrackCount> TrackAdvance{};  // anticipation in ticks
    std::array<std::uint8_t, kTrackCount> TrackKeyMode{};
    std::array<std::uint8_t, kTrackCount> TrackKeySeq{};
    std::array<std::uint8_t, kTrackCount> TrackKeyScene{};
    std::array<std::uint8_t, kTrackCount> TrackOffset{};
    std::array<std::uint8_t, kTrackCount> TrackSweep{};

    TrackPlane TrackSeq, TrackScene, TrackLevel, TrackCmd, TrackAux;
    TrackPlane TrackSpare1, TrackSpare2, TrackSpare3, TrackSpare4;  // kept for the file only
};

// The header text: filled with spaces to 256 bytes, at most 255 characters of `text` kept.
void SetTrackHeader(TrackStore& store, std::string_view text);

// Brings the store to its reset state with a new header: parameters to their start values, key
// assignments 0, offset and gain 128, every slot empty. Names, anticipations, the song volume and
// the spare planes keep their values.
void ResetTracks(TrackStore& store, std::string_view header);

// The 16-character name of a track (index limited to 63); bytes at or below 32 read, and are
// rewritten, as spaces.
std::string TrackName(TrackStore& store, int track);

// True when some slot of the track holds anything but the empty record.
bool TrackHasEvents(const TrackStore& store, int track);

}  // namespace wl
