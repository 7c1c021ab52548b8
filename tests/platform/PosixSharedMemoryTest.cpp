#include "platform/PosixSharedMemory.h"

#include <gtest/gtest.h>

#include <cstring>

#include "fakes/TestSystem.h"

namespace wl {
namespace {

class PosixSharedMemoryTest : public ::testing::Test {
  protected:
    ~PosixSharedMemoryTest() override { memory.remove(name); }

    PosixSharedMemory memory;
    std::string name = test::uniqueGuardName() + "-block";
};

TEST_F(PosixSharedMemoryTest, SecondOpenFindsTheSameBlock) {
    const auto first = memory.createOrOpen(name, 4096);
    ASSERT_NE(first.handle, SharedMemory::kNoHandle) << first.error;
    EXPECT_TRUE(first.created);
    const auto second = memory.createOrOpen(name, 4096);
    ASSERT_NE(second.handle, SharedMemory::kNoHandle) << second.error;
    EXPECT_FALSE(second.created);

    const auto view = memory.map(first.handle, 4096);
    ASSERT_NE(view.view, nullptr) << view.error;
    std::memcpy(view.view, "seen", 5);
    std::string error;
    const auto copy = readSharedBlock(name, 4096, error);
    ASSERT_TRUE(copy) << error;
    EXPECT_STREQ(reinterpret_cast<const char*>(copy->data()), "seen");

    memory.unmap(view.view, 4096);
    memory.close(first.handle);
    memory.close(second.handle);
}

TEST_F(PosixSharedMemoryTest, ReadingMoreThanTheBlockHoldsFailsInsteadOfFaulting) {
    const auto small = memory.createOrOpen(name, 16);
    ASSERT_NE(small.handle, SharedMemory::kNoHandle) << small.error;
    memory.close(small.handle);
    std::string error;
    EXPECT_FALSE(readSharedBlock(name, 1 << 20, error));
    EXPECT_NE(error, "");

    memory.remove(name);
    EXPECT_FALSE(readSharedBlock(name, 16, error));
}

}  // namespace
}  // namespace wl
