#include <gtest/gtest.h>

#include "FileTestBed.h"
#include "storage/files/StoreReset.h"

namespace wl::test {
namespace {

TEST(StoreReset, TablesTakeTheirResetValuesAndKeptOnesStay) {
    FileTestBed bed;
    ShowTables& t = bed.tables;
    t.sequencer.PosAreaScrl[3] = 9;
    t.sequencer.InfToDmx[3] = 100;
    t.sequencer.SeqSpare1[3] = 2;
    t.clips.TrackAdvanceClip[31] = 5;
    t.clips.TrackAdvanceClip[32] = 6;
    t.fileOnly.Reserved[0] = 1;
    t.foreign.MacroNames[0] = std::byte{'M'};
    t.channels.ChannelTestCheck[5] = 1;
    ResetStore(t, false);

    EXPECT_EQ(t.sequencer.PosAreaScrl[3], 9);
    EXPECT_EQ(t.sequencer.InfToDmx[3], 100);
    EXPECT_EQ(t.sequencer.SeqSpare1[3], 2);
    EXPECT_EQ(t.clips.TrackAdvanceClip[31], 0);
    EXPECT_EQ(t.clips.TrackAdvanceClip[32], 6);
    EXPECT_EQ(t.fileOnly.Reserved[0], 0);
    EXPECT_EQ(t.foreign.MacroNames[0], std::byte{0});
    EXPECT_EQ(t.channels.ChannelTestCheck[5], 0);
    EXPECT_EQ(t.channels.ChannelMax[4096], 255);
    EXPECT_EQ(t.kits.KeyScene[0], 255);
    EXPECT_EQ(t.sequencer.InfLgtLeng[0], 2);
    EXPECT_EQ(t.settings.SettingsRec[81], 255);
    EXPECT_EQ(std::string(t.schedule.ShedNames[0].begin(), t.schedule.ShedNames[0].end()),
              "Name Shedule 01 ");
    EXPECT_EQ(t.schedule.ShedHour[0], 1);
}

}  // namespace
}  // namespace wl::test
