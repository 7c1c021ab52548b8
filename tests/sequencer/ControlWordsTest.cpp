#include "sequencer/ControlWords.h"

#include "SequencerFixture.h"

namespace wl::test {
namespace {

TEST(ControlWordText, EveryKindOfWord) {
    struct Case {
        std::uint16_t word;
        const char* text;
    };
    const Case cases[] = {
        {0, "Stop&Off"},       {1, "Stop"},           {2, "Ret to cucle "},
        {3, "Ret to begin "},  {4, "No Command"},     {9, "No Command"},
        {10, "T=0.01 sec"},    {500, "T=0.5 sec"},    {1000, "T=1 sec"},
        {1250, "T=1.25 sec"},  {2005, "T=2.005 sec"}, {65016, "T=65.016 sec"},
        {65017, "No Command"}, {65535, "No Command"},
    };
    for (const Case& c : cases) EXPECT_EQ(RePaintTemp(c.word), c.text) << c.word;
}

TEST(ControlWordText, FollowsTheLocaleDecimalSeparator) {
    EXPECT_EQ(RePaintTemp(1250, ','), "T=1,25 sec");
    EXPECT_EQ(RePaintTemp(1000, ','), "T=1 sec");
}

class PatternTest : public SequencerTest {
  protected:
    static constexpr int kSeq = 9;
};

TEST_F(PatternTest, BoundsOfThePatternAroundAScene) {
    auto& words = store.SceneCtrl[kSeq];
    words[0] = kWordStop;
    words[10] = kWordRetToCycle;
    words[20] = 8;  // still a boundary
    words[30] = 9;  // neither boundary nor time
    words[253] = kWordStopOff;
    struct Case {
        int scene;
        int first;
        int last;
    };
    const Case cases[] = {
        {0, 0, 9},                     // scene 0 always starts at 0
        {1, 0, 9},                     // so does scene 1, whatever scene 0 holds
        {2, 1, 9},       {10, 1, 19},  // the scene itself is not tested
        {15, 11, 19},    {25, 21, 252},
        {252, 21, 252},  {253, 21, 254},  // from 253 on the pattern ends at 254
        {254, 254, 254},
    };
    for (const Case& c : cases) {
        const SceneRange range = PatternAround(store, kSeq, c.scene);
        EXPECT_EQ(range.first, c.first) << "scene " << c.scene;
        EXPECT_EQ(range.last, c.last) << "scene " << c.scene;
    }
}

TEST_F(PatternTest, CaptionShowsNumbersFromOne) {
    store.PatternFirst = 4;
    store.PatternLast = 12;
    EXPECT_EQ(PatternCaption(store, 0), "Seq=001  Beg=05>Fin=13 Lng=09");
}

}  // namespace
}  // namespace wl::test
