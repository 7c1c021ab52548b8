#include "app/Startup.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/ColourScheme.h"
#include "app/System.h"
#include "fakes/TestSystem.h"
#include "platform/CaptureFtdiDriver.h"

namespace wl {
namespace {

// Records which windows were made, and what the logic looked like when each was made.
class RecordingFactory final : public WindowFactory {
  public:
    explicit RecordingFactory(const System& system) : system_(system) {}

    void create(const WindowSpec& spec) override {
        made.emplace_back(spec.className);
        captionsSeen.push_back(system_.main.caption);
    }

    std::vector<std::string> made;
    std::vector<std::string> captionsSeen;

  private:
    const System& system_;
};

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(StartupTest, CreatesTheEightWindowsInOrderAfterTheMainWindowHasLoadedTheShow) {
    test::TestSystem ts;
    RecordingFactory factory(*ts);
    createWindows(*ts, factory);
    EXPECT_EQ(factory.made, (std::vector<std::string>{"TFormMaim", "TFormSound", "TFormSequenser",
                                                      "TFormAbout", "TFormUSB_COM", "TFormInput",
                                                      "TFormVisual", "TFormSeqWiev"}));
    // The main window's creation handler ran before any window was built.
    // With no settings file yet, the show is the empty track written into "Projects/".
    EXPECT_EQ(factory.captionsSeen.front(),
              "File track: " + ts.home.dir() + "Projects/wavelumina.trk");
    EXPECT_EQ(ts->main.height, 98);
    EXPECT_TRUE(ts->main.saveEnabled);
    EXPECT_EQ(ts->main.startRefusal, StartRefusal::None);
    EXPECT_TRUE(ts.op.shown.empty());
}

TEST(StartupTest, MakesTheProjectsFolderAndLogsThatItWasMissing) {
    test::TestSystem ts;
    MainFormCreate(*ts);
    EXPECT_TRUE(std::filesystem::is_directory(ts.home.path() / "Projects"));
    EXPECT_NE(readFile(ts.home.path() / "wavelumina.Log")
                  .find("[Data: 9.12.2026  Time: 14:5:7]\n"
                        "Who: FormMaim Where: FormCreate= Info=not DirectoryExists " +
                        ts.home.dir() + "Projects/\n"),
              std::string::npos);

    test::TestSystem again;
    std::filesystem::create_directory(again.home.path() / "Projects");
    MainFormCreate(*again);
    EXPECT_EQ(readFile(again.home.path() / "wavelumina.Log").find("Where: FormCreate"),
              std::string::npos);
}

TEST(StartupTest, ProjectsFolderThatCannotBeMadeSkipsTheRestOfStartUp) {
    test::TestSystem ts;
    std::ofstream(ts.home.path() / "Projects") << "a file where the folder should be";
    MainFormCreate(*ts);
    EXPECT_EQ(ts->main.caption, "Файл: ");
    EXPECT_FALSE(ts->main.saveEnabled);
    ASSERT_EQ(ts.op.shown.size(), 1u);
    EXPECT_NE(ts.op.shown[0].text.find("Projects/"), std::string::npos);
    EXPECT_NE(readFile(ts.home.path() / "wavelumina.Log").find("Info=no Create Dir "),
              std::string::npos);
}

TEST(StartupTest, SecondCopyIsAskedToEndAndLoadsNothingUntilTheFirstHasGone) {
    test::TestSystem first;
    MainFormCreate(*first);

    test::TestSystem second(first.guardName);
    second->channels.OutFrame[1] = 99;
    MainFormCreate(*second);
    EXPECT_EQ(second->main.startRefusal, StartRefusal::AnotherCopyRuns);
    EXPECT_FALSE(second->main.saveEnabled);
    EXPECT_EQ(second->channels.OutFrame[1], 99);  // no table reset for a copy that ends

    destroyWindows(*first);
    test::TestSystem third(first.guardName);
    MainFormCreate(*third);
    EXPECT_EQ(third->main.startRefusal, StartRefusal::None);
}

TEST(StartupTest, ARefusedCopyTouchesNoOutputNoFileAndMakesNoWindow) {
    const std::string guardName = test::uniqueGuardName();
    InstanceGuard running(guardName);
    ASSERT_EQ(running.acquire(), InstanceGuard::Outcome::Acquired);

    test::TempDir elsewhere;
    const auto capture = elsewhere.path() / "running.bin";
    std::ofstream(capture) << "packets of the running copy";
    CaptureFtdiDriver board(capture.string());
    test::TestSystem second(guardName, &board);
    RecordingFactory secondWindows(*second);
    createWindows(*second, secondWindows);

    EXPECT_EQ(second->main.startRefusal, StartRefusal::AnotherCopyRuns);
    EXPECT_TRUE(secondWindows.made.empty());
    EXPECT_EQ(readFile(capture), "packets of the running copy");
    EXPECT_TRUE(second.sharedMemory.calls.empty());
    EXPECT_TRUE(second.op.shown.empty());
    EXPECT_TRUE(std::filesystem::is_empty(second.home.path()));  // no log, settings or folders
    second->scheduler.advance(1000);
    EXPECT_EQ(readFile(capture), "packets of the running copy");
}

// Each of these leaves the program without a place for its files or without the guard that keeps
// a second copy from driving the same fountain: the start is refused before anything is opened.
TEST(StartupTest, StartIsRefusedWithoutAProgramFolderOrAGuardOrTheStartTrack) {
    struct Case {
        const char* name;
        StartRefusal refusal;
        std::vector<std::string> told;  // parts of the one error message
    };
    const Case cases[] = {
        {"program folder is a file",
         StartRefusal::NoProgramFolder,
         {"The program folder ",
          "/show cannot be used (a file, not a folder): the program "
          "does not start."}},
        {"guard cannot be made",
         StartRefusal::NoInstanceGuard,
         {"Donot create FileMapping DMX!", "shared memory /no/slashes/allowed", "does not start"}},
        {"start track missing",
         StartRefusal::StartTrackMissing,
         {"The track file ", "/song.trk to open at start cannot be opened (no such file)",
          "does not start"}},
    };
    for (const Case& c : cases) {
        const bool badGuard = c.refusal == StartRefusal::NoInstanceGuard;
        test::TestSystem ts(badGuard ? "/no/slashes/allowed/inside" : test::uniqueGuardName());
        if (c.refusal == StartRefusal::NoProgramFolder) {
            std::ofstream(ts.home.path() / "show") << "a file where the folder should be";
            ts->ProgramDir = ts.home.dir() + "show/";
        }
        if (c.refusal == StartRefusal::StartTrackMissing) {
            ts->startTrack = ts.home.dir() + "song.mp3";
        }
        RecordingFactory windows(*ts);
        createWindows(*ts, windows);

        EXPECT_EQ(ts->main.startRefusal, c.refusal) << c.name;
        EXPECT_TRUE(windows.made.empty()) << c.name;
        EXPECT_TRUE(ts.ftdi.calls().empty()) << c.name;
        EXPECT_TRUE(ts.sharedMemory.calls.empty()) << c.name;
        EXPECT_FALSE(std::filesystem::exists(ts.home.path() / "wavelumina.ini")) << c.name;
        ASSERT_EQ(ts.op.shown.size(), 1u) << c.name;
        EXPECT_EQ(ts.op.shown[0].kind, BoxKind::Error);
        for (const std::string& part : c.told) {
            EXPECT_NE(ts.op.shown[0].text.find(part), std::string::npos)
                << c.name << ": " << ts.op.shown[0].text;
        }
    }
}

TEST(StartupTest, AGuardThatCannotBeTakenIsLogged) {
    test::TestSystem ts("/no/slashes/allowed/inside");
    MainFormCreate(*ts);
    EXPECT_NE(readFile(ts.home.path() / "wavelumina.Log")
                  .find("Who: FormMaim Where: FormCreate= Info=single-instance guard: shared "
                        "memory /no/slashes/allowed/inside: "),
              std::string::npos);
}

TEST(StartupTest, StartUpTakesTheColourSchemeFromTheSettingsItLoaded) {
    test::TestSystem ts;
    ts->settings.SettingsRec[77] = 3;
    MainFormCreate(*ts);
    EXPECT_EQ(ts->main.colours, colourSchemeFrom(ts->settings));
}

TEST(StartupTest, StartUpResetsTheFrames) {
    test::TestSystem ts;
    ts->channels.SeqFrame[17] = 5;
    ts->channels.LightFrame[17] = 0;
    MainFormCreate(*ts);
    EXPECT_EQ(ts->channels.SeqFrame[17], 0);
    EXPECT_EQ(ts->channels.LightFrame[17], 255);
}

TEST(StartupTest, RefreshShowsTheModeInTheStatusBarEvery150Ms) {
    test::TestSystem ts;
    MainFormCreate(*ts);
    const std::uint64_t before = ts->main.revision;
    ts->scheduler.advance(149);
    EXPECT_EQ(ts->main.statusPanels[4], "");
    ts->scheduler.advance(1);
    EXPECT_EQ(ts->main.statusPanels[4], "DANCE MODE");
    ts->FountainMode = 11;
    ts->scheduler.advance(150);
    EXPECT_EQ(ts->main.statusPanels[4], "MACRO 05 MODE");
    EXPECT_EQ(ts->main.revision - before, 2u);
}

}  // namespace
}  // namespace wl
