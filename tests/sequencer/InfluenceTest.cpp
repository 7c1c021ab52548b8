#include "sequencer/Influence.h"

#include "SequencerFixture.h"

namespace wl::test {
namespace {

class InfluenceTest : public SequencerTest {
  protected:
    static constexpr int kSeq = 6;

    InfluenceTest() { window.ScrollBarNombSeq = kSeq; }

    // Channels 10..19 linked, levels 255 in channels 10..13 of scene 2, minimum pump 40, address 5.
    void buildExample() {
        link(kSeq, 10, 19);
        for (int ch = 10; ch <= 13; ++ch) setLevel(kSeq, 2, ch, 255);
        store.InfMinPump[kSeq] = 40;
        store.InfToDmx[kSeq] = 5;
    }
};

TEST(InfluenceCount, Formula) {
    struct Case {
        int minPump, open, count, value;
    };
    const Case cases[] = {
        {40, 4, 11, 120},   // 40 + 4 x ((255 - 40 + 11) div 11)
        {40, 0, 11, 0},     // no open valve
        {40, 4, 0, 0},      // no valves at all
        {40, 30, 11, 255},  // open valves limited to the count, the value to 255
        {0, 1, 256, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(influenceCount(c.minPump, c.open, c.count), c.value)
            << c.minPump << " " << c.open << " " << c.count;
    }
}

TEST_F(InfluenceTest, TableOfTheExampleSequence) {
    buildExample();
    CountTabInfluence(ctx, kSeq);
    EXPECT_EQ(store.InfluenceTable[kSeq][2], 120);
    EXPECT_EQ(store.InfluenceTable[kSeq][3], 0) << "no level above 15";
    EXPECT_EQ(window.link.influenceCaption, "Influence 11 Valve by Pump");

    store.InfToDmx[kSeq] = 0;
    CountTabInfluence(ctx, kSeq);
    EXPECT_EQ(store.InfluenceTable[kSeq][2], 255);
    EXPECT_EQ(store.InfluenceTable[kSeq][3], 255);
}

TEST_F(InfluenceTest, CountIsLimitedTo256AndTheLastChannelIsSafe) {
    link(kSeq, 0, 4095);
    store.InfToDmx[kSeq] = 1;
    setLevel(kSeq, 255, 4095, 255);
    CountTabInfluence(ctx, kSeq);
    EXPECT_EQ(window.link.influenceCaption, "Influence 256 Valve by Pump");
    EXPECT_EQ(store.InfluenceTable[kSeq][255], 1);
}

TEST_F(InfluenceTest, SlidersSetTheEditedSequenceAndRecompute) {
    buildExample();
    store.InfToDmx[kSeq] = 0;
    SetChannelName(store, 4, "Main pump");
    ScrollBarInfToDmxChange(ctx, 5);
    EXPECT_EQ(store.InfluenceTable[kSeq][2], 120);
    EXPECT_EQ(window.link.infToDmxLabel, "005");
    EXPECT_EQ(window.link.infToDmxName, "Main pump       ");

    ScrollBarInfMinPumpChange(ctx, 100);
    EXPECT_EQ(store.InfluenceTable[kSeq][2], 160);  // 100 + 4 x 15
    EXPECT_EQ(window.link.infMinPumpLabel, "100");

    ScrollBarInfToDmxChange(ctx, 0);
    EXPECT_EQ(window.link.infToDmxLabel, "OFF");
    EXPECT_EQ(window.link.infToDmxName, "");
    EXPECT_EQ(store.InfluenceTable[kSeq][2], 255);
}

TEST_F(InfluenceTest, PumpButtonSwitchesTheInfluenceChannelOn) {
    store.InfToDmx[kSeq] = 12;
    pumpOnClick(ctx);
    EXPECT_EQ(channels.SeqFrame[12], 255);
    EXPECT_EQ(channels.FirstFrame[12], 255);
}

TEST_F(InfluenceTest, ClearValveTablesAfterItsQuestion) {
    buildExample();
    CountTabInfluence(ctx, kSeq);
    EXPECT_EQ(store.InfToDmx[kSeq], 5);
    clearValveTables(ctx);
    EXPECT_EQ(kClearValveTablesQuestion.text, "Clear All Valve Tables? ");
    EXPECT_EQ(store.InfToDmx[kSeq], 0);
    EXPECT_EQ(store.InfMinPump[kSeq], 0);
    EXPECT_EQ(store.InfluenceTable[kSeq][2], 255);
    EXPECT_EQ(window.link.infToDmxSlider, 0);
    EXPECT_EQ(window.link.infMinPumpSlider, 0);
}

TEST_F(InfluenceTest, SwitchingLightInfluenceOffOpensEveryGate) {
    lightInfluenceClick(ctx, true);
    EXPECT_EQ(store.InfLgtMode[kSeq], 1);
    channels.LightFrame.fill(0);
    lightInfluenceClick(ctx, false);
    EXPECT_EQ(store.InfLgtMode[kSeq], 0);
    EXPECT_EQ(channels.LightFrame[1], 255);
    EXPECT_EQ(channels.LightFrame[kChannelCount], 255);
}

TEST_F(InfluenceTest, LightAddressAndClearingTheLightTables) {
    ScrollBarInfLgtAddrChange(ctx, 5000);
    EXPECT_EQ(store.InfLgtAddr[kSeq], 4090);
    EXPECT_EQ(window.link.infLightAddrLabel, "H507");
    lightLengthChoose(ctx, 0);
    EXPECT_EQ(store.InfLgtLeng[kSeq], 0);
    store.InfLgtMode[200] = 1;
    store.InfLgtSpare2[200] = 9;
    channels.LightFrame.fill(0);

    clearLightTables(ctx);
    EXPECT_EQ(kClearLightTablesQuestion.text, "Clear All Light Tables? ");
    EXPECT_EQ(store.InfLgtAddr[kSeq], 0);
    EXPECT_EQ(store.InfLgtLeng[kSeq], kDefaultLightLength);
    EXPECT_EQ(store.InfLgtMode[200], 0);
    EXPECT_EQ(store.InfLgtSpare2[200], 0);
    EXPECT_EQ(channels.LightFrame[kChannelCount], 255);
    EXPECT_EQ(window.link.infLightAddrLabel, "A001");
}

}  // namespace
}  // namespace wl::test
