#include "output/ViewerLink.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "fakes/FakeOperator.h"
#include "fakes/FakeSharedMemory.h"
#include "fakes/FakeWallClock.h"
#include "fakes/TestSystem.h"
#include "output/ViewerText.h"
#include "storage/EventLog.h"

namespace wl {
namespace {

using test::FakeSharedMemory;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::vector<std::string> kNames = {"/V3Dspectr", "/V3Dwiev",  "/V3Dwiev2",
                                         "/V3Dwiev3",  "/V3Dwiev4", "/V3Dwiev5",
                                         "/V3Dwiev6",  "/V3Dwiev7", "/V3Dwiev8"};

std::string textAt(const std::vector<std::uint8_t>& block) {
    return std::string(block.begin(), block.begin() + kViewerTextSize - 1);
}

class ViewerLinkTest : public ::testing::Test {
  protected:
    std::vector<std::string> creates() const {
        std::vector<std::string> names;
        for (const auto& call : memory.calls) {
            if (call.rfind("create ", 0) == 0) names.push_back(call.substr(7));
        }
        return names;
    }

    test::TempDir home;
    test::FakeWallClock clock;
    EventLog log{home.path() / "wavelumina.Log", clock};
    test::FakeOperator op;
    FakeSharedMemory memory;
    ViewerLink link{memory, "/V3D"};
    std::array<Universe, kUniverseCount> universes{};
    std::array<std::int32_t, kBandPeakCount> bandPeak{};
};

TEST_F(ViewerLinkTest, OnCreatesAndMapsTheNineBlocksInOrder) {
    link.FileMappingToON(op, log);
    EXPECT_EQ(creates(), kNames);
    EXPECT_EQ(memory.mappedViews(), 9u);
    EXPECT_TRUE(link.Map3DOn());
    EXPECT_FALSE(link.SpeedButtonFileMapON);
    EXPECT_TRUE(link.SpeedButtonFileMapOFF);
    EXPECT_THAT(op.shown, IsEmpty());
}

TEST_F(ViewerLinkTest, OnTwiceCreatesTheBlocksOnce) {
    link.FileMappingToON(op, log);
    link.FileMappingToON(op, log);
    EXPECT_EQ(creates().size(), 9u);
}

TEST_F(ViewerLinkTest, OffReleasesEveryBlockAndRemovesOnlyTheNamesItCreated) {
    memory.makeExisting("/V3Dwiev3", ViewerLink::kBlockSize);  // the viewer was first
    link.FileMappingToON(op, log);
    link.FileMappingToOFF();

    EXPECT_EQ(memory.mappedViews(), 0u);
    EXPECT_EQ(memory.openHandles(), 0u);
    for (const auto& name : kNames) EXPECT_EQ(memory.exists(name), name == "/V3Dwiev3") << name;
    EXPECT_FALSE(link.Map3DOn());
    EXPECT_TRUE(link.SpeedButtonFileMapON);
    EXPECT_FALSE(link.SpeedButtonFileMapOFF);

    memory.calls.clear();
    link.FileMappingToOFF();
    EXPECT_THAT(memory.calls, IsEmpty());
}

TEST_F(ViewerLinkTest, SendWritesLevelsAndSpectrumAsHexText) {
    universes[0][0] = 255;
    universes[0][1] = 1;
    universes[7][511] = 0xAB;
    bandPeak[0] = 77;      // not shared
    bandPeak[1] = 0x1C;    // first shared band
    bandPeak[30] = 0x1FF;  // last shared band, low byte only
    bandPeak[31] = 5;      // not shared
    link.FileMappingToON(op, log);
    link.SendTo3D(universes, bandPeak);

    const auto blockA = memory.bytes("/V3Dwiev");
    EXPECT_EQ(textAt(blockA).substr(0, 6), "FF0100");
    EXPECT_EQ(blockA[kViewerTextSize - 1], 0);
    EXPECT_EQ(textAt(memory.bytes("/V3Dwiev8")).substr(1020), "00AB");
    EXPECT_EQ(textAt(memory.bytes("/V3Dwiev5")), std::string(1024, '0'));

    const std::string spectrum = textAt(memory.bytes("/V3Dspectr"));
    EXPECT_EQ(spectrum.substr(0, 2), "1C");
    EXPECT_EQ(spectrum.substr(58, 2), "FF");
    EXPECT_EQ(spectrum.substr(60), std::string(1024 - 60, '0'));
}

TEST_F(ViewerLinkTest, NothingIsWrittenWhileOff) {
    universes[0].fill(9);
    link.FileMappingToON(op, log);
    link.FileMappingToOFF();
    memory.makeExisting("/V3Dwiev", ViewerLink::kBlockSize);
    link.SendTo3D(universes, bandPeak);
    EXPECT_EQ(memory.bytes("/V3Dwiev")[0], 0);
}

TEST_F(ViewerLinkTest, EachFailedBlockIsToldOnceAndTheOthersStillWork) {
    const struct {
        std::string name;
        bool create;  // false: mapping fails
        std::string message;
    } cases[] = {
        {"/V3Dspectr", true, "Donot create FileMapping in RAM PC!"},
        {"/V3Dspectr", false, "Не могу подключить FileMapping spectr!"},
        {"/V3Dwiev", true, "Donot create FileMapping1 DMX!"},
        {"/V3Dwiev8", false, "Donot connect FileMapping8 Dmx!"},
    };
    for (const auto& c : cases) {
        FakeSharedMemory failing;
        (c.create ? failing.failCreate : failing.failMap).insert(c.name);
        test::FakeOperator told;
        ViewerLink viewer(failing, "/V3D");
        viewer.FileMappingToON(told, log);
        ASSERT_EQ(told.shown.size(), 1u) << c.message;
        EXPECT_EQ(told.shown[0].text, c.message);
        EXPECT_EQ(told.shown[0].kind, BoxKind::Plain);
        EXPECT_TRUE(viewer.Map3DOn());

        universes[2][0] = 0x42;
        viewer.SendTo3D(universes, bandPeak);
        EXPECT_EQ(textAt(failing.bytes("/V3Dwiev3")).substr(0, 2), "42") << c.message;
        viewer.FileMappingToOFF();
        EXPECT_EQ(failing.openHandles(), 0u) << c.message;
    }
    std::ifstream in(log.file());
    const std::string logged{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_NE(logged.find("Donot connect FileMapping8 Dmx! /V3Dwiev8: refused by the test"),
              std::string::npos)
        << logged;
}

TEST(ViewerTextTest, ReadsBackWhatWasWritten) {
    Universe levels{};
    for (int i = 0; i < kUniverseSize; ++i) levels[i] = static_cast<std::uint8_t>(i * 7);
    std::vector<std::uint8_t> text(kViewerTextSize, 'x');
    writeViewerText(levels, text.data());
    EXPECT_EQ(readViewerText(text), levels);

    text[3] = 'g';
    EXPECT_EQ(readViewerText(text), std::nullopt);
    text.pop_back();
    EXPECT_EQ(readViewerText(text), std::nullopt);
}

}  // namespace
}  // namespace wl
