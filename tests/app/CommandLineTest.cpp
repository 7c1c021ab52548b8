#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace wl {
namespace {

TEST(CommandLineTest, ReadsEveryOption) {
    const auto result = parseCommandLine(
        {"--home", "/srv/wl", "--headless", "--track", "park.trk", "--mode", "MACRO 05",
         "--seconds", "30", "--virtual-clock", "--audio", "null", "--dmx-capture", "out.bin"});
    ASSERT_EQ(result.error, "");
    const CommandLine& o = result.options;
    EXPECT_EQ(o.home, "/srv/wl");
    EXPECT_TRUE(o.headless);
    EXPECT_EQ(o.track, "park.trk");
    EXPECT_EQ(o.mode, "MACRO 05");
    EXPECT_EQ(o.seconds, 30);
    EXPECT_TRUE(o.virtualClock);
    EXPECT_EQ(o.audio, "null");
    EXPECT_EQ(o.dmxCapture, "out.bin");
    EXPECT_FALSE(o.help);
}

TEST(CommandLineTest, DefaultsWithNoArguments) {
    const auto result = parseCommandLine({});
    EXPECT_EQ(result.error, "");
    EXPECT_FALSE(result.options.headless);
    EXPECT_EQ(result.options.audio, "default");
    EXPECT_FALSE(result.options.seconds);
}

struct BadCase {
    std::vector<std::string> arguments;
    const char* error;
};

TEST(CommandLineTest, RefusesWhatItCannotUnderstandWithTheReason) {
    const BadCase cases[] = {
        {{"--bogus"}, "unknown option --bogus"},
        {{"--home"}, "--home needs a value"},
        {{"--home", ""}, "--home needs a folder, not an empty name"},
        {{"--seconds", "ten"}, "--seconds takes a whole number of seconds, not ten"},
        {{"--seconds", "-1"}, "--seconds takes a whole number of seconds, not -1"},
        {{"--seconds", "5x"}, "--seconds takes a whole number of seconds, not 5x"},
        {{"--audio", "alsa"}, "--audio takes default or null, not alsa"},
        {{"--virtual-clock"}, "--virtual-clock needs --seconds N"},
    };
    for (const BadCase& c : cases) {
        EXPECT_EQ(parseCommandLine(c.arguments).error, c.error) << c.arguments.front();
    }
}

TEST(CommandLineTest, HelpListsEveryOption) {
    const std::string help = commandLineHelp();
    for (const char* option : {"--home", "--headless", "--track", "--mode", "--seconds",
                               "--virtual-clock", "--audio", "--dmx-capture", "--help"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
    // Accepted for scripts written ahead, but nothing plays sound yet.
    const std::string audio = help.substr(help.find("--audio"));
    EXPECT_LT(audio.find("not yet used"), audio.find("--dmx-capture"));
}

}  // namespace
}  // namespace wl
