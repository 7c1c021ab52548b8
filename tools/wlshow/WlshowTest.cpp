#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "Export.h"
#include "LoadedShow.h"
#include "storage/files/FileLayouts.h"
#include "storage/files/StoreReset.h"
#include "storage/files/TrackFile.h"

namespace wl::tool {
namespace {

class WlshowTest : public ::testing::Test {
  protected:
    WlshowTest() { std::filesystem::create_directories(dir_); }
    ~WlshowTest() override { std::filesystem::remove_all(dir_); }

    std::string path(const char* name) const { return (dir_ / name).string(); }

    // Runs the tool; returns its exit status and standard output.
    std::pair<int, std::string> run(const std::string& args) const {
        const std::string command = std::string(WLSHOW_PATH) + " " + args + " 2>/dev/null";
        FILE* pipe = popen(command.c_str(), "r");
        std::string out;
        char buffer[4096];
        while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe)) {
            out.append(buffer, got);
        }
        return {WEXITSTATUS(pclose(pipe)), out};
    }

    std::unique_ptr<OwnedShowTables> freshTables() const {
        auto tables = std::make_unique<OwnedShowTables>();
        ShowTables view = tables->view();
        ResetStore(view, false);
        ResetTracks(tables->tracks, "Show header  ");
        return tables;
    }

  private:
    std::filesystem::path dir_ =
        std::filesystem::temp_directory_path() / ("wlshow-test-" + std::to_string(::getpid()));
};

TEST_F(WlshowTest, NamesAreTrimmedAndDecodedFromTheWindowsCodePage) {
    const char name[16] = {'\xCF', '\xE0', '\xF0', '\xEA', ' ', 0, ' ', ' '};
    EXPECT_EQ(nameText(name, sizeof name), "Парк");
    EXPECT_EQ(nameText("A\x01"
                       "B             ",
                       16),
              "A B");
}

TEST_F(WlshowTest, TrackExportListsParamsEffectsAndRecordsInOrder) {
    auto tables = freshTables();
    tables->tracks.TrackNames[1] = {'J', 'e', 't', ' '};
    tables->tracks.TrackSeq.at(2, 40) = 7;
    tables->tracks.TrackScene.at(2, 40) = 3;
    tables->tracks.TrackLevel.at(2, 40) = 200;
    tables->tracks.TrackCmd.at(2, 40) = 2;
    tables->tracks.TrackAux.at(0, 5) = 1;
    tables->effects.EffectType[4] = kEffectRate;
    const std::string file = path("show.trk");
    LoadedShow saved;
    saved.kind = ShowKind::Trk;
    ASSERT_EQ(saveShow(file, saved, *tables), "");

    const auto [status, out] = run("export " + file);
    EXPECT_EQ(status, 0);
    EXPECT_NE(
        out.find(R"({"kind":"trk","size":9396608,"version":"current","header":"Show header")"),
        std::string::npos);
    EXPECT_NE(out.find(R"("TrackTab":1,)"), std::string::npos);
    EXPECT_NE(out.find(R"({"track":1,"name":"Jet","advance":0,"offset":128,"sweep":128,)"),
              std::string::npos);
    EXPECT_NE(out.find(R"("effects":[{"effect":4,"name":"","type":1,"seq":4,"start":1,)"
                       R"("finish":1,"time":31,"level":0}])"),
              std::string::npos);
    EXPECT_NE(out.find(R"("records":[[0,5,255,254,0,0,1],[2,40,7,3,200,2,0]]})"),
              std::string::npos);
}

TEST_F(WlshowTest, SequencerExportShowsWhatDiffersFromReset) {
    auto tables = freshTables();
    tables->sequencer.LinkMask[3][0] = 1;
    tables->sequencer.LinkMask[3][1] = 1;
    tables->sequencer.LinkMask[3][9] = 1;
    tables->sequencer.SceneStore.setLevel(3, 1, 9, 44);
    tables->channels.ChannelMax[4096] = 100;
    const std::string file = path("show.seq");
    LoadedShow saved;
    ASSERT_EQ(saveShow(file, saved, *tables), "");

    const auto [status, out] = run("export " + file + " --levels 3");
    EXPECT_EQ(status, 0);
    EXPECT_NE(out.find(R"("sequences":[{"seq":3,"name":"","job":0,)"), std::string::npos);
    EXPECT_NE(out.find(R"("linked":[[1,2],[10,10]],"levels":{"0":[0,0,0],"1":[0,0,44],)"),
              std::string::npos);
    EXPECT_NE(out.find(R"("settingsRec":{"1":30,)"), std::string::npos);
    EXPECT_NE(out.find(R"("channels":{"4096":{"name":"","min":0,"max":100,"level":0,"check":0}})"),
              std::string::npos);
}

TEST_F(WlshowTest, SingleSequenceAndSnapshotExportTheTablesTheyHold) {
    auto tables = freshTables();
    tables->sequencer.SeqNames[0] = {'F', 'a', 'n'};
    tables->sequencer.LinkMask[0][4095] = 1;
    tables->settings.SettingsFlags[10] = 1;
    LoadedShow frame;
    frame.kind = ShowKind::Sfr;
    ASSERT_EQ(saveShow(path("fan.sfr"), frame, *tables), "");
    LoadedShow snapshot;
    snapshot.kind = ShowKind::Set;
    ASSERT_EQ(saveShow(path("Wavelumina.set"), snapshot, *tables), "");

    const auto [frameStatus, frameJson] = run("export " + path("fan.sfr"));
    EXPECT_EQ(frameStatus, 0);
    EXPECT_NE(frameJson.find(R"({"kind":"sfr","size":1053200,"version":"current",)"
                             R"("sequences":[{"seq":0,"name":"Fan","control":[500,)"),
              std::string::npos);
    EXPECT_NE(frameJson.find(R"("linked":[[4096,4096]]}]})"), std::string::npos);
    const auto [setStatus, setJson] = run("export " + path("Wavelumina.set"));
    EXPECT_EQ(setStatus, 0);
    EXPECT_NE(setJson.find(R"({"kind":"set","size":370720,"version":"current","settingsRec":{)"),
              std::string::npos);
    EXPECT_NE(setJson.find(R"("settingsFlags":{"10":1},"channels":{}})"), std::string::npos);
}

