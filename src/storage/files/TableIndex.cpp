#include "storage/files/TableIndex.h"

#include <stdexcept>
#include <string>

namespace wl {

namespace {

using Access = std::span<std::byte> (*)(ShowTables&);

struct NamedTable {
    std::string_view name;
    Access access;
};

std::span<std::byte> frameBytes(Frame& frame) {
    return bytesOf(frame).subspan(1);  // index 0 is not a channel
}

std::span<std::byte> planeBytes(TrackPlane& plane) {
    return std::as_writable_bytes(std::span(plane.data(), kPlaneBytes));
}

std::span<std::byte> vectorBytes(std::vector<std::uint8_t>& table) {
    return bytesOf(table);
}

// Every table any layout names, once.
const NamedTable kTables[] = {
    {"SeqNames", [](ShowTables& t) { return bytesOf(t.sequencer.SeqNames); }},
    {"SceneStore", [](ShowTables& t) { return t.sequencer.SceneStore.fileBytes(); }},
    {"LinkMask", [](ShowTables& t) { return bytesOf(t.sequencer.LinkMask); }},
    {"SceneCtrl", [](ShowTables& t) { return bytesOf(t.sequencer.SceneCtrl); }},
    {"SeqJob", [](ShowTables& t) { return bytesOf(t.sequencer.SeqJob); }},
    {"SettingsRec", [](ShowTables& t) { return bytesOf(t.settings.SettingsRec); }},
    {"SettingsFlags", [](ShowTables& t) { return bytesOf(t.settings.SettingsFlags); }},
    {"PosSpot", [](ShowTables& t) { return bytesOf(t.sequencer.PosSpot); }},
    {"PosKlapan", [](ShowTables& t) { return bytesOf(t.sequencer.PosKlapan); }},
    {"LibPage", [](ShowTables& t) { return bytesOf(t.sequencer.LibPage); }},
    {"SeqSpare2", [](ShowTables& t) { return bytesOf(t.sequencer.SeqSpare2); }},
    {"PosAreaScrl", [](ShowTables& t) { return bytesOf(t.sequencer.PosAreaScrl); }},
    {"SeqType", [](ShowTables& t) { return bytesOf(t.sequencer.SeqType); }},
    {"SeqSource", [](ShowTables& t) { return bytesOf(t.sequencer.SeqSource); }},
    {"SeqSourceSeq", [](ShowTables& t) { return bytesOf(t.sequencer.SeqSourceSeq); }},
    {"SeqDivider", [](ShowTables& t) { return bytesOf(t.sequencer.SeqDivider); }},
    {"SeqSpare1", [](ShowTables& t) { return bytesOf(t.sequencer.SeqSpare1); }},
    {"ChannelMin", [](ShowTables& t) { return frameBytes(t.channels.ChannelMin); }},
    {"ChannelMax", [](ShowTables& t) { return frameBytes(t.channels.ChannelMax); }},
    {"ChannelTestLevel", [](ShowTables& t) { return frameBytes(t.channels.ChannelTestLevel); }},
    {"ChannelTestCheck", [](ShowTables& t) { return frameBytes(t.channels.ChannelTestCheck); }},
    {"Reserved", [](ShowTables& t) { return bytesOf(t.fileOnly.Reserved); }},
    {"KeySeq", [](ShowTables& t) { return bytesOf(t.kits.KeySeq); }},
    {"KeyScene", [](ShowTables& t) { return bytesOf(t.kits.KeyScene); }},
    {"KeyAux", [](ShowTables& t) { return bytesOf(t.kits.KeyAux); }},
    {"KeyMode", [](ShowTables& t) { return bytesOf(t.kits.KeyMode); }},
    {"TrackNameClip", [](ShowTables& t) { return bytesOf(t.clips.TrackNameClip); }},
    {"TrackAdvanceClip", [](ShowTables& t) { return bytesOf(t.clips.TrackAdvanceClip); }},
    {"ChannelNames", [](ShowTables& t) { return bytesOf(t.sequencer.ChannelNames); }},
    {"InfToDmx", [](ShowTables& t) { return bytesOf(t.sequencer.InfToDmx); }},
    {"InfMinPump", [](ShowTables& t) { return bytesOf(t.sequencer.InfMinPump); }},
    {"ShedNames", [](ShowTables& t) { return bytesOf(t.schedule.ShedNames); }},
    {"ShedFiles", [](ShowTables& t) { return bytesOf(t.schedule.ShedFiles); }},
    {"ShedSpare1", [](ShowTables& t) { return bytesOf(t.schedule.ShedSpare1); }},
    {"ShedWeekDay", [](ShowTables& t) { return bytesOf(t.schedule.ShedWeekDay); }},
    {"ShedDay", [](ShowTables& t) { return bytesOf(t.schedule.ShedDay); }},
    {"ShedMonth", [](ShowTables& t) { return bytesOf(t.schedule.ShedMonth); }},
    {"ShedHour", [](ShowTables& t) { return bytesOf(t.schedule.ShedHour); }},
    {"ShedMinute", [](ShowTables& t) { return bytesOf(t.schedule.ShedMinute); }},
    {"ShedSecond", [](ShowTables& t) { return bytesOf(t.schedule.ShedSecond); }},
    {"ShedMode", [](ShowTables& t) { return bytesOf(t.schedule.ShedMode); }},
    {"ShedSpare2", [](ShowTables& t) { return bytesOf(t.schedule.ShedSpare2); }},
    {"MacroStore", [](ShowTables& t) { return t.foreign.MacroStore; }},
    {"MacroMode", [](ShowTables& t) { return t.foreign.MacroMode; }},
    {"MacroTabA", [](ShowTables& t) { return t.foreign.MacroTabA; }},
    {"MacroTabB", [](ShowTables& t) { return t.foreign.MacroTabB; }},
    {"MacroTabC", [](ShowTables& t) { return t.foreign.MacroTabC; }},
    {"InfLgtMode", [](ShowTables& t) { return bytesOf(t.sequencer.InfLgtMode); }},
    {"InfLgtLeng", [](ShowTables& t) { return bytesOf(t.sequencer.InfLgtLeng); }},
    {"InfLgtAddr", [](ShowTables& t) { return bytesOf(t.sequencer.InfLgtAddr); }},
    {"InfLgtSpare1", [](ShowTables& t) { return bytesOf(t.sequencer.InfLgtSpare1); }},
    {"InfLgtSpare2", [](ShowTables& t) { return bytesOf(t.sequencer.InfLgtSpare2); }},
    {"InfLgtSpare3", [](ShowTables& t) { return bytesOf(t.sequencer.InfLgtSpare3); }},
    {"Header", [](ShowTables& t) { return bytesOf(t.tracks.Header); }},
    {"TrackNames", [](ShowTables& t) { return bytesOf(t.tracks.TrackNames); }},
    {"TrackParams", [](ShowTables& t) { return bytesOf(t.tracks.Params.bytes); }},
    {"EffectNames", [](ShowTables& t) { return t.foreign.EffectNames; }},
    {"EffectType", [](ShowTables& t) { return t.foreign.EffectType; }},
    {"EffectSeq", [](ShowTables& t) { return t.foreign.EffectSeq; }},
    {"EffectStart", [](ShowTables& t) { return t.foreign.EffectStart; }},
    {"EffectFinish", [](ShowTables& t) { return t.foreign.EffectFinish; }},
    {"EffectTime", [](ShowTables& t) { return t.foreign.EffectTime; }},
    {"EffectLevel", [](ShowTables& t) { return t.foreign.EffectLevel; }},
    {"TrackAdvance", [](ShowTables& t) { return bytesOf(t.tracks.TrackAdvance); }},
    {"TrackKeyMode", [](ShowTables& t) { return bytesOf(t.tracks.TrackKeyMode); }},
    {"TrackKeySeq", [](ShowTables& t) { return bytesOf(t.tracks.TrackKeySeq); }},
    {"TrackKeyScene", [](ShowTables& t) { return bytesOf(t.tracks.TrackKeyScene); }},
    {"TrackOffset", [](ShowTables& t) { return bytesOf(t.tracks.TrackOffset); }},
    {"TrackSweep", [](ShowTables& t) { return bytesOf(t.tracks.TrackSweep); }},
    {"TrackSeq", [](ShowTables& t) { return planeBytes(t.tracks.TrackSeq); }},
    {"TrackScene", [](ShowTables& t) { return planeBytes(t.tracks.TrackScene); }},
    {"TrackLevel", [](ShowTables& t) { return planeBytes(t.tracks.TrackLevel); }},
    {"TrackCmd", [](ShowTables& t) { return planeBytes(t.tracks.TrackCmd); }},
    {"TrackAux", [](ShowTables& t) { return planeBytes(t.tracks.TrackAux); }},
    {"TrackSpare1", [](ShowTables& t) { return planeBytes(t.tracks.TrackSpare1); }},
    {"TrackSpare2", [](ShowTables& t) { return planeBytes(t.tracks.TrackSpare2); }},
    {"TrackSpare3", [](ShowTables& t) { return planeBytes(t.tracks.TrackSpare3); }},
    {"TrackSpare4", [](ShowTables& t) { return planeBytes(t.tracks.TrackSpare4); }},
    {"OldSeqNames", [](ShowTables& t) { return bytesOf(t.fileOnly.OldSeqNames); }},
    {"OldScenes", [](ShowTables& t) { return vectorBytes(t.fileOnly.OldScenes); }},
    {"OldLinks", [](ShowTables& t) { return bytesOf(t.fileOnly.OldLinks); }},
    {"OldSceneCtrl", [](ShowTables& t) { return bytesOf(t.fileOnly.OldSceneCtrl); }},
    {"OldViewPos", [](ShowTables& t) { return bytesOf(t.fileOnly.OldViewPos); }},
    {"OldTrackNames", [](ShowTables& t) { return bytesOf(t.fileOnly.OldTrackNames); }},
    {"OldEffectNames", [](ShowTables& t) { return bytesOf(t.fileOnly.OldEffectNames); }},
    {"OldTrackSeq", [](ShowTables& t) { return vectorBytes(t.fileOnly.OldTrackSeq); }},
    {"OldTrackScene", [](ShowTables& t) { return vectorBytes(t.fileOnly.OldTrackScene); }},
    {"OldTrackLevel", [](ShowTables& t) { return vectorBytes(t.fileOnly.OldTrackLevel); }},
    {"OldTrackCmd", [](ShowTables& t) { return vectorBytes(t.fileOnly.OldTrackCmd); }},
};

Access accessOf(std::string_view name) {
    for (const NamedTable& table : kTables) {
        if (table.name == name) return table.access;
    }
    throw std::logic_error("no table named " + std::string(name));
}

}  // namespace

std::span<std::byte> tableBytes(ShowTables& tables, std::string_view name) {
    return accessOf(name)(tables);
}

Layout layoutOf(std::span<const BlockSpec> specs) {
    Layout layout;
    layout.reserve(specs.size());
    for (const BlockSpec& spec : specs) {
        if (spec.table == kSkipped) {
            layout.push_back({"skipped", spec.bytes, {}});
        } else {
            layout.push_back({spec.table, spec.bytes, accessOf(spec.table)});
        }
    }
    return layout;
}

}  // namespace wl
