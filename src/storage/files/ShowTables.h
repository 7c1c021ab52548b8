#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "output/ChannelSpace.h"
#include "output/EffectTable.h"
#include "output/MacroTables.h"
#include "sequencer/SequencerStore.h"
#include "show/KeyKits.h"
#include "show/ScheduleTables.h"
#include "show/TrackClips.h"
#include "show/TrackStore.h"
#include "storage/SettingsRecord.h"

namespace wl {

// Shapes of the older layouts' tables: 32 sequences of 512 channels, 64 link rows of 514 bytes,
// 32 tracks.
inline constexpr int kOldSequences = 32;
inline constexpr int kOldChannels = 512;
inline constexpr int kOldLinkRows = 64;
inline constexpr int kOldLinkRowBytes = 514;
inline constexpr int kOldTracks = 32;
inline constexpr int kOldNames = 64;
inline constexpr std::size_t kReservedBytes = 896;

// Tables that exist only for the files: the reserved block of the sequencer file and the staging
// tables older layouts are read into before they are converted. The staging tables keep what the
// last older file left in them for the whole run; a conversion copies them whole even where that
// version had no block for them.
//
// Thread: the engine. Allocates at construction only (about 6 MB).
struct FileOnlyTables {
    FileOnlyTables();

    std::array<std::uint8_t, kReservedBytes> Reserved{};

    std::array<Name, kOldNames> OldSeqNames{};
    std::vector<std::uint8_t> OldScenes;  // [32 seq][256 scene][512 channels]
    std::array<std::uint8_t, kOldLinkRows * kOldLinkRowBytes> OldLinks{};
    std::array<std::uint16_t, kOldSequences * kSceneCount> OldSceneCtrl{};
    std::array<std::int32_t, kSequenceCount> OldViewPos{};
    std::array<Name, kOldTracks> OldTrackNames{};
    std::array<Name, kOldNames> OldEffectNames{};
    std::vector<std::uint8_t> OldTrackSeq, OldTrackScene, OldTrackLevel, OldTrackCmd;  // 32 tracks
};

// The macro and effect tables, which the output cycle owns, seen as the raw bytes the files move.
// Each span covers its whole table.
struct ForeignTables {
    std::span<std::byte> MacroStore;                       // [32 macros][4096] signed 16-bit
    std::span<std::byte> MacroMode;                        // 32 bytes
    std::span<std::byte> MacroTabA, MacroTabB, MacroTabC;  // [32][256] bytes each
    std::span<std::byte> MacroNames;                       // not in any file, cleared by the reset
    std::span<std::byte> EffectNames;                      // 64 names of 16 bytes
    std::span<std::byte> EffectType, EffectSeq;            // 64 bytes each
    std::span<std::byte> EffectStart, EffectFinish, EffectTime, EffectLevel;  // 64 x int32 each
};

// Every table a show file moves, wherever it lives. Built for one operation by its owner.
//
// Thread: the engine. Plain references (as are the spans of ForeignTables).
struct ShowTables {
    SequencerStore& sequencer;
    ChannelSpace& channels;
    SettingsRecord& settings;
    TrackStore& tracks;
    KeyKits& kits;
    ScheduleTables& schedule;
    TrackClips& clips;
    FileOnlyTables& fileOnly;
    ForeignTables foreign;
};

// The output cycle's macro and effect tables as the files see them.
ForeignTables foreignTablesOf(MacroTables& macros, EffectTable& effects);

// A whole set of the tables for a program that has no System: the show-file tool, benchmarks and
// tests.
//
// Thread: the engine. Allocates at construction only (the scene store is reserved, not
// touched).
struct OwnedShowTables {
    OwnedShowTables() = default;
    OwnedShowTables(const OwnedShowTables&) = delete;
    OwnedShowTables& operator=(const OwnedShowTables&) = delete;

    SequencerStore sequencer;
    ChannelSpace channels;
    SettingsRecord settings;
    TrackStore tracks;
    KeyKits kits;
    ScheduleTables schedule;
    TrackClips clips;
    FileOnlyTables fileOnly;
    MacroTables macros;
    EffectTable effects;

    ShowTables view();
};

// The bytes of a whole table.
template <typename Table>
std::span<std::byte> bytesOf(Table& table) {
    return std::as_writable_bytes(std::span(table));
}

}  // namespace wl
