#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "FileTestBed.h"
#include "app/Startup.h"
#include "storage/files/FileLayouts.h"
#include "storage/files/SeqFile.h"
#include "storage/files/SettingsFile.h"
#include "storage/files/TrackFile.h"

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

// What shows whether a file was written: an atomic save makes a new file, a write in place moves
// its modification time.
struct FileIdentity {
    ino_t inode = 0;
    std::int64_t modifiedNs = 0;
    off_t size = -1;
    bool operator==(const FileIdentity&) const = default;
};

FileIdentity identityOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return {};
    return {info.st_ino, info.st_mtim.tv_sec * 1'000'000'000LL + info.st_mtim.tv_nsec,
            info.st_size};
}

// A program folder as a fountain in service leaves it: the default sequencer and track files hold
// real shows (marked so that a load shows), with a copy of the track to compare against.
struct ShowHome {
    TestSystem ts;
    TempDir kept;
    std::string dir = ts->ProgramDir;
    std::string seq = dir + "wavelumina.seq";
    std::string track = dir + "Projects/wavelumina.trk";
    std::string trackCopy = kept.dir() + "wavelumina.trk";
    FileIdentity seqBefore, trackBefore;

    ShowHome() {
        std::filesystem::create_directories(dir + "Projects/folder.trk");
        writeFileWith(seq, kSeqFileBytes, {{269'619'456 + 13 * 4, 99}});
        writeFileWith(track, kTrackFileBytes, {{7808, 5}});
        std::filesystem::copy_file(track, trackCopy);
        seqBefore = identityOf(seq);
        trackBefore = identityOf(track);
    }

    void writeSettings(const std::string& text) const {
        std::ofstream(settingsFilePath(dir), std::ios::binary) << text;
    }

    // Both default shows were loaded and neither file was written.
    void expectShowsOpenedAndUntouched(const std::string& name) {
        EXPECT_EQ(identityOf(seq), seqBefore) << name;
        EXPECT_EQ(identityOf(track), trackBefore) << name;
        EXPECT_TRUE(sameFiles(track, trackCopy)) << name;
        EXPECT_EQ(ts->settings.SettingsRec[13], 99) << name;
        EXPECT_EQ(ts->tracks.TrackSeq.at(0, 0), 5) << name;
        EXPECT_EQ(ts->LastFileSeq, seq) << name;
        EXPECT_EQ(ts->LastFileTrack, track) << name;
        EXPECT_EQ(ts->main.caption, "File track: " + track) << name;
    }
};

std::vector<std::string> textsShown(const FakeOperator& op) {
    std::vector<std::string> texts;
    for (const auto& shown : op.shown) texts.push_back(shown.text);
    return texts;
}

TEST(StartupLoad, NamedFilesThatCannotBeOpenedAreToldAndTheDefaultShowsOpened) {
    const std::string away = "/media/wl-test-stick-not-plugged-in/";
    const std::string tooLong = "/" + std::string(5000, 'x');
    const struct {
        std::string seq, track;  // as the settings file names them; "@" stands for the folder
        const char* why;
    } cases[] = {
        {away + "show.seq", away + "song.trk", "no such file"},
        {"@Projects", "@Projects/folder.trk", "a folder, not a file"},
        {tooLong + ".seq", tooLong + ".trk", "File name too long"},
    };
    for (const auto& c : cases) {
        ShowHome home;
        const auto named = [&](const std::string& name) {
            return name.front() == '@' ? home.dir + name.substr(1) : name;
        };
        home.writeSettings("[AreaFile]\nLastFileSeq=" + named(c.seq) +
                           "\nLastFileTrack=" + named(c.track) + "\n");

        MainFormCreate(*home.ts);

        home.expectShowsOpenedAndUntouched(c.why);
        EXPECT_EQ(textsShown(home.ts.op),
                  (std::vector<std::string>{
                      "The sequencer file " + named(c.seq) + " cannot be opened (" + c.why +
                          "); the default sequencer file " + home.seq + " takes its place.",
                      "The track file " + named(c.track) + " cannot be opened (" + c.why +
                          "); the default track file " + home.track + " takes its place."}));
    }
}

