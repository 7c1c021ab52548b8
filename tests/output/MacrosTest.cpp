#include "output/Macros.h"

#include <gtest/gtest.h>

#include <memory>

#include "OutputFixture.h"
#include "fakes/FakeOperator.h"

namespace wl {
namespace {

class MacrosTest : public ::testing::Test {
  protected:
    MacrosTest() {
        labelTimer = scheduler.addTask(
            "tmrMacro", 3000, [this] { macroLabelTimer(page); }, false);
    }

    MacroContext context() {
        return {*macros,      page,        t.space,         t.settings, t.SeqJob,  CurScene,
                FountainMode, ModeChanged, ScheduleStopReq, t.requests, scheduler, labelTimer};
    }

    test::OutputTables t;
    std::unique_ptr<MacroTables> macros = std::make_unique<MacroTables>();
    MacroPage page;
    std::array<std::uint16_t, 256> CurScene{};
    std::uint8_t FountainMode = 5;
    bool ModeChanged = false;
    bool ScheduleStopReq = true;
    Scheduler scheduler;
    Scheduler::TaskId labelTimer;
    test::FakeOperator op;
};

TEST_F(MacrosTest, AStaticMacroRecallsTheManualLevelsInItsMacroMode) {
    auto ctx = context();
    t.space.ChannelTestLevel[1] = 200;
    t.space.ChannelTestLevel[kChannelCount] = 17;
    page.chkEnableRecord = true;
    OnMouseDownMacro(ctx, 5, MouseButton::Right);
    EXPECT_EQ(page.LabelStaMacro, "Write Statc Macro 05");
    EXPECT_EQ(page.labelLook, MacroLabelLook::Writing);

    t.space.ChannelTestLevel.fill(0);
    t.SeqJob[3] = 2;
    t.space.SeqFrame[9] = 50;
    t.space.UniverseBuf[2][0] = 50;
    OnMouseDownMacro(ctx, 5, MouseButton::Left);
    EXPECT_EQ(FountainMode, 11);  // MACRO 05
    EXPECT_EQ(t.settings.SettingsRec[69], 11);
    EXPECT_TRUE(ModeChanged);
    EXPECT_EQ(t.space.ChannelTestLevel[1], 200);
    EXPECT_EQ(t.space.ChannelTestLevel[kChannelCount], 17);
    EXPECT_EQ(t.SeqJob[3], 0);  // every sequence stops
    EXPECT_EQ(t.space.SeqFrame[9], 0);
    EXPECT_EQ(t.space.UniverseBuf[2][0], 0);
    EXPECT_TRUE(t.requests.clearTrackSelection);
    EXPECT_TRUE(t.requests.startMarkToBeginning);
    EXPECT_EQ(page.LabelStaMacro, "Read Static Macro 05");
    EXPECT_EQ(page.labelLook, MacroLabelLook::Reading);
}

TEST_F(MacrosTest, ADynamicMacroRestartsItsSequencesInPause) {
    auto ctx = context();
    chooseMacroMode(ctx, kMacroDynamic);
    EXPECT_EQ(FountainMode, 2);
    EXPECT_FALSE(ScheduleStopReq);
    t.SeqJob[0] = 2;
    t.SeqJob[255] = 1;
    CurScene[0] = 12;
    CurScene[255] = 0x1FF;  // the low byte is kept
    t.space.ChannelTestLevel[4] = 90;
    WriteMacro(ctx, 40);  // beyond the last macro: macro 32
    EXPECT_EQ(page.LabelStaMacro, "Write Dinam Macro 32");

    t.SeqJob.fill(0);
    CurScene.fill(0);
    FountainMode = 5;
    ModeChanged = false;
    ReadMacro(ctx, 31);
    EXPECT_EQ(FountainMode, 2);
    EXPECT_EQ(t.settings.SettingsRec[69], 2);
    EXPECT_TRUE(ModeChanged);
    EXPECT_EQ(t.SeqJob[0], 2);
    EXPECT_EQ(t.SeqJob[255], 1);
    EXPECT_EQ(CurScene[0], 12);
    EXPECT_EQ(CurScene[255], 0xFF);
    EXPECT_EQ(t.space.ChannelTestLevel[4], 0);
    EXPECT_EQ(page.rgModeMacro, kMacroDynamic);
    EXPECT_EQ(page.LabelStaMacro, "Read Dinam Macro 32");
}

TEST_F(MacrosTest, ADamagedRunModeInADynamicMacroComesBackAsPlay) {
    auto ctx = context();
    macros->MacroMode[3] = kMacroDynamic;
    macros->MacroTabC[3][7] = 9;
    ReadMacro(ctx, 3);
    EXPECT_EQ(t.SeqJob[7], 2);
}

TEST_F(MacrosTest, ARightClickWithoutEnableRecordOnlyStartsTheLabelTimer) {
    auto ctx = context();
    t.space.ChannelTestLevel[1] = 200;
    OnMouseDownMacro(ctx, 1, MouseButton::Right);
    EXPECT_EQ(macros->MacroStore[0][0], 0);
    EXPECT_EQ(page.LabelStaMacro, "MACROS");
    EXPECT_TRUE(scheduler.isRunning(labelTimer));
}

TEST_F(MacrosTest, TheLabelReturnsAfterThreeSeconds) {
    auto ctx = context();
    ReadMacro(ctx, 0);
    scheduler.advance(2999);
    EXPECT_EQ(page.LabelStaMacro, "Read Static Macro 01");
    scheduler.advance(1);
    EXPECT_EQ(page.LabelStaMacro, "MACROS");
    EXPECT_EQ(page.labelLook, MacroLabelLook::Idle);
    EXPECT_FALSE(scheduler.isRunning(labelTimer));
}

TEST_F(MacrosTest, ARecordedMacroTakesTheNameField) {
    auto ctx = context();
    page.EditNameMacro = "Finale with a very long name";
    WriteMacro(ctx, 2);
    EXPECT_EQ(macroBox(*macros, 3).name, "Finale with a ve");
    page.EditNameMacro = "Cascade";
    WriteMacro(ctx, 3);
    const MacroBox box = macroBox(*macros, 4);
    EXPECT_EQ(box.name, "Cascade         ");
    EXPECT_EQ(box.number, "4");
    EXPECT_EQ(box.kind, "Static");
    EXPECT_EQ(box.fill, (ShapeColour{255, 255, 124}));
    EXPECT_EQ(macroBox(*macros, 1).name, std::string(16, ' '));  // never recorded
}

TEST_F(MacrosTest, CrossToStaticAsksForTheStaticPage) {
    auto ctx = context();
    OnMouseDownMacro(ctx, 1, MouseButton::Left);
    EXPECT_FALSE(page.crossToStatic);
    page.chkToHand = true;
    OnMouseDownMacro(ctx, 1, MouseButton::Left);
    EXPECT_TRUE(page.crossToStatic);
}

TEST_F(MacrosTest, ClearingAllAfterItsQuestion) {
    auto ctx = context();
    page.rgModeMacro = kMacroDynamic;
    WriteMacro(ctx, 0);
    macros->MacroStore[7][100] = 5;
    EXPECT_EQ(kClearAllMacrosQuestion.text, "You wish delete all Macros? ");
    EXPECT_EQ(kClearAllMacrosQuestion.kind, BoxKind::Warning);

    ClearAllMacros(ctx);
    EXPECT_EQ(macros->MacroMode[0], 0);
    EXPECT_EQ(macros->MacroStore[7][100], 0);
    EXPECT_EQ(macroBox(*macros, 1).name, std::string(16, ' '));
    EXPECT_EQ(page.EditNameMacro, std::string(16, ' '));
    EXPECT_EQ(page.LabelStaMacro, "Deleting... ");
    EXPECT_EQ(page.rgModeMacro, kMacroStatic);
}

TEST_F(MacrosTest, ClearChannelsStopsSequencesAndResetsTheFrames) {
    auto ctx = context();
    t.SeqJob.fill(2);
    t.space.OutFrame[3] = 9;
    t.space.LightFrame[3] = 0;
    ClearChannelsDmx(ctx);
    EXPECT_EQ(std::count(t.SeqJob.begin(), t.SeqJob.end(), 0), 256);
    EXPECT_EQ(t.space.OutFrame[3], 0);
    EXPECT_EQ(t.space.LightFrame[3], 255);
    EXPECT_TRUE(t.requests.clearTrackSelection);
}

}  // namespace
}  // namespace wl
