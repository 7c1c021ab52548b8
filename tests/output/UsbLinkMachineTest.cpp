#include "output/UsbLinkMachine.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/FakeFtdiDriver.h"

namespace wl {
namespace {

using test::FakeFtdiDriver;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Call = FakeFtdiDriver::Call;

const std::string kWriteFailed = "Интерфейс отключен от компьютера  - Ошибка ввода-вывода...";

// A frame whose universe u holds the level 10 * (u + 1) on every channel.
UsbFrame levelsFrame(bool send = true) {
    UsbFrame frame;
    for (int u = 0; u < kUsbUniverseCount; ++u)
        frame.universes[u].fill(static_cast<std::uint8_t>(10 * (u + 1)));
    frame.send = send;
    return frame;
}

class UsbLinkMachineTest : public ::testing::Test {
  protected:
    // Init with one board, then forget the calls it made.
    void initOpened() {
        machine.InitUsbDevise();
        ASSERT_TRUE(machine.state().UsbLinkGood);
        driver.clearCalls();
    }

    FakeFtdiDriver driver;
    UsbLinkMachine machine{driver};
};

TEST_F(UsbLinkMachineTest, InitCountsOpensResetsAndSetsTimeouts) {
    machine.InitUsbDevise();
    // Init counts the boards, and so does its poll, as the link has not counted since its last
    // open attempt.
    EXPECT_THAT(driver.calls(), ElementsAre("listDeviceCount", "listDeviceCount", "open 0",
                                            "resetDevice 1", "setTimeouts 1 500 500"));
    const UsbLinkState& state = machine.state();
    EXPECT_TRUE(state.UsbOpened);
    EXPECT_TRUE(state.UsbLinkGood);
    EXPECT_EQ(state.UsbPortCaption, "Device is Present 1 ");
    EXPECT_EQ(state.UsbStatusText, "");
}

TEST_F(UsbLinkMachineTest, OpenLinkPollsTheBoardThenWritesUniversesAToDInOrder) {
    initOpened();
    machine.SendToUsb(levelsFrame());
    EXPECT_THAT(driver.calls(), ElementsAre("listDeviceCount", "getQueueStatus 1", "write 1 530",
                                            "write 1 530", "write 1 530", "write 1 530"));
    // The boards are counted once after each open attempt, not on every frame.
    driver.clearCalls();
    machine.SendToUsb(levelsFrame());
    EXPECT_THAT(driver.calls(), ElementsAre("getQueueStatus 1", "write 1 530", "write 1 530",
                                            "write 1 530", "write 1 530"));
    const auto writes = driver.writes();
    ASSERT_EQ(writes.size(), 8u);
    const std::uint8_t codes[] = {0xF0, 0xF8, 0xF9, 0xFA};
    for (int u = 0; u < 4; ++u) {
        EXPECT_EQ(writes[u][1], codes[u]);
        EXPECT_EQ(writes[u][14], 10 * (u + 1));
    }
    EXPECT_EQ(machine.state().UsbActivity, 8);
}

TEST_F(UsbLinkMachineTest, WithoutBoardEveryFrameCountsAndTriesToOpenButNeverWrites) {
    driver.setDeviceCount(0);
    machine.InitUsbDevise();
    EXPECT_EQ(machine.state().UsbPortCaption, "No USB devises ");
    EXPECT_FALSE(machine.state().UsbLinkGood);
    // A board that is not there is no failure to report.
    EXPECT_EQ(machine.state().UsbStatusText, "");

    driver.clearCalls();
    machine.SendToUsb(levelsFrame());
    machine.SendToUsb(levelsFrame());
    EXPECT_THAT(driver.calls(),
                ElementsAre("listDeviceCount", "open 0", "listDeviceCount", "open 0"));
    EXPECT_THAT(driver.writes(), IsEmpty());
}

TEST_F(UsbLinkMachineTest, BoardPluggedInLaterIsOpenedByTheNextFrame) {
    driver.setDeviceCount(0);
    machine.InitUsbDevise();
    driver.setDeviceCount(1);
    machine.SendToUsb(levelsFrame());
    EXPECT_EQ(machine.state().UsbPortCaption, "Device is Present 1 ");
    EXPECT_TRUE(machine.state().UsbOpened);
    EXPECT_EQ(driver.writes().size(), 4u);
}

TEST_F(UsbLinkMachineTest, FailedWriteCostsOneFrameAndTheBoardIsReopenedOnTheNext) {
    initOpened();
    driver.setStatus(Call::Write, kFtIoError);
    machine.SendToUsb(levelsFrame());
    // The rest of the cycle is still written.
    const auto calls = driver.calls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "write 1 530"), 4);
    EXPECT_FALSE(machine.state().UsbLinkGood);
    EXPECT_EQ(machine.state().UsbStatusText, kWriteFailed);
    EXPECT_EQ(machine.state().UsbActivity, 0);

