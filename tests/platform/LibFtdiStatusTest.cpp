// How libftdi's results become the link's status numbers. Only the mapping is tested here: tests
// never touch real USB.

#include <gtest/gtest.h>

#include "platform/LibFtdiDriver.h"

namespace wl {
namespace {

TEST(LibFtdiStatusTest, EachCallsFailuresMapToTheirStatus) {
    const struct {
        FtdiCall call;
        int result;
        FtStatus status;
    } cases[] = {
        {FtdiCall::FindAll, 2, kFtOk},
        {FtdiCall::FindAll, -3, kFtInsufficientResources},
        {FtdiCall::FindAll, -5, kFtIoError},
        {FtdiCall::Open, 0, kFtOk},
        {FtdiCall::Open, -4, kFtDeviceNotOpened},
        {FtdiCall::Open, -5, kFtDeviceNotOpened},
        {FtdiCall::Open, -8, kFtInvalidHandle},
        {FtdiCall::Open, -7, kFtIoError},
        {FtdiCall::Close, -1, kFtIoError},
        {FtdiCall::Close, -3, kFtInvalidHandle},
        {FtdiCall::Reset, -1, kFtIoError},
        {FtdiCall::Reset, -2, kFtInvalidHandle},
        {FtdiCall::PollStatus, -1, kFtIoError},
        {FtdiCall::PollStatus, -2, kFtInvalidHandle},
        {FtdiCall::Write, 530, kFtOk},
        {FtdiCall::Write, -1, kFtIoError},
        {FtdiCall::Write, -666, kFtInvalidHandle},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ftStatusOf(c.call, c.result), c.status)
            << "call " << static_cast<int>(c.call) << " result " << c.result;
    }
}

}  // namespace
}  // namespace wl
