#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>

#include "FileTestBed.h"
#include "storage/files/BlockIo.h"

namespace wl::test {
namespace {

std::span<std::byte> firstName(ShowTables& t) {
    return bytesOf(t.sequencer.SeqNames).first(kNameLength);
}

TEST(BlockIo, AShortFileKeepsTheBlocksReadBeforeTheFailure) {
    FileTestBed bed;
    const std::string path = bed.dir() + "short.bin";
    writeFileWith(path, 20, {{0, 'A'}, {16, 'B'}});
    const Layout layout = {{"first", kNameLength, firstName},
                           {"second", 8, [](ShowTables& t) { return bytesOf(t.kits.KeySeq); }}};

    const std::string failure = readLayoutFile(path, layout, bed.tables);

    EXPECT_NE(failure.find("block second"), std::string::npos) << failure;
    EXPECT_EQ(bed.tables.sequencer.SeqNames[0][0], 'A');
}

// A file size limit stands in for a full disk: the system refuses the write, and its reason must
// reach the report instead of the text of the cancelled save.
TEST(BlockIo, AWriteTheSystemRefusesIsReportedWithTheSystemsReason) {
    FileTestBed bed;
    const std::string path = bed.dir() + "show.seq";
    writeFileWith(path, 1000, {{0, 42}});
    const Layout layout = {
        {"links", 1 << 20, [](ShowTables& t) { return bytesOf(t.sequencer.LinkMask); }}};
    rlimit kept{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &kept), 0);
    const auto keptSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = kept;
    limited.rlim_cur = 64 << 10;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);

    const std::string failure = writeLayoutFile(path, layout, bed.tables);

    setrlimit(RLIMIT_FSIZE, &kept);
    std::signal(SIGXFSZ, keptSignal);
    EXPECT_NE(failure.find(std::strerror(EFBIG)), std::string::npos) << failure;
    EXPECT_EQ(failure.find("canceled"), std::string::npos) << failure;
    EXPECT_EQ(std::filesystem::file_size(path), 1000u);
}

TEST(BlockIoDeathTest, AKilledSaveLeavesThePreviousFileWhole) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    FileTestBed bed;
    const std::string path = bed.dir() + "show.seq";
    writeFileWith(path, 1000, {{0, 42}});
    const Layout dying = {{"first", kNameLength, firstName},
                          {"second", kNameLength, [](ShowTables& t) {
                               std::raise(SIGKILL);  // the program dies in the middle of a save
                               return firstName(t);
                           }}};

    EXPECT_EXIT(writeLayoutFile(path, dying, bed.tables), testing::KilledBySignal(SIGKILL), "");

    EXPECT_EQ(std::filesystem::file_size(path), 1000u);
    EXPECT_EQ(byteAt(path, 0), 42);
}

}  // namespace
}  // namespace wl::test
