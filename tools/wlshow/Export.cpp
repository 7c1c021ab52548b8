#include "Export.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>

#include "JsonWriter.h"
#include "ResetCompare.h"

namespace wl::tool {

namespace {

constexpr std::uint8_t kChannelMaxReset = 255;
constexpr std::int32_t kEffectTickReset = 1;
constexpr std::int32_t kEffectTimeReset = 31;

template <std::size_t N>
std::string nameOf(const std::array<char, N>& name) {
    return nameText(name.data(), N);
}

void writeVersion(JsonWriter& json, const LoadedShow& loaded) {
    json.key("kind").value(kindName(loaded.kind)).key("size").value(loaded.size).key("version");
    if (loaded.version == 0) {
        json.value("current");
    } else {
        json.value(std::int64_t{loaded.version});
    }
}

void writeLinked(JsonWriter& json, const SequencerStore& store, int seq) {
    json.key("linked").beginArray();
    const auto& links = store.LinkMask[seq];
    for (int ch = 0; ch < kSceneChannels; ++ch) {
        if (links[ch] == 0) continue;
        const int from = ch;
        while (ch + 1 < kSceneChannels && links[ch + 1] != 0) ++ch;
        json.beginArray().value(std::int64_t{from + 1}).value(std::int64_t{ch + 1}).endArray();
    }
    json.endArray();
}

void writeLevels(JsonWriter& json, const SequencerStore& store, int seq) {
    json.key("levels").beginObject();
    for (int scene = 0; scene < kSceneCount; ++scene) {
        json.key(std::to_string(scene)).beginArray();
        const auto levels = store.SceneStore.scene(seq, scene);
        for (int ch = 0; ch < kSceneChannels; ++ch) {
            if (store.LinkMask[seq][ch] != 0) json.value(std::int64_t{levels[ch]});
        }
        json.endArray();
    }
    json.endObject();
}

// `whole`: the sequencer file holds every per-sequence table; a ".sfr" only name, links and words.
void writeSequence(JsonWriter& json, const SequencerStore& store, int seq, bool whole,
                   bool levels) {
    json.beginObject().key("seq").value(std::int64_t{seq});
    json.key("name").value(nameOf(store.SeqNames[seq]));
    if (whole) {
        json.key("job").value(std::int64_t{store.SeqJob[seq]});
        json.key("source").value(std::int64_t{store.SeqSource[seq]});
        json.key("sourceSeq").value(std::int64_t{store.SeqSourceSeq[seq]});
        json.key("divider").value(std::int64_t{store.SeqDivider[seq]});
        json.key("type").value(std::int64_t{store.SeqType[seq]});
    }
    json.key("control").beginArray();
    for (std::uint16_t word : store.SceneCtrl[seq]) json.value(std::int64_t{word});
    json.endArray();
    writeLinked(json, store, seq);
    if (levels) writeLevels(json, store, seq);
    json.endObject();
}

void writeSequences(JsonWriter& json, const SequencerStore& store, std::optional<int> levelsOf) {
    json.key("sequences").beginArray();
    for (int seq = 0; seq < kSequenceCount; ++seq) {
        const bool levels = levelsOf == seq;
        if (levels || sequenceUsed(store, seq)) writeSequence(json, store, seq, true, levels);
    }
    json.endArray();
}

template <typename Table>
void writeNonZero(JsonWriter& json, const char* name, const Table& table) {
    json.key(name).beginObject();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i] != 0) json.key(std::to_string(i)).value(std::int64_t{table[i]});
    }
    json.endObject();
}

void writeChannels(JsonWriter& json, const SequencerStore& store, const ChannelSpace& space) {
    json.key("channels").beginObject();
    for (int n = 1; n <= kChannelCount; ++n) {
        const Name& name = store.ChannelNames[n - 1];
        if (!nameUsed(name) && space.ChannelMin[n] == 0 &&
            space.ChannelMax[n] == kChannelMaxReset && space.ChannelTestLevel[n] == 0 &&
            space.ChannelTestCheck[n] == 0) {
            continue;
        }
        json.key(std::to_string(n)).beginObject();
        json.key("name").value(nameOf(name));
        json.key("min").value(std::int64_t{space.ChannelMin[n]});
        json.key("max").value(std::int64_t{space.ChannelMax[n]});
        json.key("level").value(std::int64_t{space.ChannelTestLevel[n]});
        json.key("check").value(std::int64_t{space.ChannelTestCheck[n]});
        json.endObject();
    }
    json.endObject();
}

void writeSettings(JsonWriter& json, const SettingsRecord& settings) {
    writeNonZero(json, "settingsRec", settings.SettingsRec);
    writeNonZero(json, "settingsFlags", settings.SettingsFlags);
}

