#include "app/DmxCaptureWatch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/HeadlessStatus.h"
#include "app/Startup.h"
#include "app/System.h"
#include "fakes/TestSystem.h"
#include "platform/CaptureFtdiDriver.h"

namespace wl {
namespace {

class NoWindows final : public WindowFactory {
  public:
    void create(const WindowSpec&) override {}
};

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST(DmxCaptureWatchTest, ACaptureThatCannotBeWrittenIsShownAndLoggedOnce) {
    CaptureFtdiDriver board("/dev/full");
    test::TestSystem ts(test::uniqueGuardName(), &board);
    NoWindows windows;
    createWindows(*ts, windows);
    watchDmxCapture(*ts, board);

    // A new second of the wall clock for every second of show time, so that no log line can
    // replace an earlier one of the same second.
    for (int second = 10; second < 15; ++second) {
        ts.clock.time.second = second;
        ts->scheduler.advance(1000);
    }

    const std::string reason = "/dev/full: No space left on device";
    EXPECT_EQ(ts->main.statusPanels[kStatusFaultPanel], "DMX capture failed: " + reason);
    EXPECT_NE(headlessStatusLine(*ts).find("  DMX capture failed: " + reason), std::string::npos);
    std::ifstream in(ts.home.path() / "wavelumina.Log");
    const std::string log{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(occurrences(log, "Where: DmxCapture= Info=cannot write " + reason), 1u) << log;
    destroyWindows(*ts);
}

TEST(DmxCaptureWatchTest, AWorkingCaptureShowsNothing) {
    test::TempDir dir;
    CaptureFtdiDriver board((dir.path() / "out.bin").string());
    test::TestSystem ts(test::uniqueGuardName(), &board);
    NoWindows windows;
    createWindows(*ts, windows);
    watchDmxCapture(*ts, board);
    ts->scheduler.advance(3000);
    EXPECT_EQ(ts->main.statusPanels[kStatusFaultPanel], "");
    EXPECT_GT(std::filesystem::file_size(dir.path() / "out.bin"), 0u);
    destroyWindows(*ts);
}

}  // namespace
}  // namespace wl
