#include "platform/InstanceGuard.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

#include "fakes/TestSystem.h"

namespace wl {
namespace {

class InstanceGuardTest : public ::testing::Test {
  protected:
    ~InstanceGuardTest() override { shm_unlink(name.c_str()); }

    std::string name = test::uniqueGuardName();
};

TEST_F(InstanceGuardTest, SecondCopyIsRefusedWhileTheFirstHoldsTheGuard) {
    InstanceGuard first(name);
    InstanceGuard second(name);
    ASSERT_EQ(first.acquire(), InstanceGuard::Outcome::Acquired);
    EXPECT_EQ(second.acquire(), InstanceGuard::Outcome::AlreadyRunning);
    first.release();
    EXPECT_EQ(second.acquire(), InstanceGuard::Outcome::Acquired);
}

TEST_F(InstanceGuardTest, BlockHoldsTheMarkerText) {
    InstanceGuard guard(name);
    ASSERT_EQ(guard.acquire(), InstanceGuard::Outcome::Acquired);
    const int fd = shm_open(name.c_str(), O_RDONLY, 0);
    ASSERT_GE(fd, 0);
    void* view = mmap(nullptr, 4096, PROT_READ, MAP_SHARED, fd, 0);
    ASSERT_NE(view, MAP_FAILED);
    EXPECT_STREQ(static_cast<const char*>(view), "Wavelumina");
    munmap(view, 4096);
    close(fd);
}

TEST_F(InstanceGuardTest, CopyKilledWhileHoldingTheGuardDoesNotBlockTheNextStart) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        InstanceGuard guard(name);
        const char held = guard.acquire() == InstanceGuard::Outcome::Acquired ? 'y' : 'n';
        [[maybe_unused]] auto written = write(ready[1], &held, 1);
        pause();
        _exit(0);
    }
    char held = 0;
    ASSERT_EQ(read(ready[0], &held, 1), 1);
    ASSERT_EQ(held, 'y');

    InstanceGuard next(name);
    EXPECT_EQ(next.acquire(), InstanceGuard::Outcome::AlreadyRunning);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_EQ(next.acquire(), InstanceGuard::Outcome::Acquired);
    close(ready[0]);
    close(ready[1]);
}

// Every user must be able to open the block, or another user's copy could not see that one runs
// and would start beside it.
TEST_F(InstanceGuardTest, BlockIsOpenToEveryUserWhateverTheUmask) {
    const mode_t kept = umask(022);
    InstanceGuard guard(name);
    const InstanceGuard::Outcome outcome = guard.acquire();
    umask(kept);
    ASSERT_EQ(outcome, InstanceGuard::Outcome::Acquired);
    struct stat info {};
    ASSERT_EQ(stat(("/dev/shm" + name).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0666u);
}

TEST_F(InstanceGuardTest, BadNameIsReportedWithTheSystemsReason) {
    InstanceGuard guard("/no/slashes/allowed/inside");
    EXPECT_EQ(guard.acquire(), InstanceGuard::Outcome::CreateFailed);
    EXPECT_NE(guard.failureReason().find("/no/slashes/allowed/inside: "), std::string::npos)
        << guard.failureReason();
}

}  // namespace
}  // namespace wl