TEST_F(WlshowTest, RefusedFilesExitWithStatus2) {
    const std::string odd = path("odd.seq");
    std::ofstream(odd) << "too short";
    const std::string older = path("old.seq");
    std::ofstream(older).close();
    std::filesystem::resize_file(older, 101'306'912);

    EXPECT_EQ(run("export " + odd).first, 2);
    const auto [status, out] = run("info " + older);
    EXPECT_EQ(status, 2);
    EXPECT_NE(out.find("seq: refused: older sequencer version 7"), std::string::npos);
    EXPECT_NE(out.find("cannot be read"), std::string::npos);
}

TEST_F(WlshowTest, SaysWhatAPathIsWhenItIsNoFile) {
    std::filesystem::create_directory(path("folder.seq"));
    ASSERT_EQ(mkfifo(path("pipe.trk").c_str(), 0600), 0);
    std::filesystem::create_symlink(path("loop-b.seq"), path("loop-a.seq"));
    std::filesystem::create_symlink(path("loop-a.seq"), path("loop-b.seq"));
    const struct {
        std::string file;
        const char* said;
    } cases[] = {
        {path("missing.seq"), "refused: no such file"},
        {path("folder.seq"), "refused: a folder, not a file"},
        {path("pipe.trk"), "refused: a FIFO (named pipe), not a file"},
        {"/dev/null", "refused: a device, not a file"},
        {path("loop-a.seq"), "refused: a loop of symbolic links"},
    };
    for (const auto& c : cases) {
        const auto [status, out] = run("info " + c.file);
        EXPECT_EQ(status, 2) << c.file;
        EXPECT_NE(out.find(c.said), std::string::npos) << c.file << ": " << out;
    }
}

TEST_F(WlshowTest, OnlyAFileOfExactlyOneSequenceIsASingleSequenceFile) {
    for (const std::int64_t size : {kSeqFrameBytes - 1, kSeqFrameBytes + 1, 2 * kSeqFrameBytes}) {
        const std::string frame = path("odd.sfr");
        std::ofstream(frame).close();
        std::filesystem::resize_file(frame, static_cast<std::uintmax_t>(size));
        const auto [status, out] = run("info " + frame);
        EXPECT_EQ(status, 2) << size;
        EXPECT_NE(out.find(std::to_string(size) +
                           " bytes is not the size of one sequence (1053200 bytes)"),
                  std::string::npos)
            << out;
    }
}

TEST_F(WlshowTest, UpgradeWritesOverNothingButARegularFile) {
    const std::string old = path("old.trk");
    std::ofstream(old).close();
    std::filesystem::resize_file(old, 2'609'152);
    const std::string pipe = path("out.trk");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::filesystem::create_directory(path("folder.trk"));

    EXPECT_EQ(run("upgrade " + old + " " + pipe).first, 2);
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
    EXPECT_EQ(run("upgrade " + old + " " + path("folder.trk")).first, 2);
    EXPECT_TRUE(std::filesystem::is_directory(path("folder.trk")));
}

TEST_F(WlshowTest, UpgradeWritesTheCurrentLayout) {
    const std::string old = path("old.trk");
    std::ofstream(old).close();
    std::filesystem::resize_file(old, 2'609'152);
    const std::string upgraded = path("new.trk");
    EXPECT_EQ(run("upgrade " + old + " " + upgraded).first, 0);
    EXPECT_EQ(std::filesystem::file_size(upgraded), static_cast<std::uintmax_t>(kTrackFileBytes));
    const auto [status, out] = run("info " + upgraded);
    EXPECT_EQ(status, 0);
    EXPECT_NE(out.find("trk, version current (9396608 bytes): 32 tracks with events"),
              std::string::npos);
}

TEST_F(WlshowTest, TagsPrintsTheTagBoxesAsJsonKeyedByTheirCaptions) {
    // An ID3v2.3 tag with a title, a track "3/12" and a genre "(17)Rock", then some sound.
    const auto frame = [](const std::string& id, const std::string& text) {
        const std::string content = '\0' + text;
        return id + std::string("\0\0\0", 3) + static_cast<char>(content.size()) +
               std::string(2, '\0') + content;
    };
    const std::string frames =
        frame("TIT2", "Fountain \"Waltz\"") + frame("TRCK", "3/12") + frame("TCON", "(17)Rock");
    const std::string song = path("song.mp3");
    std::ofstream(song, std::ios::binary)
        << "ID3" << '\3' << std::string(5, '\0') << static_cast<char>(frames.size()) << frames
        << std::string(32, '\xFF');

    const auto [status, out] = run("tags " + song);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(out, R"({"Композиция":"Fountain \"Waltz\"","Артист":"","Альбом":"","Дорожка":"3",)"
                   R"("Год":"","Жанр":"Rock","Коментарий":"","Композитор":"","Кодек":"",)"
                   R"("Копирайт":"","Язык":"","Ссылка":""})"
                   "\n");

    const auto [missingStatus, missingOut] = run("tags " + path("missing.mp3"));
    EXPECT_EQ(missingStatus, 2);
    EXPECT_EQ(missingOut, "");
}

}  // namespace
}  // namespace wl::tool
