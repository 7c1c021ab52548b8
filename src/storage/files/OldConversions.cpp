#include "storage/files/OldConversions.h"

#include <algorithm>
#include <cstring>

namespace wl {

namespace {

constexpr int kConvertedTicks = kTrackTicks - 1;  // the last slot of an old track is not taken

void copyOldPlane(const std::vector<std::uint8_t>& old, TrackPlane& plane) {
    for (int track = 0; track < kOldTracks; ++track) {
        std::memcpy(plane.data() + TrackPlane::index(track, 0),
                    old.data() + TrackPlane::index(track, 0), kConvertedTicks);
    }
}

}  // namespace

void convertOldSeq(ShowTables& tables) {
    SequencerStore& store = tables.sequencer;
    const FileOnlyTables& old = tables.fileOnly;
    for (int seq = 0; seq < kOldSequences; ++seq) {
        for (int scene = 0; scene < kSceneCount; ++scene) {
            const std::size_t from =
                (static_cast<std::size_t>(seq) * kSceneCount + scene) * kOldChannels;
            std::memcpy(store.SceneStore.writableScene(seq, scene).data(),
                        old.OldScenes.data() + from, kOldChannels);
        }
        std::copy_n(old.OldSceneCtrl.begin() + seq * kSceneCount, kSceneCount,
                    store.SceneCtrl[seq].begin());
    }
    std::copy(old.OldSeqNames.begin(), old.OldSeqNames.end(), store.SeqNames.begin());
    for (int row = 0; row < kOldLinkRows; ++row) {
        std::copy_n(old.OldLinks.begin() + row * kOldLinkRowBytes, kOldChannels,
                    store.LinkMask[row].begin());
    }
    for (int seq = 0; seq < kSequenceCount; ++seq) {
        const auto position = static_cast<std::uint16_t>(old.OldViewPos[seq] & 0xFFFF);
        store.PosSpot[seq] = position;
        store.PosKlapan[seq] = position;
    }
}

void clearUpperMacros(ShowTables& tables) {
    const std::span<std::byte> macros = tables.foreign.MacroStore;
    const std::span<std::byte> upper = macros.subspan(macros.size() / 2);
    std::fill(upper.begin(), upper.end(), std::byte{0});
}

void convertOldTrack(ShowTables& tables) {
    const FileOnlyTables& old = tables.fileOnly;
    const std::span<const std::byte> oldEffectNames = std::as_bytes(std::span(old.OldEffectNames));
    std::copy_n(oldEffectNames.begin(),
                std::min(oldEffectNames.size(), tables.foreign.EffectNames.size()),
                tables.foreign.EffectNames.begin());
    TrackStore& store = tables.tracks;
    std::copy(old.OldTrackNames.begin(), old.OldTrackNames.end(), store.TrackNames.begin());
    copyOldPlane(old.OldTrackSeq, store.TrackSeq);
    copyOldPlane(old.OldTrackScene, store.TrackScene);
    copyOldPlane(old.OldTrackLevel, store.TrackLevel);
    copyOldPlane(old.OldTrackCmd, store.TrackCmd);
}

}  // namespace wl
