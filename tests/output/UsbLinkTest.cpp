#include "output/UsbLink.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <thread>

#include "fakes/FakeFtdiDriver.h"
#include "fakes/FakeWallClock.h"
#include "fakes/TestSystem.h"
#include "storage/EventLog.h"

namespace wl {
namespace {

using test::FakeFtdiDriver;
using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Call = FakeFtdiDriver::Call;

std::array<Universe, kUniverseCount> universesAt(std::uint8_t level) {
    std::array<Universe, kUniverseCount> universes{};
    for (auto& universe : universes) universe.fill(level);
    return universes;
}

// The level a written packet carries on channel 1.
std::uint8_t firstLevel(const std::vector<std::uint8_t>& packet) {
    return packet.at(14);
}

TEST(UsbLinkTest, SendsNothingBeforeInitOrAfterClose) {
    FakeFtdiDriver driver;
    UsbLink link(driver, UsbLinkMode::Synchronous);
    link.SendToUsb(universesAt(1));
    EXPECT_THAT(driver.calls(), IsEmpty());

    link.InitUsbDevise();
    link.SendToUsb(universesAt(2));
    link.CloseUsbDevise();
    link.SendToUsb(universesAt(3));
    EXPECT_EQ(driver.writes().size(), 4u);
    EXPECT_EQ(driver.openHandles(), 0u);
    EXPECT_FALSE(link.status().UsbOpened);
}

TEST(UsbLinkTest, SynchronousLinkWritesEveryFrameBeforeSendReturns) {
    FakeFtdiDriver driver;
    UsbLink link(driver, UsbLinkMode::Synchronous);
    link.InitUsbDevise();
    for (std::uint8_t level = 1; level <= 3; ++level) {
        link.SendToUsb(universesAt(level));
        ASSERT_EQ(driver.writes().size(), 4u * level);
        EXPECT_EQ(firstLevel(driver.writes().back()), level);
    }
    EXPECT_EQ(link.status().UsbActivity, 12);
    EXPECT_EQ(link.droppedFrames(), 0u);
}

TEST(UsbLinkTest, UniversesEToHNeverTravel) {
    FakeFtdiDriver driver;
    UsbLink link(driver, UsbLinkMode::Synchronous);
    link.InitUsbDevise();
    auto universes = universesAt(7);
    for (int u = kUsbUniverseCount; u < kUniverseCount; ++u) universes[u].fill(99);
    link.SendToUsb(universes);
    std::vector<std::uint8_t> levels;
    for (const auto& packet : driver.writes()) levels.push_back(firstLevel(packet));
    EXPECT_THAT(levels, ElementsAre(7, 7, 7, 7));
}

class UsbIndicatorTest : public ::testing::Test {
  protected:
    test::TempDir home;
    test::FakeWallClock clock;
    EventLog log{home.path() / "wavelumina.Log", clock};
    FakeFtdiDriver driver;
    UsbLink link{driver, UsbLinkMode::Synchronous};
};

TEST_F(UsbIndicatorTest, ShowsWhetherPacketsAreFlowing) {
    link.InitUsbDevise();
    // Nothing written yet, but the first look always shows data moving.
    UsbIndicator indicator = link.RefreshIndicator(log);
    EXPECT_EQ(indicator.hint, "Data to USB is Processing");

    indicator = link.RefreshIndicator(log);
    EXPECT_EQ(indicator.hint, "No Device Present");
    EXPECT_THAT((std::array{indicator.red, indicator.green, indicator.blue}),
                ElementsAre(255, 0, 255));

    for (int cycle = 0; cycle < 10; ++cycle) link.SendToUsb(universesAt(1));
    indicator = link.RefreshIndicator(log);
    EXPECT_EQ(indicator.hint, "Data to USB is Processing");
    EXPECT_THAT((std::array{indicator.red, indicator.green, indicator.blue}),
                ElementsAre(0, 40, 5));

    link.CheckBoxFTDI = false;
    link.SendToUsb(universesAt(1));
    indicator = link.RefreshIndicator(log);
    EXPECT_EQ(indicator.hint, "No Send Data to USB");
    EXPECT_THAT((std::array{indicator.red, indicator.green, indicator.blue}),
                ElementsAre(255, 0, 0));
}

TEST_F(UsbIndicatorTest, UnpluggedBoardStopsTheActivityAndLogsTheFailureOnce) {
    link.InitUsbDevise();
    link.SendToUsb(universesAt(1));
    link.RefreshIndicator(log);
    driver.setStatus(Call::Write, kFtIoError);
    link.SendToUsb(universesAt(1));
    link.SendToUsb(universesAt(1));

    EXPECT_EQ(link.RefreshIndicator(log).hint, "No Device Present");
    EXPECT_EQ(link.status().UsbStatusText,
              "Интерфейс отключен от компьютера  - Ошибка ввода-вывода...");
    link.RefreshIndicator(log);

    std::ifstream in(log.file());
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string line =
        "Who: FormUSB_COM Where: UsbReportStatus= Info=Интерфейс отключен от компьютера  - "
        "Ошибка ввода-вывода...";
    EXPECT_NE(text.find(line), std::string::npos) << text;
    EXPECT_EQ(text.find(line), text.rfind(line)) << text;
}

// How many times `line` stands in the event log.
std::size_t timesLogged(const EventLog& log, const std::string& line) {
    std::ifstream in(log.file());
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::size_t times = 0;
    for (auto at = text.find(line); at != std::string::npos; at = text.find(line, at + 1)) ++times;
    return times;
}

TEST_F(UsbIndicatorTest, BoardThatCannotBeHadIsLoggedOncePerReason) {
    const std::string held =
        "Who: FormUSB_COM Where: UsbReportStatus= Info=FT_Open - Устройство не открывается...";
    const std::string noTimeouts =
        "Who: FormUSB_COM Where: UsbReportStatus= Info=FT_SetTimeouts - Ошибка ввода-вывода...";
    // Each refresh in a second of its own, so a repeated line would be appended, not replaced.
    const auto framesAndRefreshes = [this] {
        for (int refresh = 0; refresh < 3; ++refresh) {
            for (int cycle = 0; cycle < 15; ++cycle) link.SendToUsb(universesAt(1));
            ++clock.time.second;
            link.RefreshIndicator(log);
        }
    };
    driver.setStatus(Call::Open, kFtDeviceNotOpened);
    link.InitUsbDevise();
    link.RefreshIndicator(log);
    framesAndRefreshes();
    EXPECT_EQ(timesLogged(log, held), 1u);

    driver.setStatus(Call::Open, kFtOk);
    driver.setStatus(Call::SetTimeouts, kFtIoError);
    framesAndRefreshes();
    EXPECT_EQ(timesLogged(log, held), 1u);
    EXPECT_EQ(timesLogged(log, noTimeouts), 1u);
    EXPECT_THAT(driver.writes(), IsEmpty());
}

class UsbLinkThreadTest : public ::testing::Test {
  protected:
    UsbLinkThreadTest() { link.InitUsbDevise(); }

