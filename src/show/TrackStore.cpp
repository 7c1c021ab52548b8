#include "show/TrackStore.h"

#include <algorithm>
#include <cstring>

namespace wl {

namespace {

// Bytes from this offset to the end of the parameter block are cleared by the reset; the bytes
// before it that are not parameter fields belong to older versions and stay as loaded.
constexpr std::size_t kClearedParamsFrom = 196;

}  // namespace

std::int32_t TrackParams::get(TrackParam field) const {
    std::int32_t value = 0;
    std::memcpy(&value, bytes.data() + static_cast<int>(field), sizeof value);
    return value;
}

void TrackParams::set(TrackParam field, std::int32_t value) {
    std::memcpy(bytes.data() + static_cast<int>(field), &value, sizeof value);
}

void SetTrackHeader(TrackStore& store, std::string_view text) {
    store.Header.fill(' ');
    std::copy_n(text.begin(), std::min(text.size(), kTrackHeaderBytes - 1), store.Header.begin());
}

void ResetTracks(TrackStore& store, std::string_view header) {
    SetTrackHeader(store, header);
    std::fill(store.Params.bytes.begin() + kClearedParamsFrom, store.Params.bytes.end(), 0);
    store.Params.set(TrackParam::TrackTab, 1);
    store.Params.set(TrackParam::KitGroup, 0);
    store.Params.set(TrackParam::FftBpm, 1);
    store.Params.set(TrackParam::FftGain, 10);
    store.Params.set(TrackParam::TrackPosRecs, 0);
    store.Params.set(TrackParam::TrackNombA, 1);
    store.Params.set(TrackParam::TrackNombB, 2);
    store.Params.set(TrackParam::TrackNombC, 3);
    store.Params.set(TrackParam::EffectNo, 0);
    store.TrackKeyMode.fill(0);
    store.TrackKeySeq.fill(0);
    store.TrackKeyScene.fill(0);
    store.TrackOffset.fill(kResetOffset);
    store.TrackSweep.fill(kResetSweep);
    store.TrackSeq.fill(kEmptySeq);
    store.TrackScene.fill(kEmptyScene);
    store.TrackLevel.fill(0);
    store.TrackCmd.fill(0);
    store.TrackAux.fill(0);
}

std::string TrackName(TrackStore& store, int track) {
    Name& name = store.TrackNames[std::clamp(track, 0, kTrackCount - 1)];
    for (char& byte : name) {
        if (static_cast<unsigned char>(byte) <= ' ') byte = ' ';
    }
    return std::string(name.begin(), name.end());
}

bool TrackHasEvents(const TrackStore& store, int track) {
    for (int slot = 0; slot < kTrackTicks; ++slot) {
        if (store.TrackSeq.at(track, slot) != kEmptySeq ||
            store.TrackScene.at(track, slot) != kEmptyScene || store.TrackLevel.at(track, slot) ||
            store.TrackCmd.at(track, slot) || store.TrackAux.at(track, slot)) {
            return true;
        }
    }
    return false;
}

}  // namespace wl
