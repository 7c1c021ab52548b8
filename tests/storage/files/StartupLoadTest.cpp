#include <gtest/gtest.h>

#include <filesystem>

#include "FileTestBed.h"
#include "app/Startup.h"
#include "storage/files/FileLayouts.h"
#include "storage/files/SettingsFile.h"

namespace wl::test {
namespace {

TEST(StartupLoad, OpensTheFilesTheSettingsFileNames) {
    TestSystem ts;
    const std::string dir = ts->ProgramDir;
    std::filesystem::create_directories(dir + "Projects");
    const std::string seq = dir + "park.seq";
    const std::string track = dir + "Projects/song.trk";
    writeFileWith(seq, kSeqFileBytes, {{269'619'456 + 13 * 4, 99}, {269'721'728 + 2, 42}});
    writeFileWith(track, kTrackFileBytes, {{7808, 5}, {6336 + 3, 9}});
    IniFile ini(settingsFilePath(dir));
    ini.set("AreaCount", "CountOpen", "6");
    ini.set("AreaFile", "LastFileSeq", seq);
    ini.set("AreaFile", "LastFileTrack", track);
    ASSERT_EQ(ini.save(), "");

    MainFormCreate(*ts);

    EXPECT_EQ(ts->CountOpen, 7);
    EXPECT_EQ(ts->settings.SettingsRec[13], 99);
    EXPECT_EQ(ts->tracks.TrackSeq.at(0, 0), 5);
    EXPECT_EQ(ts->macros.MacroStore[0][1], 42);
    EXPECT_EQ(ts->effects.EffectSeq[3], 9);
    EXPECT_EQ(ts->main.caption, "File track: " + track);
    EXPECT_TRUE(ts.op.shown.empty());
}

TEST(StartupLoad, ClosingWritesTheSettingsAndTheTrackWhenAsked) {
    for (const bool saveTrack : {false, true}) {
        TestSystem ts;
        MainFormCreate(*ts);
        const std::string track = ts->LastFileTrack;
        std::filesystem::remove(track);
        std::filesystem::remove(settingsFilePath(ts->ProgramDir));
        ts->SaveTrackAfterRecording = saveTrack;

        MainFormClose(*ts);

        EXPECT_EQ(std::filesystem::exists(track), saveTrack);
        EXPECT_EQ(IniFile(settingsFilePath(ts->ProgramDir)).value("AreaFile", "LastFileTrack", ""),
                  track);
    }
}

}  // namespace
}  // namespace wl::test
