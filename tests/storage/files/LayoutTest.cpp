#include <gtest/gtest.h>

#include "storage/files/FileLayouts.h"
#include "storage/files/OldLayouts.h"

namespace wl {
namespace {

TEST(Layouts, CurrentLayoutsAddUpToTheirFileSizes) {
    EXPECT_EQ(seqLayout().size(), 53u);
    EXPECT_EQ(layoutBytes(seqLayout()), kSeqFileBytes);
    EXPECT_EQ(trackLayout().size(), 25u);
    EXPECT_EQ(layoutBytes(trackLayout()), kTrackFileBytes);
    EXPECT_EQ(setLayout().size(), 22u);
    EXPECT_EQ(layoutBytes(setLayout()), kSetFileBytes);
    EXPECT_EQ(layoutBytes(seqFrameLayout(7)), kSeqFrameBytes);
}

TEST(Layouts, BlocksSitAtTheirDocumentedOffsets) {
    const struct {
        const Layout& layout;
        const char* block;
        std::int64_t offset;
    } cases[] = {
        {seqLayout(), "SceneStore", 4096},           {seqLayout(), "SettingsRec", 269'619'456},
        {seqLayout(), "ChannelMin", 269'624'064},    {seqLayout(), "Reserved", 269'640'448},
        {seqLayout(), "TrackNameClip", 269'649'536}, {seqLayout(), "ShedNames", 269'712'768},
        {seqLayout(), "ShedSpare2", 269'721'696},    {seqLayout(), "MacroStore", 269'721'728},
        {seqLayout(), "InfLgtSpare3", 270'010'272},  {trackLayout(), "TrackParams", 1216},
        {trackLayout(), "TrackOffset", 7680},        {trackLayout(), "TrackSeq", 7808},
        {trackLayout(), "TrackSpare4", 8'353'408},   {setLayout(), "ShedFiles", 74'208},
        {setLayout(), "MacroStore", 82'688},         {setLayout(), "SettingsFlags", 370'464},
    };
    for (const auto& c : cases) EXPECT_EQ(blockOffset(c.layout, c.block), c.offset) << c.block;
}

TEST(Layouts, OlderLayoutsAreFoundByTheirSizesAndAddUp) {
    const struct {
        std::int64_t size;
        int version;
        bool readable;
    } cases[] = {
        {4'241'117, 1, true},     {4'261'664, 2, true},    {4'306'272, 3, true},
        {4'242'048, 4, true},     {4'235'392, 5, true},    {4'245'632, 6, true},
        {101'306'912, 7, false},  {4'339'040, 8, true},    {101'330'336, 9, false},
        {101'379'488, 10, false}, {270'020'768, 11, true}, {101'373'088, 11, false},
    };
    for (const auto& c : cases) {
        const OldLayout* layout = oldSeqLayout(c.size);
        ASSERT_NE(layout, nullptr) << c.size;
        EXPECT_EQ(layout->version, c.version);
        EXPECT_EQ(layout->readable, c.readable);
        if (c.readable) {
            EXPECT_EQ(layoutBytes(layout->blocks), c.size) << c.version;
        }
    }
    for (const auto& [size, version] : {std::pair<std::int64_t, int>{2'624'384, 21},
                                        {2'614'912, 22},
                                        {2'609'664, 23},
                                        {2'609'152, 24}}) {
        const OldLayout* layout = oldTrackLayout(size);
        ASSERT_NE(layout, nullptr);
        EXPECT_EQ(layout->version, version);
        EXPECT_EQ(layoutBytes(layout->blocks), size);
    }
    EXPECT_EQ(oldSeqLayout(4'241'118), nullptr);
    EXPECT_EQ(oldSeqLayout(kSeqFileBytes), nullptr);
    EXPECT_EQ(oldTrackLayout(kTrackFileBytes), nullptr);
}

}  // namespace
}  // namespace wl
