#include <gtest/gtest.h>

#include "FileTestBed.h"
#include "storage/files/FileLayouts.h"
#include "storage/files/SetFile.h"
#include "storage/files/StoreReset.h"

namespace wl::test {
namespace {

TEST(SetFile, SaveAndLoadRestoreTheSystemDataAndLeaveScenesAlone) {
    FileTestBed bed;
    ResetStore(bed.tables, false);
    SetChannelName(bed.tables.sequencer, 3839, "Pump 12");
    bed.tables.channels.ChannelMax[7] = 180;
    bed.tables.channels.ChannelTestLevel[4096] = 33;
    bed.tables.schedule.ShedMode[31] = 7;
    bed.tables.foreign.MacroTabC.back() = std::byte{1};
    bed.tables.settings.SettingsRec[255] = -5;
    SaveSetFile(bed.session, bed.tables);
    EXPECT_EQ(byteAt(setFilePath(bed.dir()), 66'016 + 6), 180);

    ResetStore(bed.tables, false);
    bed.tables.sequencer.SceneStore.setLevel(1, 1, 1, 4);
    bed.tables.kits.KeySeq[0] = 6;
    LoadSetFile(bed.session, bed.tables);

    EXPECT_EQ(ChannelName(bed.tables.sequencer, 3839), "Pump 12         ");
    EXPECT_EQ(bed.tables.channels.ChannelMax[7], 180);
    EXPECT_EQ(bed.tables.channels.ChannelTestLevel[4096], 33);
    EXPECT_EQ(bed.tables.schedule.ShedMode[31], 7);
    EXPECT_EQ(bed.tables.foreign.MacroTabC.back(), std::byte{1});
    EXPECT_EQ(bed.tables.settings.SettingsRec[255], -5);
    EXPECT_EQ(bed.tables.sequencer.SceneStore[sceneIndex(1, 1, 1)], 4);
    EXPECT_EQ(bed.tables.kits.KeySeq[0], 6);
}

TEST(SetFile, MissingFileIsTold) {
    FileTestBed bed;
    LoadSetFile(bed.session, bed.tables);
    ASSERT_EQ(bed.sys.op.shown.size(), 1u);
    EXPECT_EQ(bed.sys.op.shown[0].text, "No Exists File " + bed.dir() + "Wavelumina.set");
}

TEST(SetFile, AWrongSizeLoadsNothingAndIsReported) {
    FileTestBed bed;
    writeFileWith(setFilePath(bed.dir()), kSetFileBytes + 1, {{66'016, 10}});
    bed.tables.channels.ChannelMax[1] = 77;
    LoadSetFile(bed.session, bed.tables);
    EXPECT_EQ(bed.tables.channels.ChannelMax[1], 77);
    bed.expectRefusedSize("LoadSetFile", setFilePath(bed.dir()), kSetFileBytes + 1, kSetFileBytes);
}

}  // namespace
}  // namespace wl::test
