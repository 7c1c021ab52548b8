#include <gtest/gtest.h>

#include <filesystem>

#include "FileTestBed.h"
#include "storage/SettingsDefaults.h"
#include "storage/files/SettingsFile.h"

namespace wl::test {
namespace {

TEST(SettingsFile, FirstStartTakesTheProgramsNamesAndCountsTwo) {
    FileTestBed bed;
    LoadIniSettings(bed.session);

    EXPECT_EQ(bed.sys->LastFileShow, bed.dir() + "wavelumina.shw");
    EXPECT_EQ(bed.sys->LastFileTrack, bed.dir() + "wavelumina.trk");
    EXPECT_EQ(bed.sys->LastFileSeq, bed.dir() + "wavelumina.seq");
    EXPECT_EQ(bed.sys->LastFileSkin, "Moonlight");
    EXPECT_EQ(bed.sys->FileVersion, "No_File_Version");
    EXPECT_EQ(bed.sys->CountOpen, 2);
    EXPECT_EQ(IniFile(settingsFilePath(bed.dir())).value("AreaCount", "CountOpen", ""), "2");
    EXPECT_TRUE(bed.sys.op.shown.empty()) << "a missing settings file is no failure";

    LoadIniSettings(bed.session);
    EXPECT_EQ(bed.sys->CountOpen, 3);
}

TEST(SettingsFile, TheStartCountIsReadAsAWholeNumberAndHeldInRange) {
    const struct {
        const char* stored;
        std::int32_t counted;
    } cases[] = {
        {"6", 7},
        {" 6 ", 7},
        {"2147483646", 2147483647},
        {"2147483647", 2147483647},  // the largest count stays; it never turns negative
        {"99999999999999999999999", 2147483647},
        {"-5", 1},
        {"-99999999999999999999999", 1},
        {"", 2},
        {"many", 2},
        {"12abc", 2},
        {"+3", 2},
    };
    for (const auto& c : cases) {
        FileTestBed bed;
        IniFile ini(settingsFilePath(bed.dir()));
        ini.set("AreaCount", "CountOpen", c.stored);
        ASSERT_EQ(ini.save(), "");

        LoadIniSettings(bed.session);

        EXPECT_EQ(bed.sys->CountOpen, c.counted) << c.stored;
        EXPECT_EQ(IniFile(settingsFilePath(bed.dir())).value("AreaCount", "CountOpen", ""),
                  std::to_string(c.counted))
            << c.stored;
    }
}

TEST(SettingsFile, RelativeFileNamesLieInTheProgramFolder) {
    FileTestBed bed;
    IniFile ini(settingsFilePath(bed.dir()));
    ini.set("AreaFile", "LastFileSeq", "park.seq");
    ini.set("AreaFile", "LastFileTrack", "Projects/song.trk");
    ini.set("AreaFile", "LastFileShow", "/srv/shows/evening.shw");
    ASSERT_EQ(ini.save(), "");

    LoadIniSettings(bed.session);

    EXPECT_EQ(bed.sys->LastFileSeq, bed.dir() + "park.seq");
    EXPECT_EQ(bed.sys->LastFileTrack, bed.dir() + "Projects/song.trk");
    EXPECT_EQ(bed.sys->LastFileShow, "/srv/shows/evening.shw");
}

TEST(SettingsFile, DateAndTimeTextsHaveNoLeadingZeros) {
    LocalTime time;
    time.year = 2026;
    time.month = 12;
    time.day = 9;
    time.hour = 14;
    time.minute = 5;
    time.second = 7;
    EXPECT_EQ(settingsDateText(time), "9.12.2026 г.");
    EXPECT_EQ(settingsTimeText(time), "14ч. 5 мин. 7 сек");
}

TEST(SettingsFile, SaveWritesTheCurrentFilesAndDatesAndReadsBack) {
    FileTestBed bed;
    bed.sys->LastFileSeq = "/shows/park.seq";
    bed.sys->LastFileTrack = bed.dir() + "Projects/song.trk";
    bed.sys->LastFileShow = "/shows/evening.shw";
    bed.sys->LastFileSkin = "Harbour";
    SaveIniSettings(bed.session);

    const IniFile ini(settingsFilePath(bed.dir()));
    EXPECT_EQ(ini.value("About", "Data", ""), "9.12.2026 г.");
    EXPECT_EQ(ini.value("about", "programm", ""), "Wavelumina");
    const std::string text = readText(settingsFilePath(bed.dir()));
    EXPECT_NE(text.find("Closed= 9.12.2026 г.  в 14ч. 5 мин. 7 сек\n"), std::string::npos);

    bed.sys->LastFileSeq.clear();
    bed.sys->LastFileSkin.clear();
    LoadIniSettings(bed.session);
    EXPECT_EQ(bed.sys->LastFileSeq, "/shows/park.seq");
    EXPECT_EQ(bed.sys->LastFileTrack, bed.dir() + "Projects/song.trk");
    EXPECT_EQ(bed.sys->LastFileShow, "/shows/evening.shw");
    EXPECT_EQ(bed.sys->LastFileSkin, "Harbour");
}

TEST(SettingsFile, ContractDataIsWrittenOnlyWhenGiven) {
    FileTestBed bed;
    ContractData contract{"1.2.2025", "City park", "Fountain 3"};
    SaveIniSettings(bed.session, &contract);
    contract.Customer = "Someone else";
    SaveIniSettings(bed.session);

    const IniFile ini(settingsFilePath(bed.dir()));
    EXPECT_EQ(ini.value("Custom", "Customer", ""), "City park");
    EXPECT_EQ(ini.value("Custom", "Object", ""), "Fountain 3");
}

TEST(SettingsFile, OtherSectionsAndKeysSurviveASave) {
    FileTestBed bed;
    IniFile ini(settingsFilePath(bed.dir()));
    ini.set("SystemInfo", "Mapping", "false");
    ini.set("About", "FileVersion", "3.1.0.7");
    ASSERT_EQ(ini.save(), "");

    SaveIniSettings(bed.session);
    LoadIniSettings(bed.session);
    EXPECT_EQ(IniFile(settingsFilePath(bed.dir())).value("SystemInfo", "Mapping", ""), "false");
    EXPECT_EQ(bed.sys->FileVersion, "3.1.0.7");
}

TEST(SettingsFile, AFileThatCannotBeReadIsNeverSavedOver) {
    FileTestBed bed;
    const std::string path = settingsFilePath(bed.dir());
    std::filesystem::create_directory(path);  // there, but nothing can read it as a file
    IniFile ini(path);
    EXPECT_NE(ini.readFailure(), "");
    ini.set("SystemInfo", "Mapping", "0");
    std::filesystem::remove(path);  // a save would now succeed, were it allowed

    EXPECT_NE(ini.save().find("could not be read"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(IniFile(path).readFailure(), "") << "a missing file is no failure";
}

TEST(SettingsFile, LoadAndSaveReportAFileThatCannotBeRead) {
    const struct {
        const char* where;
        void (*run)(ShowFileSession&);
    } cases[] = {
        {"LoadIniSettings", [](ShowFileSession& s) { LoadIniSettings(s); }},
        {"SaveIniSettings", [](ShowFileSession& s) { SaveIniSettings(s); }},
    };
    for (const auto& c : cases) {
        FileTestBed bed;
        std::filesystem::create_directory(settingsFilePath(bed.dir()));
        c.run(bed.session);

        ASSERT_EQ(bed.sys.op.shown.size(), 1u) << c.where;
        const std::string& text = bed.sys.op.shown[0].text;
        EXPECT_NE(text.find(c.where), std::string::npos) << text;
        EXPECT_NE(text.find(settingsFilePath(bed.dir()) + ": the file could not be read"),
                  std::string::npos)
            << text;
        EXPECT_TRUE(std::filesystem::is_directory(settingsFilePath(bed.dir())));
    }
}

TEST(SettingsRecordReset, StartValuesOverAZeroedRecord) {
    SettingsRecord settings;
    settings.SettingsRec.fill(-1);
    settings.SettingsFlags.fill(1);
    ResetSettingsRecord(settings);

    const std::pair<int, int> expected[] = {{0, 0},    {1, 30},  {6, 250}, {9, 250},  {12, 0},
                                            {13, 255}, {26, 20}, {27, 0},  {28, 23},  {65, 0},
                                            {78, 1},   {84, 0},  {85, 64}, {88, 196}, {89, 255},
                                            {101, 1},  {110, 1}, {111, 0}, {255, 0}};
    for (const auto& [entry, value] : expected) {
        EXPECT_EQ(settings.SettingsRec[entry], value) << "entry " << entry;
    }
    for (std::uint8_t flag : settings.SettingsFlags) EXPECT_EQ(flag, 0);
}

}  // namespace
}  // namespace wl::test
