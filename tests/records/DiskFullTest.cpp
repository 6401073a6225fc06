// A full disk under the records database is told as "disk full", whether
// SQLite meets it writing a row (SQLITE_FULL) or growing its log index
// (an I/O error whose system error is ENOSPC). The disk is a small
// in-memory file system; the test is skipped where it cannot be mounted.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/mount.h>
#include <sys/statvfs.h>

#include <fstream>
#include <string>

#include "records/CEventRS.h"
#include "records/RecordsSchema.h"
#include "support/Doubles.h"
#include "tests/records/RecordsTestSupport.h"

using records_test::kDbName;
using testing_support::MessageBoxDouble;
using testing_support::TempDir;

namespace {

class SmallDiskTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::mount("tmpfs", dir.Path().c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=256k,mode=0700") != 0)
      GTEST_SKIP() << "a small file system cannot be mounted here";
    mounted = true;
  }
  void TearDown() override {
    if (mounted) ::umount2(dir.Path().c_str(), MNT_DETACH);
  }
  // Fills the disk with one file until about leaveBytes are free.
  void Fill(unsigned long long leaveBytes) {
    struct statvfs fs {};
    ASSERT_EQ(::statvfs(dir.Path().c_str(), &fs), 0);
    const unsigned long long freeBytes = static_cast<unsigned long long>(fs.f_bavail) * fs.f_frsize;
    ASSERT_GT(freeBytes, leaveBytes);
    std::ofstream out(dir.File("filler"), std::ios::binary | std::ios::app);
    out << std::string(freeBytes - leaveBytes, 'x');
  }
  static bool SaysDiskFull(const std::string& text) {
    return text.find("isk full") != std::string::npos && text.find("I/O") == std::string::npos;
  }

  TempDir dir;  // outlives the mount
  bool mounted = false;
};

TEST_F(SmallDiskTest, ANewDatabaseOnAFullDiskIsRefusedAsDiskFull) {
  Fill(8 * 1024);
  MessageBoxDouble boxes;
  CADODatabase db;
  EXPECT_FALSE(OpenRecordsDatabase(db, dir.File(kDbName)));
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_TRUE(SaysDiskFull(boxes.Last().text)) << boxes.Last().text;
}

TEST_F(SmallDiskTest, RowsThatNoLongerFitAreReportedAsDiskFull) {
  MessageBoxDouble boxes;
  CADODatabase db;
  ASSERT_TRUE(OpenRecordsDatabase(db, dir.File(kDbName)));
  Fill(24 * 1024);
  CEventRS events;
  events.SetDatabase(&db);
  ASSERT_TRUE(events.SetTableName("Event"));
  bool failed = false;
  for (int i = 0; i < 2000 && !failed; ++i) {
    events.ResetNewFields();
    events.GetNewFields().m_strOperatorName = std::string(200, 'o');
    failed = !events.AddRecord();
  }
  ASSERT_TRUE(failed) << "the disk never filled";
  ASSERT_GE(boxes.Count(), 1u);
  EXPECT_TRUE(SaysDiskFull(boxes.Last().text)) << boxes.Last().text;
}

}  // namespace
