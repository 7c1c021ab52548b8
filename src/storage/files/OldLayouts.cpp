#include "storage/files/OldLayouts.h"

#include <vector>

#include "storage/files/FileLayouts.h"
#include "storage/files/TableIndex.h"

namespace wl {

namespace {

using Specs = std::vector<BlockSpec>;

constexpr std::size_t kOldScenesBlock = 4'194'304;
constexpr std::size_t kOldPlaneBlock = 521'600;

Specs joined(Specs first, const Specs& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

Specs repeated(std::size_t count, BlockSpec block) {
    return Specs(count, block);
}

Specs oldKits() {
    return {{"KeySeq", 2048}, {"KeyScene", 2048}, {"KeyAux", 2048}, {"KeyMode", 2048}};
}

// The opening shared by versions 1, 4, 5 and 6: scenes, links, scene control and run modes of 32
// sequences, then three unused 32-byte blocks and the kits.
Specs old32Sequences() {
    return joined({{"OldScenes", kOldScenesBlock},
                   {"OldLinks", 16'384},
                   {"OldSceneCtrl", 16'384},
                   {"SeqJob", 32},
                   {kSkipped, 32},
                   {kSkipped, 32},
                   {kSkipped, 32}},
                  oldKits());
}

Specs version1() {
    return joined(joined({{kSkipped, 1024}}, old32Sequences()), {{kSkipped, 1024},
                                                                 {"ChannelMin", 512},
                                                                 {"ChannelMax", 512},
                                                                 {"ChannelTestLevel", 512},
                                                                 {kSkipped, 512},
                                                                 {kSkipped, 512},
                                                                 {"ChannelTestCheck", 512},
                                                                 {kSkipped, 512},
                                                                 {"TrackKeyMode", 31},
                                                                 {"TrackKeySeq", 31},
                                                                 {"TrackKeyScene", 31}});
}

Specs version2() {
    return joined({{"OldSeqNames", 1024},
                   {"OldScenes", kOldScenesBlock},
                   {"OldLinks", 32'768},
                   {"OldSceneCtrl", 16'384},
                   {"SeqJob", 32},
                   {"OldViewPos", 1024},
                   {kSkipped, 1024},
                   {"SettingsRec", 1024},
                   {"SettingsFlags", 256},
                   {kSkipped, 1024},
                   {"ChannelMin", 512},
                   {"ChannelMax", 512},
                   {"ChannelTestLevel", 512},
                   {kSkipped, 512},
                   {"ChannelTestCheck", 512}},
                  joined(oldKits(), {{kSkipped, 2048}}));
}

Specs version3() {
    return joined(version2(), joined(joined({{"TrackNameClip", 512},
                                             {"TrackAdvanceClip", 32},
                                             {kSkipped, 8192},
                                             {kSkipped, 8192},
                                             {"ChannelNames", 8192},
                                             {kSkipped, 16'384}},
                                            repeated(4, {kSkipped, 512})),
                                     joined({{"ShedNames", 512},
                                             {"ShedMonth", 32},
                                             {"ShedDay", 32},
                                             {"ShedWeekDay", 32},
                                             {"ShedHour", 32},
                                             {"ShedMinute", 32},
                                             {"ShedMode", 32},
                                             {"ShedSpare2", 32}},
                                            repeated(5, {kSkipped, 64}))));
}

// Versions 4 and 6 end their channel tables the same way.
Specs oldChannelTail() {
    return {{kSkipped, 1024}, {kSkipped, 1024}, {"ChannelMin", 512}, {"ChannelMax", 512},
            {kSkipped, 512},  {kSkipped, 512},  {kSkipped, 512},     {"ChannelTestCheck", 512}};
}

Specs version4() {
    return joined(joined({{kSkipped, 1024}}, old32Sequences()),
                  joined(oldChannelTail(), {{kSkipped, 512}}));
}

Specs version6() {
    return joined(
        joined(joined(repeated(4, {kSkipped, 1024}), {{"OldSeqNames", 1024}}), old32Sequences()),
        oldChannelTail());
}

Specs version8() {
    return joined(version3(), {{"MacroStore", 16'384}, {kSkipped, 16'384}});
}

// Version 11 is the current layout before the light influence: it has an unused block after the
// sequence tables and another before the manual-override flags.
Specs version11() {
    const std::span<const BlockSpec> current = seqBlockSpecs();
    const auto part = [&](std::size_t first, std::size_t count) {
        const auto from = current.subspan(first, count);
        return Specs(from.begin(), from.end());
    };
    constexpr std::size_t kSequenceTables = 17;  // names .. SeqSpare1
    constexpr std::size_t kChannelLimits = 3;    // ChannelMin .. ChannelTestLevel
    constexpr std::size_t kUpToMacros = 27;      // ChannelTestCheck .. MacroTabC
    return joined(joined(joined(part(0, kSequenceTables), {{kSkipped, 8192}}),
                         joined(part(kSequenceTables, kChannelLimits), {{kSkipped, 4096}})),
                  part(kSequenceTables + kChannelLimits, kUpToMacros));
}

Specs oldTrackPlanes() {
    return {{"OldTrackSeq", kOldPlaneBlock},
            {"OldTrackScene", kOldPlaneBlock},
            {"OldTrackLevel", kOldPlaneBlock},
            {"OldTrackCmd", kOldPlaneBlock},
            {"TrackAux", kOldPlaneBlock}};
}

Specs version22() {
    return joined({{"OldTrackNames", 512},
                   {"TrackParams", 4096},
                   {"OldEffectNames", 1024},
                   {"EffectType", 64},
                   {"EffectSeq", 64},
                   {"EffectStart", 256},
                   {"EffectFinish", 256},
                   {"EffectTime", 256},
                   {"EffectLevel", 256},
                   {"TrackAdvance", 32},
                   {"TrackKeyMode", 32},
                   {"TrackKeySeq", 32},
                   {"TrackKeyScene", 32}},
                  oldTrackPlanes());
}

Specs version21() {
    return joined(joined({{"Header", 256}}, version22()),
                  {{kSkipped, 1024}, {kSkipped, 4096}, {kSkipped, 4096}});
}

Specs version24() {
    return joined({{"TrackParams", 1024},
                   {"TrackAdvance", 32},
                   {"TrackKeyMode", 32},
                   {"TrackKeySeq", 32},
                   {"TrackKeyScene", 32}},
                  oldTrackPlanes());
}

Specs version23() {
    return joined(version24(), {{"OldTrackNames", 512}});
}

OldLayout readable(int version, std::int64_t size, const Specs& specs) {
    return {version, size, true, layoutOf(specs)};
}

OldLayout unreadable(int version, std::int64_t size) {
    return {version, size, false, {}};
}

// In the order the sizes are compared.
std::vector<OldLayout> seqLayouts() {
    std::vector<OldLayout> layouts;
    layouts.push_back(readable(1, 4'241'117, version1()));
    layouts.push_back(readable(2, 4'261'664, version2()));
    layouts.push_back(readable(3, 4'306'272, version3()));
    layouts.push_back(readable(4, 4'242'048, version4()));
    layouts.push_back(readable(5, 4'235'392, old32Sequences()));
    layouts.push_back(readable(6, 4'245'632, version6()));
    layouts.push_back(unreadable(7, 101'306'912));
    layouts.push_back(readable(8, 4'339'040, version8()));
    layouts.push_back(unreadable(9, 101'330'336));
    layouts.push_back(unreadable(10, 101'379'488));
    layouts.push_back(readable(11, 270'020'768, version11()));
    layouts.push_back(unreadable(11, 101'373'088));
    return layouts;
}

std::vector<OldLayout> trackLayouts() {
    std::vector<OldLayout> layouts;
    layouts.push_back(readable(21, 2'624'384, version21()));
    layouts.push_back(readable(22, 2'614'912, version22()));
    layouts.push_back(readable(23, 2'609'664, version23()));
    layouts.push_back(readable(24, 2'609'152, version24()));
    return layouts;
}

const std::vector<OldLayout>& seqTable() {
    static const std::vector<OldLayout> layouts = seqLayouts();
    return layouts;
}

const std::vector<OldLayout>& trackTable() {
    static const std::vector<OldLayout> layouts = trackLayouts();
    return layouts;
}

const OldLayout* findBySize(const std::vector<OldLayout>& layouts, std::int64_t size) {
    for (const OldLayout& layout : layouts) {
        if (layout.size == size) return &layout;
    }
    return nullptr;
}

std::vector<std::int64_t> readableSizes(const std::vector<OldLayout>& layouts) {
    std::vector<std::int64_t> sizes;
    for (const OldLayout& layout : layouts) {
        if (layout.readable) sizes.push_back(layout.size);
    }
    return sizes;
}

}  // namespace

const OldLayout* oldSeqLayout(std::int64_t size) {
    return findBySize(seqTable(), size);
}

const OldLayout* oldTrackLayout(std::int64_t size) {
    return findBySize(trackTable(), size);
}

std::vector<std::int64_t> readableOldSeqSizes() {
    return readableSizes(seqTable());
}

std::vector<std::int64_t> readableOldTrackSizes() {
    return readableSizes(trackTable());
}

}  // namespace wl
