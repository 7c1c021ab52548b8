#include "platform/CaptureFtdiDriver.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "fakes/TestSystem.h"

namespace wl {
namespace {

std::string fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(CaptureFtdiDriverTest, RecordsEveryWriteInOrderAcrossReopening) {
    test::TempDir dir;
    const auto file = dir.path() / "out.bin";
    {
        CaptureFtdiDriver board(file.string());
        ASSERT_EQ(board.failureReason(), "");
        std::uint32_t count = 0;
        EXPECT_EQ(board.listDeviceCount(count), kFtOk);
        EXPECT_EQ(count, 1u);

        FtdiDriver::Handle handle = 0;
        ASSERT_EQ(board.open(0, handle), kFtOk);
        FtdiDriver::Handle second = 0;
        EXPECT_EQ(board.open(0, second), kFtDeviceNotOpened);
        std::uint32_t written = 0;
        const std::uint8_t first[] = {0xFF, 0xF0, 0x00};
        EXPECT_EQ(board.write(handle, first, 3, written), kFtOk);
        EXPECT_EQ(written, 3u);
        EXPECT_EQ(board.close(handle), kFtOk);
        EXPECT_EQ(fileBytes(file), std::string("\xFF\xF0\x00", 3));

        EXPECT_EQ(board.write(handle, first, 3, written), kFtInvalidHandle);
        ASSERT_EQ(board.open(0, handle), kFtOk);
        const std::uint8_t next[] = {0x01, 0x02};
        EXPECT_EQ(board.write(handle, next, 2, written), kFtOk);
    }
    EXPECT_EQ(fileBytes(file), std::string("\xFF\xF0\x00\x01\x02", 5));
}

TEST(CaptureFtdiDriverTest, TheFileIsEmptiedOnlyWhenTheBoardFirstOpens) {
    test::TempDir dir;
    const auto file = dir.path() / "out.bin";
    std::ofstream(file) << "earlier capture";
    CaptureFtdiDriver board(file.string());
    ASSERT_EQ(board.failureReason(), "");
    EXPECT_EQ(fileBytes(file), "earlier capture");

    FtdiDriver::Handle handle = 0;
    ASSERT_EQ(board.open(0, handle), kFtOk);
    EXPECT_EQ(fileBytes(file), "");
    std::uint32_t written = 0;
    const std::uint8_t packet[] = {0xFF, 0xF0};
    ASSERT_EQ(board.write(handle, packet, 2, written), kFtOk);
    ASSERT_EQ(board.close(handle), kFtOk);
    ASSERT_EQ(board.open(0, handle), kFtOk);  // opened again, as after a failed write
    EXPECT_EQ(fileBytes(file), std::string("\xFF\xF0", 2));

    const auto missing = dir.path() / "never-opened.bin";
    CaptureFtdiDriver unused(missing.string());
    EXPECT_EQ(unused.failureReason(), "");
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST(CaptureFtdiDriverTest, AWriteTheFileRefusesFailsWithTheSystemsReason) {
    CaptureFtdiDriver board("/dev/full");
    ASSERT_EQ(board.failureReason(), "");
    FtdiDriver::Handle handle = 0;
    ASSERT_EQ(board.open(0, handle), kFtOk);
    EXPECT_EQ(board.captureFailure(), "");
    std::uint32_t written = 0;
    const std::uint8_t packet[530] = {};
    EXPECT_EQ(board.write(handle, packet, sizeof packet, written), kFtIoError);
    EXPECT_EQ(board.captureFailure(), "/dev/full: No space left on device");
}

TEST(CaptureFtdiDriverTest, UnwritableFileIsReportedAndTheBoardNeverOpens) {
    test::TempDir dir;
    CaptureFtdiDriver board((dir.path() / "missing" / "out.bin").string());
    EXPECT_NE(board.failureReason().find("out.bin"), std::string::npos);
    FtdiDriver::Handle handle = 0;
    EXPECT_EQ(board.open(0, handle), kFtDeviceNotOpened);
}

}  // namespace
}  // namespace wl
