#include <gtest/gtest.h>

#include <sstream>

#include "app/HeadlessOperator.h"
#include "app/HeadlessStatus.h"
#include "app/OutputTimers.h"
#include "app/System.h"
#include "fakes/TestSystem.h"

namespace wl {
namespace {

TEST(HeadlessStatusTest, PrintsOneLineEachSecondOfShowTime) {
    test::TestEngine te;
    std::ostringstream out;
    startHeadlessStatus(*te.engine, out);
    te.engine->advance(2999);
    te.system().FountainMode = 0;
    te.engine->advance(3600 * 1000 - 2999);
    std::istringstream lines(out.str());
    std::string first, second, third, last, line;
    std::getline(lines, first);
    std::getline(lines, second);
    std::getline(lines, third);
    int count = 3;
    while (std::getline(lines, line)) {
        last = line;
        ++count;
    }
    EXPECT_EQ(first,
              "0:00:01  DANCE MODE  late timer runs 0  output 0 fps, late cycles 0  interval p50 "
              "0.0 p99 0.0 max 0.0 ms");
    EXPECT_EQ(second,
              "0:00:02  DANCE MODE  late timer runs 0  output 0 fps, late cycles 0  interval p50 "
              "0.0 p99 0.0 max 0.0 ms");
    EXPECT_EQ(third,
              "0:00:03  OFF MODE  late timer runs 0  output 0 fps, late cycles 0  interval p50 0.0 "
              "p99 0.0 max 0.0 ms");
    EXPECT_EQ(last,
              "1:00:00  OFF MODE  late timer runs 0  output 0 fps, late cycles 0  interval p50 0.0 "
              "p99 0.0 max 0.0 ms");
    EXPECT_EQ(count, 3600);
}

TEST(HeadlessStatusTest, ShowsTheSpreadOfTheTimeBetweenOutputCycles) {
    test::TestEngine te;
    createOutputTimers(te.system());
    std::ostringstream out;
    startHeadlessStatus(*te.engine, out);
    te.engine->advance(2000);
    EXPECT_NE(out.str().find("late cycles 0  interval p50 10.0 p99 10.0 max 10.0 ms\n"),
              std::string::npos)
        << out.str();
}

TEST(HeadlessOperatorTest, WritesMessagesOnOneLineAndAnswersNo) {
    std::ostringstream out;
    HeadlessOperator op(out);
    op.tell(BoxKind::Error, "Error!\r\nFormSound\r\nwhere");
    EXPECT_FALSE(op.confirm(BoxKind::Warning, "Clear All Sequensers?"));
    EXPECT_FALSE(op.chooseFileToOpen("Open", "*.trk", "park.trk"));
    EXPECT_EQ(out.str(),
              "wavelumina error: Error! | FormSound | where\n"
              "wavelumina warning: Clear All Sequensers? -> No (no operator)\n"
              "wavelumina: Open -> cancelled (no operator)\n");
}

}  // namespace
}  // namespace wl