    // Hands over a frame of `level` and waits until its first packet hangs in the driver.
    void sendIntoHeldWrite(std::uint8_t level) {
        driver.holdWrites();
        link.SendToUsb(universesAt(level));
        driver.waitUntilWriteHeld();
    }

    FakeFtdiDriver driver;
    UsbLink link{driver, UsbLinkMode::Threaded};
};

// A driver write that blocks (a board waiting out its 500 ms time-out) holds up only the link
// thread: the output cycle goes on handing over frames, and once the write returns the link
// sends the newest of them.
TEST_F(UsbLinkThreadTest, BlockedWriteNeverHoldsUpTheOutputCycle) {
    sendIntoHeldWrite(1);
    // Each call returns while the write is still held: had one waited for the link, the test
    // would never get past this loop.
    for (std::uint8_t level = 2; level <= 100; ++level) link.SendToUsb(universesAt(level));
    EXPECT_THAT(driver.writes(), IsEmpty());

    driver.releaseWrites();
    driver.waitForWrites(8);
    link.CloseUsbDevise();

    const auto writes = driver.writes();
    ASSERT_EQ(writes.size(), 8u);
    EXPECT_EQ(firstLevel(writes[0]), 1);
    std::vector<std::uint8_t> newest;
    for (std::size_t i = 4; i < 8; ++i) newest.push_back(firstLevel(writes[i]));
    EXPECT_THAT(newest, Each(100));
    EXPECT_GT(link.droppedFrames(), 0u);
    EXPECT_EQ(driver.openHandles(), 0u);
}

TEST_F(UsbLinkThreadTest, CloseSendsTheFrameStillWaiting) {
    sendIntoHeldWrite(1);
    link.SendToUsb(universesAt(2));
    driver.releaseWrites();
    link.CloseUsbDevise();

    const auto writes = driver.writes();
    ASSERT_EQ(writes.size(), 8u);
    EXPECT_EQ(firstLevel(writes.back()), 2);
    EXPECT_EQ(driver.calls().back(), "close 1");
}

TEST_F(UsbLinkThreadTest, StatusReachesTheOwnerThread) {
    link.SendToUsb(universesAt(1));
    driver.waitForWrites(4);
    // The link publishes right after its writes; the owner sees it on one of its next looks.
    while (link.status().UsbActivity != 4) std::this_thread::yield();
    EXPECT_EQ(link.status().UsbPortCaption, "Device is Present 1 ");
    EXPECT_TRUE(link.status().UsbLinkGood);
}

}  // namespace
}  // namespace wl
