#include "app/ProjectFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "app/Engine.h"
#include "app/Startup.h"
#include "app/System.h"
#include "fakes/TestSystem.h"
#include "sequencer/SequencerStore.h"
#include "storage/files/SeqFile.h"

namespace wl {
namespace {

// An engine after start-up: its program folder holds the default show files.
class ProjectFilesTest : public ::testing::Test {
  protected:
    explicit ProjectFilesTest(EngineMode mode = EngineMode::Synchronous) : te(mode) {
        te.engine->edit(MainFormCreate);
    }

    test::TestEngine te;
    System& system = te.system();
};

TEST_F(ProjectFilesTest, OpenTakesTheTrackFileOfTheChosenNameWhateverItsExtension) {
    system.tracks.TrackSeq.at(3, 100) = 42;
    system.LastFileTrack = te.home.dir() + "Projects/song.trk";
    SpeedButtonSaveFileClick(*te.engine);
    ASSERT_TRUE(std::filesystem::exists(te.home.path() / "Projects" / "song.trk"));
    system.tracks.TrackSeq.at(3, 100) = 7;

    te.op.files = {te.home.dir() + "Projects/song.TRK"};
    SpeedButtonOpenProjectClick(*te.engine);

    EXPECT_EQ(te.op.dialogTitles, (std::vector<std::string>{"Открыть файлы Jetsketch"}));
    EXPECT_EQ(system.LastFileTrack, te.home.dir() + "Projects/song.trk");
    EXPECT_EQ(system.tracks.TrackSeq.at(3, 100), 42);
    EXPECT_EQ(system.main.caption, "File track: " + te.home.dir() + "Projects/song.trk");
}

TEST_F(ProjectFilesTest, CancelledOpenChangesNothing) {
    const std::string before = system.LastFileTrack;
    system.tracks.TrackSeq.at(0, 0) = 9;
    SpeedButtonOpenProjectClick(*te.engine);
    EXPECT_EQ(system.LastFileTrack, before);
    EXPECT_EQ(system.tracks.TrackSeq.at(0, 0), 9);
}

TEST_F(ProjectFilesTest, SaveWritesTrackSequencerAndSettingsFiles) {
    system.LastFileTrack = te.home.dir() + "Projects/park.trk";
    system.sequencer.SeqJob[5] = kJobPlay;
    system.sequencer.SceneStore.setLevel(255, 255, 4095, 0x5A);
    std::filesystem::remove(system.LastFileSeq);
    std::filesystem::remove(te.home.path() / "wavelumina.ini");

    SpeedButtonSaveFileClick(*te.engine);

    EXPECT_TRUE(std::filesystem::exists(te.home.path() / "Projects" / "park.trk"));
    EXPECT_EQ(std::filesystem::file_size(system.LastFileSeq), 270'010'784u);
    EXPECT_TRUE(std::filesystem::exists(te.home.path() / "wavelumina.ini"));
    EXPECT_TRUE(system.main.saveEnabled);
    OwnedShowTables saved;
    ShowTables view = saved.view();
    ASSERT_EQ(ReadSeqData(system.LastFileSeq, view).status, ReadOutcome::Status::Loaded);
    EXPECT_EQ(saved.sequencer.SeqJob[5], kJobPlay);
    EXPECT_EQ(saved.sequencer.SceneStore[sceneIndex(255, 255, 4095)], 0x5A);
}

// A sequencer file refused at start-up is not written over with the empty tables unasked.
TEST_F(ProjectFilesTest, SavingOverASequencerFileThatWasNotLoadedAsksFirst) {
    EXPECT_EQ(saveProjectQuestion(*te.engine), "") << "the default file was loaded";
    const std::string refused = te.home.dir() + "show.seq";
    { std::ofstream(refused) << "not a show"; }
    system.LastFileSeq = refused;
    const std::string question = saveProjectQuestion(*te.engine);
    EXPECT_NE(question.find(refused), std::string::npos) << question;
    EXPECT_NE(question.find("10 bytes"), std::string::npos) << question;
}

// The engine's own thread and file worker: the save runs while the show goes on.
class ThreadedProjectFilesTest : public ProjectFilesTest {
  protected:
    ThreadedProjectFilesTest() : ProjectFilesTest(EngineMode::Threaded) {}
};

TEST_F(ThreadedProjectFilesTest, ASaveWritesTheScenesAsTheyWereWhenItBegan) {
    system.sequencer.SceneStore.setLevel(0, 0, 0, 1);
    system.sequencer.SceneStore.setLevel(200, 3, 7, 2);
    te.engine->start();
    SpeedButtonSaveFileClick(*te.engine);
    // Once the save took its copy, edit every sequence: whichever the save has not read yet are
    // kept aside for it.
    while (te.engine->edit([](System& s) { return s.sequencer.SceneStore.savesBegun(); }) == 0) {
        std::this_thread::yield();
    }
    for (int seq = 0; seq < kSequenceCount; ++seq) {
        te.engine->edit([seq](System& s) { s.sequencer.SceneStore.setLevel(seq, 3, 7, 9); });
    }
    te.engine->waitForFiles();
    te.engine->stop();

    OwnedShowTables saved;
    ShowTables view = saved.view();
    ASSERT_EQ(ReadSeqData(system.LastFileSeq, view).status, ReadOutcome::Status::Loaded);
    EXPECT_EQ(saved.sequencer.SceneStore[sceneIndex(0, 0, 0)], 1);
    EXPECT_EQ(saved.sequencer.SceneStore[sceneIndex(200, 3, 7)], 2);
    for (int seq = 0; seq < kSequenceCount; ++seq) {
        if (seq != 200) ASSERT_EQ(saved.sequencer.SceneStore[sceneIndex(seq, 3, 7)], 0) << seq;
    }
    EXPECT_EQ(system.sequencer.SceneStore[sceneIndex(200, 3, 7)], 9);
}

}  // namespace
}  // namespace wl
