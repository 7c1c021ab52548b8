#pragma once

#include <cstdint>
#include <span>

#include "storage/files/BlockIo.h"

namespace wl {

inline constexpr std::int64_t kSeqFileBytes = 270'010'784;
inline constexpr std::int64_t kTrackFileBytes = 9'396'608;
inline constexpr std::int64_t kSetFileBytes = 370'720;
inline constexpr std::int64_t kSeqFrameBytes = 1'053'200;
inline constexpr std::size_t kStoredPlaneBytes = 1'043'200;  // a plane without its last 64 slots

// The current layouts, each the one list its reader and writer walk.
//
// Thread: any. The lists are built once on first use and never change.
const Layout& seqLayout();    // ".seq" and "WaveluminaSeq.tmp": 53 blocks
const Layout& trackLayout();  // ".trk": 25 blocks behind the 256-byte header
const Layout& setLayout();    // "Wavelumina.set": 22 blocks

struct BlockSpec;
// The blocks of the current ".seq" layout as data, for the older layouts built from it.
std::span<const BlockSpec> seqBlockSpecs();

// The ".sfr" layout of one sequence (0..255): its name, scenes, links and control words.
Layout seqFrameLayout(int seq);

}  // namespace wl