// Without a usable name the defaults are opened, and nothing needs telling.
TEST(StartupLoad, SettingsThatNameNoUsableFileOpenTheDefaultShows) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage += static_cast<char>(i * 37 % 256);
    const std::string away = "/media/wl-test-stick-not-plugged-in/";
    const struct {
        const char* name;
        std::string settings;  // no settings file when empty
    } cases[] = {
        {"no settings file", ""},
        {"empty names", "[AreaFile]\nLastFileSeq=\nLastFileTrack=\n"},
        {"names relative to the program folder",
         "[AreaFile]\nLastFileSeq=wavelumina.seq\nLastFileTrack=Projects/wavelumina.trk\n"},
        {"binary garbage", garbage},
        {"a 20 MB line", "[AreaFile]\n" + std::string(20 << 20, 'x') + "\n"},
        {"keys without a section", "LastFileSeq=" + away + "show.seq\n"},
        {"a broken section header", "[AreaFile\nLastFileSeq=" + away + "show.seq\n"},
        {"a section header twice", "[AreaFile]\n[AreaFile]\nLastFileTrack=" + away + "a.trk\n"},
    };
    for (const auto& c : cases) {
        ShowHome home;
        if (!c.settings.empty()) home.writeSettings(c.settings);

        MainFormCreate(*home.ts);

        home.expectShowsOpenedAndUntouched(c.name);
        EXPECT_EQ(textsShown(home.ts.op), std::vector<std::string>{}) << c.name;
    }
}

TEST(StartupLoad, AMissingNamedFileIsLoggedBeforeTheDefaultIsOpened) {
    FileTestBed bed;
    const std::string seq = bed.dir() + "wavelumina.seq";
    const std::string track = bed.dir() + "Projects/wavelumina.trk";
    writeFileWith(seq, kSeqFileBytes, {});
    writeFileWith(track, kTrackFileBytes, {});
    bed.sys->LastFileSeq = "/media/stick/show.seq";
    bed.sys->LastFileTrack = "/media/stick/song.trk";

    OpenSeqFile(bed.session, bed.tables);
    OpenTrackFile(bed.session, bed.tables);

    const std::string log = bed.logText();
    for (const std::string& line : std::vector<std::string>{
             "Where: OpenSeqFile= Info=File_no_found: /media/stick/show.seq",
             "Where: OpenSeqFile= Info=Default Seq Name: " + seq,
             "Where: OpenTrackFile= Info=File_no_found >/media/stick/song.trk<",
             "Where: OpenTrackFile= Info=Set Default Track Name: >" + track + "<"}) {
        EXPECT_NE(log.find(line), std::string::npos) << line << "\n" << log;
    }
    EXPECT_EQ(log.find("Saved Empty Track Name"), std::string::npos) << log;
    EXPECT_EQ(bed.sys.op.shown.size(), 2u);
}

TEST(StartupLoad, TheTrackAskedForAtStartIsOpenedInsteadOfTheLastOne) {
    TestSystem ts;
    const std::string dir = ts->ProgramDir;
    std::filesystem::create_directories(dir + "Projects");
    writeFileWith(dir + "Projects/song.trk", kTrackFileBytes, {{7808, 5}});
    TempDir elsewhere;
    const std::string encore = elsewhere.dir() + "encore.trk";
    writeFileWith(encore, kTrackFileBytes, {{7808, 7}});
    writeFileWith(dir + "wavelumina.seq", kSeqFileBytes, {});
    IniFile ini(settingsFilePath(dir));
    ini.set("AreaFile", "LastFileTrack", dir + "Projects/song.trk");
    ASSERT_EQ(ini.save(), "");
    // As the open command does, the music file's name stands for the track file beside it.
    ts->startTrack = elsewhere.dir() + "encore.mp3";

    MainFormCreate(*ts);

    EXPECT_EQ(ts->main.startRefusal, StartRefusal::None);
    EXPECT_EQ(ts->tracks.TrackSeq.at(0, 0), 7);
    EXPECT_EQ(ts->main.caption, "File track: " + encore);
    MainFormClose(*ts);
    EXPECT_EQ(IniFile(settingsFilePath(dir)).value("AreaFile", "LastFileTrack", ""), encore);
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
