#include "app/OperatingMode.h"

#include <gtest/gtest.h>

#include "app/System.h"
#include "fakes/TestSystem.h"

namespace wl {
namespace {

TEST(ModeTextTest, NamesEveryMode) {
    const std::pair<int, const char*> cases[] = {
        {0, "OFF"},       {1, "STOP"},     {2, "PAUSE"},     {3, "STATIC"},    {4, "DINAM"},
        {5, "DANCE"},     {6, "FILE"},     {7, "MACRO 01"},  {11, "MACRO 05"}, {16, "MACRO 10"},
        {38, "MACRO 32"}, {39, "UNKNOWN"}, {255, "UNKNOWN"},
    };
    for (const auto& [mode, text] : cases) {
        EXPECT_EQ(ModeText(static_cast<std::uint8_t>(mode)), text) << mode;
    }
}

TEST(ModeButtonTest, RequestsTheButtonsModeAndRemembersIt) {
    const std::pair<ModeButton, int> cases[] = {
        {ModeButton::AllOff, 0}, {ModeButton::Static, 3},  {ModeButton::Stop, 1},
        {ModeButton::Pause, 2},  {ModeButton::Dynamic, 4}, {ModeButton::Dance, 5},
    };
    for (const auto& [button, mode] : cases) {
        test::TestSystem ts;
        ts->FountainMode = 11;
        ts->ScheduleStopReq = true;
        pressModeButton(*ts, button);
        EXPECT_EQ(ts->FountainMode, mode);
        EXPECT_TRUE(ts->ModeChanged);
        EXPECT_FALSE(ts->ScheduleStopReq);
        EXPECT_EQ(ts->settings.SettingsRec[69], mode);
    }
}

TEST(ModeButtonTest, MacroAndReceiverKeepTheModeButAskForItAgain) {
    for (ModeButton button : {ModeButton::Macro, ModeButton::Receiver}) {
        test::TestSystem ts;
        ts->FountainMode = 11;
        pressModeButton(*ts, button);
        EXPECT_EQ(ts->FountainMode, 11);
        EXPECT_TRUE(ts->ModeChanged);
        EXPECT_EQ(ts->settings.SettingsRec[69], 11);
    }
}

}  // namespace
}  // namespace wl
