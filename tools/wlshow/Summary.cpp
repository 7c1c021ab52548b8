#include "Summary.h"

#include <algorithm>
#include <cstdio>

#include "ResetCompare.h"

namespace wl::tool {

namespace {

constexpr int kTickMs = 50;

std::string versionText(const LoadedShow& loaded) {
    return loaded.version == 0 ? "current" : std::to_string(loaded.version);
}

std::string sequencerSummary(const SequencerStore& store) {
    int used = 0;
    int linked = 0;
    for (int seq = 0; seq < kSequenceCount; ++seq) {
        if (sequenceUsed(store, seq)) ++used;
        const auto& links = store.LinkMask[seq];
        linked +=
            static_cast<int>(std::count_if(links.begin(), links.end(), [](auto v) { return v; }));
    }
    return std::to_string(used) + " used sequences, " + std::to_string(linked) + " linked channels";
}

int lastEventTick(const TrackStore& store, int track) {
    for (int s = kTrackTicks - 1; s >= 0; --s) {
        if (store.TrackSeq.at(track, s) != kEmptySeq ||
            store.TrackScene.at(track, s) != kEmptyScene || store.TrackLevel.at(track, s) ||
            store.TrackCmd.at(track, s) || store.TrackAux.at(track, s)) {
            return s;
        }
    }
    return -1;
}

std::string seconds(int ticks) {
    char text[32];
    std::snprintf(text, sizeof text, "%d.%02d s", ticks * kTickMs / 1000,
                  ticks * kTickMs % 1000 / 10);
    return text;
}

std::string trackSummary(const TrackStore& store) {
    int withEvents = 0;
    int last = -1;
    for (int t = 0; t < kTrackCount; ++t) {
        const int tick = lastEventTick(store, t);
        if (tick >= 0) ++withEvents;
        last = std::max(last, tick);
    }
    std::string text = std::to_string(withEvents) + " tracks with events";
    if (last >= 0)
        text += ", last event at tick " + std::to_string(last) + " (" + seconds(last) + ")";
    return text;
}

}  // namespace

std::string summaryLine(const LoadedShow& loaded, OwnedShowTables& tables) {
    if (loaded.refused) {
        return (loaded.kindKnown ? std::string(kindName(loaded.kind)) + ": " : std::string()) +
               "refused: " + loaded.reason;
    }
    const std::string line = std::string(kindName(loaded.kind)) + ", version " +
                             versionText(loaded) + " (" + std::to_string(loaded.size) + " bytes)";
    switch (loaded.kind) {
        case ShowKind::Seq:
        case ShowKind::Sfr:
            return line + ": " + sequencerSummary(tables.sequencer);
        case ShowKind::Trk:
            return line + ": " + trackSummary(tables.tracks);
        case ShowKind::Set:
            return line + ": system data snapshot";
    }
    return line;
}

}  // namespace wl::tool
