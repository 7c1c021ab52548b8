#include <gtest/gtest.h>

#include "app/OperatingMode.h"
#include "app/System.h"
#include "fakes/TestSystem.h"

namespace wl {
namespace {

// Every sequence playing, a manual level, a sent level and the sequencer's "Mode Seq" on PLAY;
// macro n (0..31) holds the level 100 + n on channel 1.
struct PlayingShow {
    PlayingShow() {
        ts->sequencer.SeqJob.fill(kJobPlay);
        ts->channels.ChannelTestLevel[1] = 50;
        ts->channels.OutFrame[1] = 9;
        ts->sequencerWindow.rgSeqJob = kJobPlay;
        for (int m = 0; m < kMacroCount; ++m) {
            ts->macros.MacroStore[m][0] = static_cast<std::int16_t>(0x300 + 100 + m);
        }
    }

    void apply(std::uint8_t mode) {
        ts->FountainMode = mode;
        ts->ModeChanged = true;
        tmrModeSetTimer(*ts);
    }

    bool sequencesStopped() const {
        const auto& jobs = ts.system->sequencer.SeqJob;
        return std::all_of(jobs.begin(), jobs.end(),
                           [](std::uint8_t job) { return job == kJobOff; });
    }

    test::TestSystem ts;
};

class ModeTimerTest : public ::testing::Test, protected PlayingShow {};

TEST(ModeApplicationTest, AppliesEveryMode) {
    struct Case {
        int mode;
        const char* label;
        ModeButton button;
        AudioWish audio;
        bool cleared;     // sequences stopped, frames reset, track view to the beginning
        bool seqModeOff;  // the sequencer's "Mode Seq" back to OFF
        int manualLevel;  // channel 1 afterwards
    };
    const Case cases[] = {
        {0, "OFF", ModeButton::AllOff, AudioWish::Paused, true, false, 0},
        {1, "STOP", ModeButton::Stop, AudioWish::Paused, false, false, 50},
        {2, "PAUSE", ModeButton::Pause, AudioWish::Paused, false, false, 50},
        {3, "STATIC", ModeButton::Static, AudioWish::Paused, true, true, 0},
        {4, "DINAM", ModeButton::Dynamic, AudioWish::Silent, false, false, 50},
        {5, "DANCE", ModeButton::Dance, AudioWish::Audible, false, false, 50},
        {7, "MACRO 01", ModeButton::Macro, AudioWish::Paused, true, true, 100},
        {11, "MACRO 05", ModeButton::Macro, AudioWish::Paused, true, true, 104},
        {38, "MACRO 32", ModeButton::Macro, AudioWish::Paused, true, true, 131},
        {39, "UNKNOWN", ModeButton::AllOff, AudioWish::Paused, true, false, 0},
        {255, "UNKNOWN", ModeButton::AllOff, AudioWish::Paused, true, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        PlayingShow fresh;
        test::TestSystem& s = fresh.ts;
        s->mode.pressedButton = ModeButton::Receiver;
        s->mode.audio = AudioWish::Audible;
        fresh.apply(static_cast<std::uint8_t>(c.mode));
        EXPECT_FALSE(s->ModeChanged);
        EXPECT_EQ(s->mode.LabelModeFontan, c.label);
        EXPECT_EQ(s->mode.pressedButton, c.button);
        EXPECT_EQ(s->mode.audio, c.audio);
        EXPECT_EQ(fresh.sequencesStopped(), c.cleared);
        EXPECT_EQ(s->channels.OutFrame[1], c.cleared ? 0 : 9);
        EXPECT_EQ(s->showRequests.clearTrackSelection, c.cleared);
        EXPECT_EQ(s->showRequests.startMarkToBeginning, c.cleared);
        EXPECT_EQ(s->sequencerWindow.rgSeqJob, c.seqModeOff ? kJobOff : kJobPlay);
        EXPECT_EQ(s->channels.ChannelTestLevel[1], c.manualLevel);
        EXPECT_EQ(s->FountainMode, c.mode);
        EXPECT_EQ(s->settings.SettingsRec[69], c.mode);
    }
}

TEST_F(ModeTimerTest, AMacroModeLoadsOnlyTheConfiguredChannels) {
    ts->macros.MacroStore[2][kUniverseSize] = 77;  // channel B001
    apply(9);
    EXPECT_EQ(ts->channels.ChannelTestLevel[kUniverseSize + 1], 0);
    ts->settings.SettingsRec[18] = 1;
    CountChannels(ts->channels, ts->settings);
    apply(9);
    EXPECT_EQ(ts->channels.ChannelTestLevel[kUniverseSize + 1], 77);
}

TEST_F(ModeTimerTest, DoesNothingUntilAModeIsRequested) {
    ts->FountainMode = kModeOff;
    tmrModeSetTimer(*ts);
    EXPECT_FALSE(sequencesStopped());
    EXPECT_EQ(ts->mode.LabelModeFontan, "");
}

TEST_F(ModeTimerTest, FileModeStartsTheScheduledTrackOncePerMinute) {
    ts.clock.set(2026, 12, 9, 20, 0, 0);  // minute 0 of the hour starts too
    apply(kModeFile);
    EXPECT_EQ(ts->FountainMode, kModeDance);
    EXPECT_EQ(ts->settings.SettingsRec[69], kModeDance);
    EXPECT_EQ(ts->mode.LabelShdFile, "No Exist File");
    EXPECT_TRUE(ts->mode.scheduledTrackRequested);
    EXPECT_EQ(ts->mode.LabelModeFontan, "FILE");

    // The schedule sets FILE again every second of its minute.
    ts->mode.scheduledTrackRequested = false;
    ts.clock.set(2026, 12, 9, 20, 0, 59);
    apply(kModeFile);
    EXPECT_EQ(ts->FountainMode, kModeFile);
    EXPECT_EQ(ts->mode.LabelShdFile, "---");
    EXPECT_FALSE(ts->mode.scheduledTrackRequested);

    // The same entry the next day is a new minute.
    ts.clock.set(2026, 12, 10, 20, 0, 0);
    apply(kModeFile);
    EXPECT_EQ(ts->FountainMode, kModeDance);
    EXPECT_TRUE(ts->mode.scheduledTrackRequested);
}

TEST_F(ModeTimerTest, TurnsTheScheduleOffWhenAskedAndAllowed) {
    for (const bool allowed : {false, true}) {
        test::TestSystem s;
        s->settings.SettingsFlags[10] = 1;
        s->settings.SettingsFlags[44] = allowed ? 1 : 0;
        s->ScheduleStopReq = true;
        tmrModeSetTimer(*s);
        EXPECT_FALSE(s->ScheduleStopReq);
        EXPECT_EQ(s->settings.SettingsFlags[10], allowed ? 0 : 1) << allowed;
    }
}

TEST_F(ModeTimerTest, MacroButtonReappliesTheCurrentMode) {
    apply(11);
    ts->channels.ChannelTestLevel[1] = 3;
    pressModeButton(*ts, ModeButton::Macro);
    tmrModeSetTimer(*ts);
    EXPECT_EQ(ts->FountainMode, 11);
    EXPECT_EQ(ts->channels.ChannelTestLevel[1], 104);
}

TEST(StartModeTest, SoundWindowStartsTheModeTimerWithTheStartUpChoice) {
    for (const auto& [choice, mode] : std::initializer_list<std::pair<int, int>>{
             {0, kModeOff}, {1, kModeDance}, {2, kModeDance}}) {
        test::TestSystem ts;
        ts->settings.SettingsRec[10] = choice;
        createModeTimer(*ts);
        EXPECT_EQ(ts->FountainMode, mode);
        EXPECT_EQ(ts->settings.SettingsRec[69], mode);
        EXPECT_TRUE(ts->ModeChanged);
        ts->scheduler.advance(9);
        EXPECT_TRUE(ts->ModeChanged);
        ts->scheduler.advance(1);
        EXPECT_FALSE(ts->ModeChanged);
        EXPECT_EQ(ts->mode.LabelModeFontan, ModeText(static_cast<std::uint8_t>(mode)));
    }
}

TEST(ModeNameTest, FindsEveryModeByItsTextOnly) {
    for (int mode = 0; mode <= 38; ++mode) {
        EXPECT_EQ(modeByName(ModeText(static_cast<std::uint8_t>(mode))), mode) << mode;
    }
    for (const char* unknown :
         {"UNKNOWN", "dance", "MACRO 33", "MACRO 1", "MACRO 00", "", " OFF"}) {
        EXPECT_EQ(modeByName(unknown), std::nullopt) << unknown;
    }
    EXPECT_EQ(modeNames(), "OFF, STOP, PAUSE, STATIC, DINAM, DANCE, FILE, MACRO 01 … MACRO 32");
}

TEST(ModeNameTest, RequestingAModeActsLikeTheOperator) {
    test::TestSystem ts;
    ts->ScheduleStopReq = true;
    requestMode(*ts, 12);
    EXPECT_EQ(ts->FountainMode, 12);
    EXPECT_TRUE(ts->ModeChanged);
    EXPECT_FALSE(ts->ScheduleStopReq);
    EXPECT_EQ(ts->settings.SettingsRec[69], 12);
}

}  // namespace
}  // namespace wl