    // The board still answers, so it is opened afresh at once instead of waiting for "INIT".
    driver.setStatus(Call::Write, kFtOk);
    driver.clearCalls();
    machine.SendToUsb(levelsFrame());
    EXPECT_THAT(driver.calls(),
                ElementsAre("close 1", "open 0", "resetDevice 2", "setTimeouts 2 500 500",
                            "write 2 530", "write 2 530", "write 2 530", "write 2 530"));
    EXPECT_TRUE(machine.state().UsbLinkGood);
    // A recovery leaves the text as it was: it still tells of the write.
    EXPECT_EQ(machine.state().UsbStatusText, kWriteFailed);
}

TEST_F(UsbLinkMachineTest, BoardTakingPartOfAPacketFailsTheWrite) {
    initOpened();
    driver.setWriteLimit(100);
    machine.SendToUsb(levelsFrame());
    EXPECT_EQ(driver.writes().size(), 4u);
    EXPECT_FALSE(machine.state().UsbLinkGood);
    EXPECT_EQ(machine.state().UsbStatusText, kWriteFailed);
    EXPECT_EQ(machine.state().UsbActivity, 0);
}

// The board is there but cannot be had, or cannot be set up: the reason is kept, the board is
// let go, no frame is written and every frame tries again until the board can be had.
TEST(UsbLinkMachineSetUpTest, FailedOpenResetOrTimeoutsIsReportedAndRetriedEachFrame) {
    const struct {
        Call call;
        FtStatus status;
        const char* text;
        std::vector<std::string> initCalls;
    } cases[] = {
        {Call::Open,
         kFtDeviceNotOpened,
         "FT_Open - Устройство не открывается...",
         {"listDeviceCount", "listDeviceCount", "open 0"}},
        {Call::Reset,
         kFtIoError,
         "FT_ResetDevice - Ошибка ввода-вывода...",
         {"listDeviceCount", "listDeviceCount", "open 0", "resetDevice 1", "close 1"}},
        {Call::SetTimeouts,
         kFtInvalidParameter,
         "FT_SetTimeouts - Неверный параметр ...",
         {"listDeviceCount", "listDeviceCount", "open 0", "resetDevice 1", "setTimeouts 1 500 500",
          "close 1"}},
    };
    for (const auto& c : cases) {
        FakeFtdiDriver driver;
        UsbLinkMachine machine(driver);
        driver.setStatus(c.call, c.status);
        machine.InitUsbDevise();
        EXPECT_EQ(driver.calls(), c.initCalls) << c.text;
        EXPECT_EQ(machine.state().UsbStatusText, c.text);
        EXPECT_FALSE(machine.state().UsbLinkGood) << c.text;
        EXPECT_FALSE(machine.state().UsbOpened) << c.text;
        EXPECT_EQ(driver.openHandles(), 0u) << c.text;

        driver.clearCalls();
        machine.SendToUsb(levelsFrame());
        const auto calls = driver.calls();
        EXPECT_EQ(std::count(calls.begin(), calls.end(), "open 0"), 1) << c.text;
        EXPECT_THAT(driver.writes(), IsEmpty()) << c.text;

        driver.setStatus(c.call, kFtOk);
        machine.SendToUsb(levelsFrame());
        EXPECT_TRUE(machine.state().UsbLinkGood) << c.text;
        EXPECT_EQ(driver.writes().size(), 4u) << c.text;
    }
}

TEST_F(UsbLinkMachineTest, OpenFailingWhilePollingIsReported) {
    initOpened();
    driver.setStatus(Call::QueueStatus, kFtIoError);
    machine.SendToUsb(levelsFrame());
    // Another driver takes the board while the link has let go of it.
    driver.setStatus(Call::QueueStatus, kFtOk);
    driver.setStatus(Call::Open, kFtDeviceNotOpened);
    machine.SendToUsb(levelsFrame());
    EXPECT_EQ(machine.state().UsbStatusText, "FT_Open - Устройство не открывается...");
    EXPECT_FALSE(machine.state().UsbLinkGood);
}

