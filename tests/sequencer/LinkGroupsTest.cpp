#include "sequencer/LinkGroups.h"

#include <functional>

#include "SequencerFixture.h"

namespace wl::test {
namespace {

class LinkGroupsTest : public SequencerTest {
  protected:
    LinkGroupsTest() {
        window.link.ScrollBarFixPos = 16;  // columns show sequences 16..31
    }

    LinkPageState& page = window.link;

    void selectColumns(std::initializer_list<int> columns) {
        for (int column : columns) page.columnSelected[column] = true;
    }
    int linkedCount(int seq) const {
        int count = 0;
        for (std::uint8_t link : store.LinkMask[seq]) count += link;
        return count;
    }
};

TEST_F(LinkGroupsTest, NewGroupStartsAfterThisOneInsideTheChannelSpace) {
    struct Case {
        int start, length, next;
    };
    const Case cases[] = {{1, 3, 4}, {100, 256, 356}, {4000, 100, 3995}, {3800, 200, 3800}};
    for (const Case& c : cases) {
        page.ScrollBarBeginChK = c.start;
        page.ScrollBarLengDmxChK = c.length;
        newGroupClick(ctx);
        EXPECT_EQ(page.ScrollBarBeginChK, c.next) << c.start << "+" << c.length;
    }
}

TEST_F(LinkGroupsTest, SetAndOffSelectedColumnsOnTheGroupRange) {
    page.ScrollBarBeginChK = 1;
    page.ScrollBarLengDmxChK = 3;
    store.LinkMask[18].fill(1);
    selectColumns({0, 2});
    offSelectedColumns(ctx);
    EXPECT_EQ(store.LinkMask[18][0], 0);
    EXPECT_EQ(store.LinkMask[18][2], 0);
    EXPECT_EQ(store.LinkMask[18][3], 1);
    EXPECT_FALSE(page.columnSelected[2]) << "the selectors are cleared after the command";

    page.ScrollBarBeginChK = 4090;
    page.ScrollBarLengDmxChK = 256;
    selectColumns({0});
    setSelectedColumns(ctx);
    EXPECT_EQ(linkedCount(16), 7) << "channels 4089..4095, limited to the space";
    EXPECT_EQ(linkedCount(17), 0);
    EXPECT_EQ(snapshots(), 2);
}

TEST_F(LinkGroupsTest, OffAllOfTheSelectedColumns) {
    store.LinkMask[16].fill(1);
    store.LinkMask[17].fill(1);
    selectColumns({1});
    offAllOfSelectedColumns(ctx);
    EXPECT_EQ(linkedCount(17), 0);
    EXPECT_EQ(linkedCount(16), 4096);
}

TEST_F(LinkGroupsTest, OffAllColumnsClearsOnlyWithTheGroupQuestionAnsweredYes) {
    store.LinkMask[200][7] = 1;
    offAllColumns(ctx, /*groupChangeConfirmed=*/false);
    EXPECT_EQ(store.LinkMask[200][7], 1);
    EXPECT_EQ(snapshots(), 1);

    offAllColumns(ctx, /*groupChangeConfirmed=*/true);
    EXPECT_EQ(store.LinkMask[200][7], 0);
    EXPECT_EQ(kClearAllFixQuestion.text, "Clear all fix DMX? ");
}

TEST_F(LinkGroupsTest, CopyAndPasteALinkColumnOnce) {
    store.LinkMask[20][100] = 1;
    selectColumns({4, 6});
    copyLinkColumn(ctx);
    EXPECT_TRUE(page.pasteLinkEnabled);
    selectColumns({9});
    pasteLinkColumn(ctx);
    EXPECT_EQ(store.LinkMask[25][100], 1);
    EXPECT_FALSE(page.pasteLinkEnabled);
    store.LinkMask[25][100] = 0;
    selectColumns({9});
    pasteLinkColumn(ctx);
    EXPECT_EQ(store.LinkMask[25][100], 0) << "one paste per copy";
    EXPECT_EQ(snapshots(), 0);
}

// The output cycle keeps an index of the links and reads it again when the count moves.
TEST_F(LinkGroupsTest, EveryCommandThatChangesLinksCountsTheEdit) {
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"grid box", [&] { onCheckGroup(ctx, 0, 0, true); }},
        {"set selected", [&] { selectColumns({0}), setSelectedColumns(ctx); }},
        {"off selected", [&] { selectColumns({0}), offSelectedColumns(ctx); }},
        {"off all of selected", [&] { selectColumns({0}), offAllOfSelectedColumns(ctx); }},
        {"off all", [&] { offAllColumns(ctx, true); }},
        {"paste",
         [&] {
             selectColumns({0}), copyLinkColumn(ctx), selectColumns({1}), pasteLinkColumn(ctx);
         }},
    };
    for (const auto& [name, command] : commands) {
        const std::uint32_t before = store.LinkEdits;
        command();
        EXPECT_GT(store.LinkEdits, before) << name;
    }
}

TEST_F(LinkGroupsTest, GridBoxesAndRightPress) {
    page.ScrollBarGroupPos = 4080;
    onCheckGroup(ctx, 3, 1, true);
    EXPECT_EQ(store.LinkMask[17][4083], 1);
    onCheckGroup(ctx, 20, 1, true);  // channel 4100 does not exist
    EXPECT_EQ(snapshots(), 1);

    MouseDownCheckBoxGroup(ctx, 3, 5);
    EXPECT_EQ(page.ScrollBarBeginChK, 4084);
    EXPECT_TRUE(page.columnSelected[5]);
}

TEST_F(LinkGroupsTest, UniverseButtonsMoveTheGridAndTheStart) {
    universeClick(ctx, 2);
    EXPECT_EQ(page.ScrollBarGroupPos, 1014);
    EXPECT_EQ(settings.SettingsRec[kLinkFirstRowSetting], 1014);
    EXPECT_EQ(page.ScrollBarBeginChK, 1025);
    page.posUnivLink = false;
    universeClick(ctx, 0);
    EXPECT_EQ(page.ScrollBarGroupPos, 0);
    EXPECT_EQ(page.ScrollBarBeginChK, 1025);
}

TEST_F(LinkGroupsTest, Texts) {
    page.ScrollBarBeginChK = 510;
    page.ScrollBarLengDmxChK = 6;
    const LinkGroupTexts texts = linkGroupTexts(ctx);
    EXPECT_EQ(texts.range, "Set from A510 to B003");
    EXPECT_EQ(texts.next, "New B004");
    EXPECT_EQ(texts.length, "Leng Fixs 6");
    SetSeqName(store, 16, "Ring");
    EXPECT_EQ(linkCellHint(ctx, 16, 512),
              "Seq 17\n\rRing            \n\rDMX B001\n\r                ");
    EXPECT_FALSE(hasLinkedChannel(store, 16));
    store.LinkMask[16][0] = 1;
    EXPECT_FALSE(hasLinkedChannel(store, 16)) << "channel index 0 does not count";
    store.LinkMask[16][4095] = 1;
    EXPECT_TRUE(hasLinkedChannel(store, 16));
}

}  // namespace
}  // namespace wl::test
