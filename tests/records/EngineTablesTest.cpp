#include <gtest/gtest.h>

#include "records/CEngineTables.h"
#include "records/CEventRS.h"
#include "support/Doubles.h"
#include "tests/records/RecordsTestSupport.h"

using records_test::FakeContext;
using records_test::RawQuery;
using records_test::kDbName;
using testing_support::MessageBoxDouble;
using testing_support::TempDir;

namespace {

TEST(EngineTables, AlarmRowCarriesTimeShamsiTextTitleTextAndOperator) {
  TempDir dir;
  FakeContext context;
  CEngineTables tables;
  ASSERT_TRUE(tables.Open(dir.File(kDbName), &context, nullptr));
  ASSERT_TRUE(tables.AddAlarm("ResetCommand1", "فرمان ريست پروسس داده شد"));
  context.now += 1.0;
  context.operatorName = "Sara";
  ASSERT_TRUE(tables.AddAlarm("Loop Automation Status", "Vacuum; 'manual'"));

  CAlarmBaseRS* alarms = tables.GetAlarmRS();
  ASSERT_NE(alarms, nullptr);
  EXPECT_EQ(alarms->GetRecordCount(), 2);
  ASSERT_TRUE(alarms->MoveFirst());
  CAlarmFields row;
  ASSERT_TRUE(alarms->ReadCurrentRecord(row));
  EXPECT_DOUBLE_EQ(row.m_dtAlarmDateTime, records_test::kNow);
  EXPECT_EQ(row.m_strAlarmDateTimeShamsi, context.GetShamsiText(records_test::kNow, true));
  EXPECT_EQ(row.m_strAlarmTitle, "ResetCommand1");
  EXPECT_EQ(row.m_strAlarmText, "فرمان ريست پروسس داده شد");
  EXPECT_EQ(row.m_strOperatorName, "Reza");
  ASSERT_TRUE(alarms->MoveNext());
  ASSERT_TRUE(alarms->ReadCurrentRecord(row));
  EXPECT_EQ(row.m_strAlarmText, "Vacuum; 'manual'");
  EXPECT_EQ(row.m_strOperatorName, "Sara");
  EXPECT_FALSE(alarms->MoveNext());
}

TEST(EngineTables, OpeningTwiceKeepsTheConnectionAndTheSetsOpenedOnIt) {
  TempDir dir;
  FakeContext context;
  MessageBoxDouble boxes;
  CEngineTables tables;
  const std::string path = dir.File(kDbName);
  ASSERT_TRUE(tables.Open(path, &context, nullptr));
  CADODatabase* firstConnection = tables.GetDatabase();
  ASSERT_TRUE(tables.AddAlarm("a", "first"));

  CEventRS events;  // a plant set opened on the engine's connection
  events.SetDatabase(tables.GetDatabase());
  ASSERT_TRUE(events.SetTableName("Event"));

  ASSERT_TRUE(tables.Open(path, &context, nullptr));
  EXPECT_EQ(tables.GetDatabase(), firstConnection);
  EXPECT_TRUE(events.IsOpen());
  events.ResetNewFields();
  EXPECT_TRUE(events.AddRecord());
  ASSERT_TRUE(tables.AddAlarm("a", "second"));
  EXPECT_EQ(tables.GetAlarmRS()->GetRecordCount(), 2);
  EXPECT_EQ(boxes.Count(), 0u);
}

TEST(EngineTables, ClosingClosesEverySetOnTheConnectionWithoutDanglingPointers) {
  TempDir dir;
  FakeContext context;
  MessageBoxDouble boxes;
  CEventRS events;
  {
    CEngineTables tables;
    ASSERT_TRUE(tables.Open(dir.File(kDbName), &context, nullptr));
    events.SetDatabase(tables.GetDatabase());
    ASSERT_TRUE(events.SetTableName("Event"));
    tables.Close();
    EXPECT_FALSE(tables.IsOpen());
    EXPECT_FALSE(tables.AddAlarm("t", "x")) << "closed tables write nothing";
    tables.Close();  // twice is harmless
  }
  EXPECT_FALSE(events.IsOpen());
  EXPECT_EQ(events.GetDatabase(), nullptr);
  events.ResetNewFields();
  EXPECT_FALSE(events.AddRecord());
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_NE(boxes.Last().text.find("The table is not open."), std::string::npos);
  EXPECT_NE(boxes.Last().text.find("Table: Event"), std::string::npos);
}

TEST(EngineTables, AFileThatCannotBeOpenedLeavesEverythingClosed) {
  TempDir dir;
  dir.Write(kDbName, std::string(2048, 'z'));
  MessageBoxDouble boxes;
  CEngineTables tables;
  EXPECT_FALSE(tables.Open(dir.File(kDbName), nullptr, nullptr));
  EXPECT_FALSE(tables.IsOpen());
  EXPECT_EQ(tables.GetDatabase(), nullptr);
  EXPECT_EQ(tables.GetAlarmRS(), nullptr);
  EXPECT_EQ(boxes.Count(), 1u);
  EXPECT_FALSE(tables.AddAlarm("t", "x"));
}

TEST(EngineTables, WithoutAContextRowsGetTheFallBacks) {
  TempDir dir;
  testing_support::ClockDouble clock(1000, 45123.5);
  CEngineTables tables;
  ASSERT_TRUE(tables.Open(dir.File(kDbName), nullptr, nullptr));
  ASSERT_TRUE(tables.AddAlarm("t", "x"));
  const std::string path = dir.File(kDbName);
  EXPECT_EQ(RawQuery(path, "SELECT AlarmDateTime FROM Alarm"), "45123.5");
  EXPECT_EQ(RawQuery(path, "SELECT OperatorName FROM Alarm"), "?");
}

}  // namespace
