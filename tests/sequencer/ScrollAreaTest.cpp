#include "sequencer/ScrollArea.h"

#include "SequencerFixture.h"

namespace wl::test {
namespace {

class ScrollAreaTest : public SequencerTest {
  protected:
    static constexpr int kSeq = 5;

    ScrollAreaTest() {
        window.ScrollBarNombSeq = kSeq;
        link(kSeq, 10, 15);
    }
    std::string name(int ch) { return ChannelName(store, ch); }
};

TEST_F(ScrollAreaTest, PrefixNamingCountsChannelsOrLamps) {
    ScrollAreaState& scroll = window.scroll;
    scroll.PreficsA = "Jet";
    SetPreficsToDmxName(ctx);
    EXPECT_EQ(name(10), "Jet 1 Prefics B ");
    EXPECT_EQ(name(11), "Jet 2 Prefics B ");
    EXPECT_EQ(name(15), "Jet 6 Prefics B ");
    EXPECT_EQ(name(16), std::string(16, ' '));

    scroll.Spot = true;
    scroll.StartNomber = 9;
    SetPreficsToDmxName(ctx);
    EXPECT_EQ(name(12), "Jet 9 Prefics B ");
    EXPECT_EQ(name(13), "Jet 10 Prefics B");

    scroll.IncludeDigit = false;
    SetPreficsToDmxName(ctx);
    EXPECT_EQ(name(10), "Jet Prefics B   ");
}

// Names are stored in the Windows Cyrillic code page, one byte a character, and cut to 16 of them.
TEST_F(ScrollAreaTest, CyrillicNamesAreCutWholeCharacters) {
    window.scroll.PreficsA = "Фонтан";
    window.scroll.PreficsB = "струя";
    SetPreficsToDmxName(ctx);
    EXPECT_EQ(name(10), "Фонтан 1 струя  ");
    EXPECT_EQ(store.ChannelNames[10][0], static_cast<char>(0xD4));

    SetSeqName(store, 3, "Световая программа");
    EXPECT_EQ(SeqName(store, 3), "Световая програм");
}

TEST_F(ScrollAreaTest, NamesAreWrittenOnlyWhileRecordingNames) {
    store.PosAreaScrl[kSeq] = 10;
    channelNameEdited(ctx, 2, "Pump");
    EXPECT_EQ(name(12), std::string(16, ' '));
    bool modeChanged = false;
    EnableRecNameClick(ctx, true, modeChanged);
    EXPECT_TRUE(modeChanged);
    channelNameEdited(ctx, 2, "Pump");
    EXPECT_EQ(name(12), "Pump            ");
    EXPECT_EQ(channelNameForEditing(ctx, 2), "Pump");

    SetChannelName(store, 30, "Spare");
    ClearActiveSeqenserNames(ctx);
    EXPECT_EQ(name(12), std::string(16, ' '));
    EXPECT_EQ(name(30), "Spare           ") << "not linked";
    ClearAllNamesOfSequenser(ctx);
    EXPECT_EQ(store.ChannelNames[30][0], ' ');
}

TEST_F(ScrollAreaTest, RowsShowLinkedChannelsWithSliders) {
    store.PosAreaScrl[kSeq] = 4080;
    window.ScrollBarAreaScrScena = 9;
    setLevel(kSeq, 9, 4080, 66);
    link(kSeq, 4080, 4080);
    const auto first = scrollAreaRow(ctx, 0);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->label, "H497");
    EXPECT_EQ(first->level, 66);
    EXPECT_TRUE(first->sliderShown);
    EXPECT_EQ(first->nameColour.green, 251);
    const auto second = scrollAreaRow(ctx, 1);
    EXPECT_FALSE(second->sliderShown);
    EXPECT_EQ(second->nameColour.green, 192);
    window.scroll.AllScrollWiev = true;
    EXPECT_TRUE(scrollAreaRow(ctx, 1)->sliderShown);
    EXPECT_FALSE(scrollAreaRow(ctx, 16).has_value()) << "channel 4096 does not exist";
}

TEST_F(ScrollAreaTest, LevelsOfAStoppedSequenceAreOutputAtOnce) {
    store.PosAreaScrl[kSeq] = 10;
    window.ScrollBarAreaScrScena = 7;
    store.SeqJob[kSeq] = kJobStop;
    scrollAreaLevelChange(ctx, 1, 99);
    EXPECT_EQ(store.SceneStore.level(kSeq, 7, 11), 99);
    EXPECT_EQ(channels.SeqFrame[12], 99);
    EXPECT_EQ(snapshots(), 1);

    scrollAreaSetLinked(ctx, 64);
    EXPECT_EQ(store.SceneStore.level(kSeq, 7, 15), 64);
    EXPECT_EQ(store.SceneStore.level(kSeq, 7, 16), 0);
    EXPECT_EQ(channels.SeqFrame[16], 64);
}

TEST_F(ScrollAreaTest, TheSceneWordIsShownWithItsColourBar) {
    const std::pair<std::uint16_t, ControlBar> cases[] = {
        {kWordStopOff, ControlBar::Yellow},
        {kWordStop, ControlBar::Red},
        {kWordRetToCycle, ControlBar::Green},
        {kWordRetToBegin, ControlBar::Blue},
        {500, ControlBar::Hidden},
        {kWordRetToBegin, ControlBar::Blue},
        {65017, ControlBar::Blue},  // a larger word leaves the bar as it was
    };
    for (const auto& [word, bar] : cases) {
        store.SceneCtrl[kSeq][40] = word;
        ScrollBarAreaScrScenaChange(ctx, 40);
        EXPECT_EQ(window.scroll.controlBar, bar) << word;
    }
    EXPECT_EQ(window.scroll.sceneLabel, "Scene 41");
    EXPECT_EQ(window.LabelWievDmxTempo, "No Command");
}

TEST_F(ScrollAreaTest, TheMainSceneFollowsUnlessTheSequencePlays) {
    ScrollBarAreaScrScenaChange(ctx, 30);
    EXPECT_EQ(window.ScrollBarScenaRun, 30);
    store.SeqJob[kSeq] = kJobPlay;
    ScrollBarAreaScrScenaChange(ctx, 31);
    EXPECT_EQ(window.ScrollBarScenaRun, 30);
    EXPECT_EQ(window.ScrollBarAreaScrScena, 31);
    takePositionFromAreaRgb(ctx);
    EXPECT_EQ(window.ScrollBarAreaScrScena, 30);
}

}  // namespace
}  // namespace wl::test