TEST_F(UsbLinkMachineTest, FailedPollLetsGoOfTheBoardAndTheNextFrameOpensItAfresh) {
    initOpened();
    driver.setStatus(Call::QueueStatus, kFtIoError);
    driver.clearCalls();
    machine.SendToUsb(levelsFrame());
    EXPECT_THAT(driver.calls(), ElementsAre("listDeviceCount", "getQueueStatus 1", "close 1"));
    EXPECT_FALSE(machine.state().UsbOpened);
    EXPECT_FALSE(machine.state().UsbLinkGood);

    driver.setStatus(Call::QueueStatus, kFtOk);
    driver.clearCalls();
    machine.SendToUsb(levelsFrame());
    EXPECT_THAT(driver.calls(),
                ElementsAre("open 0", "resetDevice 2", "setTimeouts 2 500 500", "write 2 530",
                            "write 2 530", "write 2 530", "write 2 530"));
    EXPECT_TRUE(machine.state().UsbLinkGood);
}

TEST_F(UsbLinkMachineTest, InitOnAnOpenLinkClosesTheHandleSoTheBoardOpensAgain) {
    initOpened();
    driver.setStatus(Call::Write, kFtIoError);
    machine.SendToUsb(levelsFrame());
    driver.setStatus(Call::Write, kFtOk);
    driver.clearCalls();

    machine.InitUsbDevise();
    EXPECT_THAT(driver.calls(), ElementsAre("close 1", "listDeviceCount", "listDeviceCount",
                                            "open 0", "resetDevice 2", "setTimeouts 2 500 500"));
    EXPECT_EQ(driver.openHandles(), 1u);
    machine.SendToUsb(levelsFrame());
    EXPECT_EQ(driver.writes().size(), 4u);
}

TEST_F(UsbLinkMachineTest, SendingSwitchedOffKeepsPollingWithoutWriting) {
    initOpened();
    machine.SendToUsb(levelsFrame(false));
    EXPECT_THAT(driver.calls(), ElementsAre("listDeviceCount", "getQueueStatus 1"));
}

TEST_F(UsbLinkMachineTest, FailuresDuringInitAreReported) {
    driver.setStatus(Call::List, kFtInsufficientResources);
    machine.InitUsbDevise();
    EXPECT_EQ(machine.state().UsbStatusText, "GetFTDeviceCount - Не хватает ресурсов...");
    EXPECT_EQ(machine.state().UsbPortCaption, "No USB devises ");
}

TEST_F(UsbLinkMachineTest, CloseLetsGoOfTheBoard) {
    initOpened();
    machine.CloseUsbDevise();
    EXPECT_THAT(driver.calls(), ElementsAre("close 1"));
    EXPECT_FALSE(machine.state().UsbLinkGood);
    EXPECT_FALSE(machine.state().UsbOpened);
    EXPECT_EQ(driver.openHandles(), 0u);
}

TEST(UsbStatusTextTest, NamesTheCallAndTheReason) {
    const struct {
        FtStatus status;
        const char* text;
    } cases[] = {
        {kFtInvalidHandle, "Интерфейс отключен от компьютера  - Ошибка Handle..."},
        {kFtDeviceNotFound, "Интерфейс отключен от компьютера  - Устройство не найдено...."},
        {kFtDeviceNotOpened, "Интерфейс отключен от компьютера  - Устройство не открывается..."},
        {kFtIoError, "Интерфейс отключен от компьютера  - Ошибка ввода-вывода..."},
        {kFtInsufficientResources, "Интерфейс отключен от компьютера  - Не хватает ресурсов..."},
        {kFtInvalidParameter, "Интерфейс отключен от компьютера  - Неверный параметр ..."},
        {7, "Интерфейс отключен от компьютера  - status 7"},
        {-1, "Интерфейс отключен от компьютера  - status -1"},
    };
    for (const auto& c : cases) {
        FakeFtdiDriver driver;
        UsbLinkMachine machine(driver);
        machine.InitUsbDevise();
        driver.setStatus(Call::Write, c.status);
        machine.SendToUsb(levelsFrame());
        EXPECT_EQ(machine.state().UsbStatusText, c.text) << "status " << c.status;
        EXPECT_FALSE(machine.state().UsbLinkGood) << "status " << c.status;
    }
}

}  // namespace
}  // namespace wl
