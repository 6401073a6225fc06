#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include "records/CEventRS.h"
#include "records/RecordsSchema.h"
#include "support/Doubles.h"
#include "tests/records/RecordsTestSupport.h"

using records_test::RawQuery;
using records_test::kDbName;
using testing_support::TempDir;

namespace {

enum class KillPoint {
  AnywhereInTheAppends,   // killed at whatever point the next append has reached
  InsideAnOpenTransaction  // killed after a row was written but before its commit
};

constexpr int kUncommittedMarker = -1;

// The child: the program's own append path, telling the parent through the
// pipe after each commit. Never returns.
[[noreturn]] void RunWriter(const std::string& path, int fd, KillPoint point) {
  CADODatabase db;
  if (!OpenRecordsDatabase(db, path)) _exit(2);
  CEventRS events;
  events.SetDatabase(&db);
  if (!events.SetTableName("Event")) _exit(3);
  for (int i = 0;; ++i) {
    if (point == KillPoint::InsideAnOpenTransaction && i == 3) {
      sqlite3_exec(db.GetHandle(),
                   "BEGIN IMMEDIATE; INSERT INTO Event (OperatorName) VALUES ('uncommitted');",
                   nullptr, nullptr, nullptr);
      const int marker = kUncommittedMarker;
      if (write(fd, &marker, sizeof marker) != sizeof marker) _exit(4);
      for (;;) pause();
    }
    events.ResetNewFields();
    events.GetNewFields().m_nActiveRecipeID = i;
    events.GetNewFields().m_fVacuum = static_cast<float>(i) + 0.5f;
    if (!events.AddRecord()) _exit(5);
    if (write(fd, &i, sizeof i) != sizeof i) _exit(6);
  }
}

class CrashBetweenAppends : public testing::TestWithParam<KillPoint> {};

TEST_P(CrashBetweenAppends, LeavesEveryCommittedRowReadable) {
  TempDir dir;
  const std::string path = dir.File(kDbName);
  {
    CADODatabase db;
    ASSERT_TRUE(OpenRecordsDatabase(db, path));
  }
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(fds[0]);
    RunWriter(path, fds[1], GetParam());
  }
  close(fds[1]);

  // Wait for the commits, then kill the writer without warning.
  const int wanted = GetParam() == KillPoint::AnywhereInTheAppends ? 25 : 4;
  int confirmed = 0;
  bool sawMarker = false;
  int value = 0;
  while (confirmed + (sawMarker ? 1 : 0) < wanted && read(fds[0], &value, sizeof value) == sizeof value) {
    if (value == kUncommittedMarker)
      sawMarker = true;
    else
      ++confirmed;
  }
  kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
  close(fds[0]);
  ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself, status " << status;
  ASSERT_EQ(confirmed + (sawMarker ? 1 : 0), wanted);

  // Reopen as the program does at its next start.
  testing_support::MessageBoxDouble boxes;
  CADODatabase db;
  ASSERT_TRUE(OpenRecordsDatabase(db, path));
  EXPECT_EQ(RawQuery(path, "PRAGMA integrity_check"), "ok");
  CEventRS events;
  events.SetDatabase(&db);
  ASSERT_TRUE(events.SetTableName("Event"));
  const auto count = events.GetRecordCount();
  if (GetParam() == KillPoint::InsideAnOpenTransaction)
    EXPECT_EQ(count, 3) << "the uncommitted row is gone, the committed ones stay";
  else
    EXPECT_GE(count, confirmed);
  int expected = 0;
  for (bool more = events.MoveFirst(); more; more = events.MoveNext(), ++expected) {
    CEventFields row;
    ASSERT_TRUE(events.ReadCurrentRecord(row));
    EXPECT_EQ(row.m_nActiveRecipeID, expected);
    EXPECT_EQ(row.m_fVacuum, static_cast<float>(expected) + 0.5f);
  }
  EXPECT_EQ(expected, count);
  events.ResetNewFields();
  EXPECT_TRUE(events.AddRecord()) << "the file takes new rows after the crash";
  EXPECT_EQ(boxes.Count(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Writer, CrashBetweenAppends,
                         testing::Values(KillPoint::AnywhereInTheAppends,
                                         KillPoint::InsideAnOpenTransaction),
                         [](const testing::TestParamInfo<KillPoint>& info) {
                           return info.param == KillPoint::AnywhereInTheAppends
                                      ? std::string("AnywhereInTheAppends")
                                      : std::string("InsideAnOpenTransaction");
                         });

}  // namespace
