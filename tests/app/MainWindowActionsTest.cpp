#include "app/MainWindowActions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/Startup.h"
#include "app/System.h"
#include "fakes/TestSystem.h"
#include "sequencer/SequencerStore.h"

namespace wl {
namespace {

// A system after start-up: its program folder holds the default show files.
class MainWindowActionsTest : public ::testing::Test {
  protected:
    MainWindowActionsTest() { MainFormCreate(*ts); }

    test::TestSystem ts;
};

TEST_F(MainWindowActionsTest, OpenTakesTheTrackFileOfTheChosenNameWhateverItsExtension) {
    ts->tracks.TrackSeq.at(3, 100) = 42;
    ts->LastFileTrack = ts.home.dir() + "Projects/song.trk";
    SpeedButtonSaveFileClick(*ts);
    ASSERT_TRUE(std::filesystem::exists(ts.home.path() / "Projects" / "song.trk"));
    ts->tracks.TrackSeq.at(3, 100) = 7;

    ts.op.files = {ts.home.dir() + "Projects/song.TRK"};
    SpeedButtonOpenProjectClick(*ts);

    EXPECT_EQ(ts.op.dialogTitles, (std::vector<std::string>{"Открыть файлы Jetsketch"}));
    EXPECT_EQ(ts->LastFileTrack, ts.home.dir() + "Projects/song.trk");
    EXPECT_EQ(ts->tracks.TrackSeq.at(3, 100), 42);
    EXPECT_EQ(ts->main.caption, "File track: " + ts.home.dir() + "Projects/song.trk");
}

TEST_F(MainWindowActionsTest, CancelledOpenChangesNothing) {
    const std::string before = ts->LastFileTrack;
    ts->tracks.TrackSeq.at(0, 0) = 9;
    SpeedButtonOpenProjectClick(*ts);
    EXPECT_EQ(ts->LastFileTrack, before);
    EXPECT_EQ(ts->tracks.TrackSeq.at(0, 0), 9);
}

TEST_F(MainWindowActionsTest, SaveWritesTrackSequencerAndSettingsFiles) {
    ts->LastFileTrack = ts.home.dir() + "Projects/park.trk";
    ts->sequencer.SeqJob[5] = kJobPlay;
    std::filesystem::remove(ts->LastFileSeq);
    std::filesystem::remove(ts.home.path() / "wavelumina.ini");

    SpeedButtonSaveFileClick(*ts);

    EXPECT_TRUE(std::filesystem::exists(ts.home.path() / "Projects" / "park.trk"));
    EXPECT_EQ(std::filesystem::file_size(ts->LastFileSeq), 270'010'784u);
    EXPECT_TRUE(std::filesystem::exists(ts.home.path() / "wavelumina.ini"));
    EXPECT_TRUE(ts->main.saveEnabled);
}

TEST_F(MainWindowActionsTest, PlayFromStartStopsEverySequenceAndClearsTheFrames) {
    ts->sequencer.SeqJob.fill(kJobPlay);
    ts->channels.OutFrame[77] = 200;
    ts->channels.LightFrame[77] = 0;

    SpeedButtonbeginClick(*ts);

    for (auto job : ts->sequencer.SeqJob) ASSERT_EQ(job, kJobOff);
    EXPECT_EQ(ts->channels.OutFrame[77], 0);
    EXPECT_EQ(ts->channels.LightFrame[77], 255);
    EXPECT_TRUE(ts->showRequests.clearTrackSelection);
    EXPECT_TRUE(ts->showRequests.startMarkToBeginning);
    EXPECT_TRUE(ts->showRequests.rewindSong);
}

// A sequencer file refused at start-up is not written over with the empty tables unasked.
TEST_F(MainWindowActionsTest, SavingOverASequencerFileThatWasNotLoadedAsksFirst) {
    EXPECT_EQ(saveProjectQuestion(*ts), "") << "the default file was loaded";
    const std::string refused = ts.home.dir() + "show.seq";
    { std::ofstream(refused) << "not a show"; }
    ts->LastFileSeq = refused;
    const std::string question = saveProjectQuestion(*ts);
    EXPECT_NE(question.find(refused), std::string::npos) << question;
    EXPECT_NE(question.find("10 bytes"), std::string::npos) << question;
}

}  // namespace
}  // namespace wl
