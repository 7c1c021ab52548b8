#include "storage/files/FileLayouts.h"

#include "storage/files/TableIndex.h"

namespace wl {

namespace {

constexpr BlockSpec kSeqBlocks[] = {
    {"SeqNames", 4096},
    {"SceneStore", 268'435'456},
    {"LinkMask", 1'048'576},
    {"SceneCtrl", 131'072},
    {"SeqJob", 256},
    {"SettingsRec", 1024},
    {"SettingsFlags", 256},
    {"PosSpot", 512},
    {"PosKlapan", 512},
    {"LibPage", 256},
    {"SeqSpare2", 256},
    {"PosAreaScrl", 512},
    {"SeqType", 256},
    {"SeqSource", 256},
    {"SeqSourceSeq", 256},
    {"SeqDivider", 256},
    {"SeqSpare1", 256},
    {"ChannelMin", 4096},
    {"ChannelMax", 4096},
    {"ChannelTestLevel", 4096},
    {"ChannelTestCheck", 4096},
    {"Reserved", 896},
    {"KeySeq", 2048},
    {"KeyScene", 2048},
    {"KeyAux", 2048},
    {"KeyMode", 2048},
    {"TrackNameClip", 960},
    {"TrackAdvanceClip", 64},
    {"ChannelNames", 61'440},
    {"InfToDmx", 512},
    {"InfMinPump", 256},
    {"ShedNames", 480},
    {"ShedFiles", 8192},
    {"ShedSpare1", 32},
    {"ShedWeekDay", 32},
    {"ShedDay", 32},
    {"ShedMonth", 32},
    {"ShedHour", 32},
    {"ShedMinute", 32},
    {"ShedSecond", 32},
    {"ShedMode", 32},
    {"ShedSpare2", 32},
    {"MacroStore", 262'144},
    {"MacroMode", 32},
    {"MacroTabA", 8192},
    {"MacroTabB", 8192},
    {"MacroTabC", 8192},
    {"InfLgtMode", 256},
    {"InfLgtLeng", 256},
    {"InfLgtAddr", 512},
    {"InfLgtSpare1", 256},
    {"InfLgtSpare2", 512},
    {"InfLgtSpare3", 512},
};

constexpr BlockSpec kTrackBlocks[] = {
    {"Header", 256},
    {"TrackNames", 960},
    {"TrackParams", 4096},
    {"EffectNames", 960},
    {"EffectType", 64},
    {"EffectSeq", 64},
    {"EffectStart", 256},
    {"EffectFinish", 256},
    {"EffectTime", 256},
    {"EffectLevel", 256},
    {"TrackAdvance", 64},
    {"TrackKeyMode", 64},
    {"TrackKeySeq", 64},
    {"TrackKeyScene", 64},
    {"TrackOffset", 64},
    {"TrackSweep", 64},
    {"TrackSeq", kStoredPlaneBytes},
    {"TrackScene", kStoredPlaneBytes},
    {"TrackLevel", kStoredPlaneBytes},
    {"TrackCmd", kStoredPlaneBytes},
    {"TrackAux", kStoredPlaneBytes},
    {"TrackSpare1", kStoredPlaneBytes},
    {"TrackSpare2", kStoredPlaneBytes},
    {"TrackSpare3", kStoredPlaneBytes},
    {"TrackSpare4", kStoredPlaneBytes},
};

constexpr BlockSpec kSetBlocks[] = {
    {"ChannelNames", 61'440}, {"ShedNames", 480},         {"ChannelMin", 4096},
    {"ChannelMax", 4096},     {"ChannelTestLevel", 4096}, {"ShedFiles", 8192},
    {"ShedSpare1", 32},       {"ShedWeekDay", 32},        {"ShedDay", 32},
    {"ShedMonth", 32},        {"ShedHour", 32},           {"ShedMinute", 32},
    {"ShedSecond", 32},       {"ShedMode", 32},           {"ShedSpare2", 32},
    {"MacroStore", 262'144},  {"MacroMode", 32},          {"MacroTabA", 8192},
    {"MacroTabB", 8192},      {"MacroTabC", 8192},        {"SettingsRec", 1024},
    {"SettingsFlags", 256},
};

}  // namespace

std::span<const BlockSpec> seqBlockSpecs() {
    return kSeqBlocks;
}

const Layout& seqLayout() {
    static const Layout layout = layoutOf(kSeqBlocks);
    return layout;
}

const Layout& trackLayout() {
    static const Layout layout = layoutOf(kTrackBlocks);
    return layout;
}

const Layout& setLayout() {
    static const Layout layout = layoutOf(kSetBlocks);
    return layout;
}

Layout seqFrameLayout(int seq) {
    return {
        {"SeqNames", kNameLength,
         [seq](ShowTables& t) {
             return std::as_writable_bytes(std::span(t.sequencer.SeqNames[seq]));
         }},
        {"SceneStore", kSequenceBytes,
         [seq](ShowTables& t) {
             return std::as_writable_bytes(std::span(t.sequencer.SceneStore.writableSequence(seq)));
         }},
        {"LinkMask", kSceneChannels,
         [seq](ShowTables& t) {
             return std::as_writable_bytes(std::span(t.sequencer.LinkMask[seq]));
         }},
        {"SceneCtrl", kSceneCount * sizeof(std::uint16_t),
         [seq](ShowTables& t) {
             return std::as_writable_bytes(std::span(t.sequencer.SceneCtrl[seq]));
         }},
    };
}

}  // namespace wl