void writeParams(JsonWriter& json, const TrackParams& params) {
    constexpr std::pair<const char*, TrackParam> kFields[] = {
        {"MusicVolume", TrackParam::MusicVolume},   {"TrackTab", TrackParam::TrackTab},
        {"TrackPosRecs", TrackParam::TrackPosRecs}, {"TrackNombA", TrackParam::TrackNombA},
        {"TrackNombB", TrackParam::TrackNombB},     {"TrackNombC", TrackParam::TrackNombC},
        {"KitGroup", TrackParam::KitGroup},         {"FftBpm", TrackParam::FftBpm},
        {"FftGain", TrackParam::FftGain},           {"EffectNo", TrackParam::EffectNo},
    };
    json.key("params").beginObject();
    for (const auto& [name, field] : kFields) json.key(name).value(std::int64_t{params.get(field)});
    json.endObject();
}

void writeTracks(JsonWriter& json, TrackStore& store) {
    json.key("tracks").beginArray();
    for (int t = 0; t < kTrackCount; ++t) {
        json.beginObject().key("track").value(std::int64_t{t});
        json.key("name").value(nameOf(store.TrackNames[t]));
        json.key("advance").value(std::int64_t{store.TrackAdvance[t]});
        json.key("offset").value(std::int64_t{store.TrackOffset[t]});
        json.key("sweep").value(std::int64_t{store.TrackSweep[t]});
        json.key("keyMode").value(std::int64_t{store.TrackKeyMode[t]});
        json.key("keySeq").value(std::int64_t{store.TrackKeySeq[t]});
        json.key("keyScene").value(std::int64_t{store.TrackKeyScene[t]});
        json.endObject();
    }
    json.endArray();
}

bool effectAtReset(const EffectTable& e, int k) {
    return !nameUsed(e.EffectNames[k]) && e.EffectType[k] == kEffectQuickly &&
           e.EffectSeq[k] == k && e.EffectStart[k] == kEffectTickReset &&
           e.EffectFinish[k] == kEffectTickReset && e.EffectTime[k] == kEffectTimeReset &&
           e.EffectLevel[k] == 0;
}

void writeEffects(JsonWriter& json, const EffectTable& e) {
    json.key("effects").beginArray();
    for (int k = 0; k < kEffectCount; ++k) {
        if (effectAtReset(e, k)) continue;
        json.beginObject().key("effect").value(std::int64_t{k});
        json.key("name").value(nameOf(e.EffectNames[k]));
        json.key("type").value(std::int64_t{e.EffectType[k]});
        json.key("seq").value(std::int64_t{e.EffectSeq[k]});
        json.key("start").value(std::int64_t{e.EffectStart[k]});
        json.key("finish").value(std::int64_t{e.EffectFinish[k]});
        json.key("time").value(std::int64_t{e.EffectTime[k]});
        json.key("level").value(std::int64_t{e.EffectLevel[k]});
        json.endObject();
    }
    json.endArray();
}

void writeRecords(JsonWriter& json, const TrackStore& store) {
    json.key("records").beginArray();
    for (int t = 0; t < kTrackCount; ++t) {
        for (int s = 0; s < kTrackTicks; ++s) {
            const std::uint8_t record[] = {store.TrackSeq.at(t, s), store.TrackScene.at(t, s),
                                           store.TrackLevel.at(t, s), store.TrackCmd.at(t, s),
                                           store.TrackAux.at(t, s)};
            if (record[0] == kEmptySeq && record[1] == kEmptyScene && record[2] == 0 &&
                record[3] == 0 && record[4] == 0) {
                continue;
            }
            json.beginArray().value(std::int64_t{t}).value(std::int64_t{s});
            for (std::uint8_t byte : record) json.value(std::int64_t{byte});
            json.endArray();
        }
    }
    json.endArray();
}

}  // namespace

std::string nameText(const char* bytes, std::size_t length) {
    QByteArray raw(bytes, static_cast<qsizetype>(length));
    for (char& c : raw) {
        if (static_cast<unsigned char>(c) <= ' ') c = ' ';
    }
    while (!raw.isEmpty() && raw.back() == ' ') raw.chop(1);
    QStringDecoder decoder("windows-1251");
    const QString text = decoder.isValid() ? decoder.decode(raw) : QString::fromLatin1(raw);
    return text.toStdString();
}

void exportJson(std::ostream& out, const LoadedShow& loaded, OwnedShowTables& t,
                std::optional<int> levelsOf) {
    JsonWriter json(out);
    json.beginObject();
    writeVersion(json, loaded);
    switch (loaded.kind) {
        case ShowKind::Seq:
            writeSequences(json, t.sequencer, levelsOf);
            writeSettings(json, t.settings);
            writeChannels(json, t.sequencer, t.channels);
            break;
        case ShowKind::Trk:
            json.key("header").value(nameText(t.tracks.Header.data(), t.tracks.Header.size()));
            writeParams(json, t.tracks.Params);
            writeTracks(json, t.tracks);
            writeEffects(json, t.effects);
            writeRecords(json, t.tracks);
            break;
        case ShowKind::Sfr:
            json.key("sequences").beginArray();
            writeSequence(json, t.sequencer, 0, false, levelsOf.has_value());
            json.endArray();
            break;
        case ShowKind::Set:
            writeSettings(json, t.settings);
            writeChannels(json, t.sequencer, t.channels);
            break;
    }
    json.endObject();
    out << '\n';
}

}  // namespace wl::tool
