#include "storage/EventLog.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "fakes/FakeOperator.h"
#include "fakes/FakeWallClock.h"
#include "fakes/TestSystem.h"
#include "storage/ErrorReporter.h"

namespace wl {
namespace {

class EventLogTest : public ::testing::Test {
  protected:
    EventLogTest() { clock.set(2026, 12, 9, 14, 5, 7); }

    std::string logText() const {
        std::ifstream in(log.file(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    test::TempDir dir;
    test::FakeWallClock clock;
    EventLog log{dir.path() / "wavelumina.Log", clock};
};

TEST_F(EventLogTest, WritesOneSectionPerSecondWithoutLeadingZeros) {
    log.WriteLog("ReadSave", "OpenSeqFile", "File_no_found: /srv/park.seq");
    EXPECT_EQ(logText(),
              "[Data: 9.12.2026  Time: 14:5:7]\n"
              "Who: ReadSave Where: OpenSeqFile= Info=File_no_found: /srv/park.seq\n");
    EXPECT_TRUE(log.lastFailure().empty());
}

TEST_F(EventLogTest, EventsOfOneSecondShareASectionAndARepeatReplacesTheEarlierLine) {
    log.WriteLog("ReadSave", "OpenSeqFile", "first");
    log.WriteLog("ReadSave", "OpenTrackFile", "other");
    log.WriteLog("ReadSave", "OpenSeqFile", "second");
    clock.set(2026, 12, 9, 14, 5, 8);
    log.WriteLog("ReadSave", "OpenSeqFile", "next second");
    EXPECT_EQ(logText(),
              "[Data: 9.12.2026  Time: 14:5:7]\n"
              "Who: ReadSave Where: OpenSeqFile= Info=second\n"
              "Who: ReadSave Where: OpenTrackFile= Info=other\n"
              "[Data: 9.12.2026  Time: 14:5:8]\n"
              "Who: ReadSave Where: OpenSeqFile= Info=next second\n");
}

TEST_F(EventLogTest, OnlyTheCurrentSecondIsMergedSoASecondSeenAgainIsAppended) {
    log.WriteLog("A", "B", "one");
    clock.set(2026, 12, 9, 14, 5, 9);
    log.WriteLog("A", "B", "two");
    clock.set(2026, 12, 9, 14, 5, 7);  // the clock was set back
    log.WriteLog("C", "D", "three");
    EXPECT_EQ(logText(),
              "[Data: 9.12.2026  Time: 14:5:7]\n"
              "Who: A Where: B= Info=one\n"
              "[Data: 9.12.2026  Time: 14:5:9]\n"
              "Who: A Where: B= Info=two\n"
              "[Data: 9.12.2026  Time: 14:5:7]\n"
              "Who: C Where: D= Info=three\n");
}

TEST_F(EventLogTest, AnEarlierLogIsContinuedAtItsEndWithoutBeingRewritten) {
    {
        std::ofstream earlier(log.file(), std::ios::binary);
        earlier << "[Data: 8.12.2026  Time: 22:0:0]\nWho: A Where: B= Info=yesterday\n";
    }
    log.WriteLog("A", "B", "today");
    EXPECT_EQ(logText(),
              "[Data: 8.12.2026  Time: 22:0:0]\nWho: A Where: B= Info=yesterday\n"
              "[Data: 9.12.2026  Time: 14:5:7]\nWho: A Where: B= Info=today\n");
}

TEST_F(EventLogTest, AWriterThreadWritesTheSameTextOnceFlushed) {
    EventLog threaded(dir.path() / "threaded.Log", clock, LogWriting::Threaded);
    threaded.WriteLog("ReadSave", "OpenSeqFile", "first");
    threaded.WriteLog("ReadSave", "OpenTrackFile", "other");
    threaded.WriteLog("ReadSave", "OpenSeqFile", "second");
    threaded.flush();
    std::ifstream in(threaded.file(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()),
              "[Data: 9.12.2026  Time: 14:5:7]\n"
              "Who: ReadSave Where: OpenSeqFile= Info=second\n"
              "Who: ReadSave Where: OpenTrackFile= Info=other\n");
}

TEST_F(EventLogTest, APastTheLimitLogMovesAsideKeepingAFewOldFiles) {
    const auto path = dir.path() / "small.Log";
    EventLog small(path, clock, LogWriting::Synchronous, /*sizeLimit=*/40, /*keptFiles=*/2);
    for (int second = 0; second < 5; ++second) {
        clock.set(2026, 12, 9, 14, 5, second);
        small.WriteLog("Who", "Where", "event " + std::to_string(second));
    }
    const auto read = [](const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    EXPECT_NE(read(path).find("event 4"), std::string::npos);
    EXPECT_NE(read(path.string() + ".1").find("event 3"), std::string::npos);
    EXPECT_NE(read(path.string() + ".2").find("event 2"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path.string() + ".3"));
}

TEST_F(EventLogTest, UnwritableLogKeepsTheReasonAndDoesNotThrow) {
    EventLog broken(dir.path() / "missing-folder" / "wavelumina.Log", clock);
    EXPECT_NO_THROW(broken.WriteLog("A", "B", "C"));
    EXPECT_FALSE(broken.lastFailure().empty());
}

class ErrorReporterTest : public EventLogTest {
  protected:
    test::FakeOperator op;
    ErrorReporter errors{log, op};
};

TEST_F(ErrorReporterTest, ReportErrorTellsTheOperatorLogsAndMarks) {
    errors.ErrorMark = 0;
    errors.ReportError("FormSequenser.SpeedButtonSetNewPos", "Coda < Pos", "No Move Sequenser");
    EXPECT_EQ(errors.ErrorMark, 255);
    ASSERT_EQ(op.shown.size(), 1u);
    EXPECT_EQ(op.shown[0].kind, BoxKind::Plain);
    EXPECT_FALSE(op.shown[0].question);
    EXPECT_EQ(op.shown[0].text,
              "Error! procedure or function not executed!\r\n"
              "FormSequenser.SpeedButtonSetNewPos\r\nCoda < Pos\r\nNo Move Sequenser");
    EXPECT_NE(logText().find("Who: FormSequenser.SpeedButtonSetNewPos Where: Coda < Pos= "
                             "Info=No Move Sequenser\n"),
              std::string::npos);
}

TEST_F(ErrorReporterTest, MessageErrorSkipsOnNoAndGoesOnOnYes) {
    op.answers = {false, true};
    EXPECT_TRUE(errors.MessageError("FormSound", "CountWaveSet", "TrackPosRecs > 63"));
    errors.ErrorMark = 0;
    EXPECT_FALSE(errors.MessageError("FormSound", "CountWaveSet", "TrackPosRecs > 63"));
    EXPECT_EQ(errors.ErrorMark, 255);
    ASSERT_EQ(op.shown.size(), 2u);
    EXPECT_TRUE(op.shown[0].question);
    EXPECT_EQ(op.shown[0].kind, BoxKind::Error);
    EXPECT_EQ(op.shown[0].text,
              "Error! procedure or function not executed!\r\nFormSound\r\nCountWaveSet\r\n"
              "TrackPosRecs > 63\r\nNo-Пропустить, Yes-Выполнить с ошибкой");
    EXPECT_NE(logText().find("Who: MessageError in FormSound Where: CountWaveSet= "
                             "Info=TrackPosRecs > 63\n"),
              std::string::npos);
}

}  // namespace
}  // namespace wl
