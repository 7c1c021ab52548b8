#include "sequencer/ControlWordTools.h"
#include "sequencer/ControlWords.h"

#include "SequencerFixture.h"

namespace wl::test {
namespace {

class ControlWordToolsTest : public SequencerTest {
  protected:
    static constexpr int kSeq = 2;

    ControlWordToolsTest() {
        window.ScrollBarNombSeq = kSeq;
        window.ScrollBarSeqSpeed = 600;
        window.CheckBoxEnableTempo = true;
    }

    void setWords(std::initializer_list<std::uint16_t> words) {
        int scene = 0;
        for (std::uint16_t word : words) store.SceneCtrl[kSeq][scene++] = word;
    }
    std::uint16_t word(int scene) const { return store.SceneCtrl[kSeq][scene]; }
};

TEST_F(ControlWordToolsTest, DeleteLinesOfPaternCarriesTimesOverCommands) {
    setWords({500, 0, 1, 700});
    store.SceneCtrl[kSeq][255] = kWordRetToBegin;
    DeleteLinesOfPatern(ctx);
    EXPECT_EQ(word(0), 500);
    EXPECT_EQ(word(1), 500);
    EXPECT_EQ(word(2), 500);
    EXPECT_EQ(word(3), 700);
    EXPECT_EQ(word(255), 500) << "scene 255 is part of the sweep";
    EXPECT_FALSE(window.CheckBoxEnableTempo);
    EXPECT_EQ(snapshots(), 1);
    EXPECT_EQ(kConfirmGroupChange.text, "You change group options. \n\rYou sure?");
}

TEST_F(ControlWordToolsTest, DeleteLinesOfPaternKeepsACommandInSceneZero) {
    setWords({kWordStop, 9, 300});
    DeleteLinesOfPatern(ctx);
    EXPECT_EQ(word(0), kWordStop);
    EXPECT_EQ(word(1), kWordStop);
    EXPECT_EQ(word(2), 300);
}

TEST_F(ControlWordToolsTest, DeleteLinesOfTimeOverwritesCommandsToo) {
    setWords({kWordStop, 300, kWordRetToCycle});
    DeleteLinesOfTime(ctx);
    for (int scene : {0, 1, 2, 255}) EXPECT_EQ(word(scene), 600) << scene;
}

TEST_F(ControlWordToolsTest, ClearAllControlCommandsGivesOneSecondBelowScene255) {
    setWords({kWordStop, 300});
    store.SceneCtrl[kSeq][254] = kWordStopOff;
    store.SceneCtrl[kSeq][255] = kWordRetToBegin;
    ClearAllControlCommands(ctx, /*confirmed=*/false);
    EXPECT_EQ(word(0), kWordStop);
    EXPECT_EQ(snapshots(), 1) << "the snapshot comes whatever the answer";
    EXPECT_FALSE(window.CheckBoxEnableTempo);

    ClearAllControlCommands(ctx, /*confirmed=*/true);
    EXPECT_EQ(word(0), 1000);
    EXPECT_EQ(word(254), 1000);
    EXPECT_EQ(word(255), kWordRetToBegin);
}

TEST_F(ControlWordToolsTest, ContextMenuCommandsWriteTheSceneUnderTheMouse) {
    struct Case {
        ControlCommand command;
        std::uint16_t word;
        bool recStays;
    };
    const Case cases[] = {{ControlCommand::StopSequense, 1, true},
                          {ControlCommand::OffSequense, 0, true},
                          {ControlCommand::NearLoop, 2, false},
                          {ControlCommand::RepeatFromBegin, 3, false},
                          {ControlCommand::DeleteCommand, 600, false}};
    window.PopupScene = 44;
    for (const Case& c : cases) {
        window.CheckBoxEnableTempo = true;
        popupCommand(ctx, c.command);
        EXPECT_EQ(word(44), c.word);
        EXPECT_EQ(window.CheckBoxEnableTempo, c.recStays);
    }
    EXPECT_EQ(snapshots(), 5);
}

TEST_F(ControlWordToolsTest, ShapesWriteTheScrollAreaSceneWithoutSnapshot) {
    window.ScrollBarAreaScrScena = 17;
    SetModeAndTempo(ctx, commandWord(ctx, ControlCommand::NearLoop));
    EXPECT_EQ(word(17), kWordRetToCycle);
    EXPECT_EQ(window.LabelWievDmxTempo, "Ret to cucle ");
    SetModeAndTempo(ctx, commandWord(ctx, ControlCommand::DeleteCommand));
    EXPECT_EQ(window.LabelWievDmxTempo, "T=0.6 sec");
    EXPECT_EQ(snapshots(), 0);
}

}  // namespace
}  // namespace wl::test
