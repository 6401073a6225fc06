#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "records/CEventRS.h"
#include "records/CRecipeRS.h"
#include "records/CShiftRS.h"
#include "records/RecordsSchema.h"
#include "support/Doubles.h"
#include "tests/records/RecordsTestSupport.h"

using records_test::FakeContext;
using records_test::NoticeWnd;
using records_test::RawExec;
using records_test::RawQuery;
using records_test::kDbName;
using testing_support::MessageBoxDouble;
using testing_support::TempDir;

namespace {

class ActiveRecords : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(OpenRecordsDatabase(db, dir.File(kDbName)));
    db.SetRecordContext(&context);
    ASSERT_TRUE(wnd.CreateHidden());
    recipes.SetDatabase(&db, &wnd);
    shifts.SetDatabase(&db, &wnd);
    ASSERT_TRUE(recipes.SetTableName("Recipe"));
    ASSERT_TRUE(shifts.SetTableName("Shift"));
  }
  void AddRecipe(const std::string& name) {
    recipes.ResetNewFields();
    recipes.GetNewFields().m_strRecipeName = name;
    ASSERT_TRUE(recipes.AddRecord());
  }
  WPARAM Of(const CBaseTableRS& set) { return reinterpret_cast<WPARAM>(&set); }

  TempDir dir;
  FakeContext context;
  CADODatabase db;
  NoticeWnd wnd;
  CRecipeRS recipes;
  CShiftRS shifts;
};

TEST_F(ActiveRecords, NoActiveRecordShowsTheTableNameAndPostsNotice3) {
  MessageBoxDouble boxes;
  AddRecipe("not active");
  EXPECT_FALSE(recipes.FindActiveRecord());
  recipes.SetActiveRecord(false);
  EXPECT_FALSE(recipes.HasActiveRecord());
  EXPECT_EQ(recipes.GetActiveFields().m_nRecordID, -1);
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_EQ(boxes.Last().text, "There is no active \"Recipe\".");

  shifts.SetActiveRecord(shifts.FindActiveRecord());
  EXPECT_EQ(boxes.Last().text, "There is no active \"Shift\".");
  ASSERT_TRUE(wnd.WaitFor(2));
  EXPECT_EQ(wnd.notices[0], std::make_pair(Of(recipes), TABLE_NOTICE_NO_ACTIVE_RECORD));
  EXPECT_EQ(wnd.notices[1], std::make_pair(Of(shifts), TABLE_NOTICE_NO_ACTIVE_RECORD));
}

TEST_F(ActiveRecords, ActivatingARecordKeepsOnlyOneActiveAndPostsNotice5) {
  MessageBoxDouble boxes;
  AddRecipe("first");
  AddRecipe("second");
  ASSERT_TRUE(recipes.MoveFirst());
  ASSERT_TRUE(recipes.ActivateCurrentRecord());
  ASSERT_TRUE(recipes.MoveLast());
  ASSERT_TRUE(recipes.ActivateCurrentRecord());
  EXPECT_TRUE(recipes.HasActiveRecord());
  EXPECT_EQ(recipes.GetActiveFields().m_strRecipeName, "second");
  EXPECT_EQ(RawQuery(dir.File(kDbName), "SELECT group_concat(RecipeName) FROM Recipe WHERE IsActive"),
            "second");
  ASSERT_TRUE(wnd.WaitFor(2));
  EXPECT_EQ(wnd.notices[1], std::make_pair(Of(recipes), TABLE_NOTICE_ACTIVE_RECORD_SET));
  EXPECT_EQ(boxes.Count(), 0u);

  // The same as the engine finds it at start-up.
  CRecipeRS fresh;
  fresh.SetDatabase(&db);
  ASSERT_TRUE(fresh.SetTableName("Recipe"));
  ASSERT_TRUE(fresh.FindActiveRecord());
  fresh.SetActiveRecord(true);
  EXPECT_EQ(fresh.GetActiveFields().m_strRecipeName, "second");
  EXPECT_EQ(fresh.GetActiveFields().m_nRecordID, recipes.GetActiveFields().m_nRecordID);
}

TEST_F(ActiveRecords, ASecondActiveRowIsRefusedAndNothingIsWritten) {
  AddRecipe("one");
  ASSERT_TRUE(recipes.ActivateCurrentRecord());
  MessageBoxDouble boxes;
  recipes.ResetNewFields();
  recipes.GetNewFields().m_strRecipeName = "intruder";
  recipes.GetNewFields().m_bIsActive = true;
  EXPECT_FALSE(recipes.AddRecord());
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_NE(boxes.Last().text.find("Table: Recipe"), std::string::npos) << boxes.Last().text;
  EXPECT_EQ(recipes.GetRecordCount(), 1);
  EXPECT_TRUE(recipes.AddRecord() == false);  // still refused, still one row
  recipes.GetNewFields().m_bIsActive = false;
  EXPECT_TRUE(recipes.AddRecord()) << "the set stays usable after a refusal";
}

TEST_F(ActiveRecords, ShiftTotalsAreWrittenBackToTheActiveRow) {
  shifts.GetNewFields().m_strOperatorName = "old";
  ASSERT_TRUE(shifts.AddRecord());
  shifts.GetNewFields().m_strOperatorName = "Reza";
  ASSERT_TRUE(shifts.AddRecord());
  ASSERT_TRUE(shifts.ActivateCurrentRecord());
  ASSERT_TRUE(shifts.MoveFirst());  // the cursor elsewhere does not matter

  CShiftFields& active = shifts.GetActiveFields();
  active.SetTotalProduced(1234.5);
  active.SetTotalSlurry(98765.25);
  active.m_lTotalTime = 28800;
  active.m_lUsefulTime = 27000;
  ASSERT_TRUE(shifts.UpdateActiveRecord());

  const std::string file = dir.File(kDbName);
  EXPECT_EQ(RawQuery(file, "SELECT TotalProduced || '/' || TotalSlurry || '/' || TotalTime || '/' || "
                           "UsefulTime FROM Shift WHERE OperatorName = 'Reza'"),
            "1234.5/98765.25/28800/27000");
  EXPECT_EQ(RawQuery(file, "SELECT TotalTime FROM Shift WHERE OperatorName = 'old'"), "0");
}

TEST_F(ActiveRecords, UpdatingWithoutAnActiveRecordWritesNothingAndSaysNothing) {
  MessageBoxDouble boxes;
  shifts.GetNewFields().m_strOperatorName = "x";
  ASSERT_TRUE(shifts.AddRecord());
  shifts.GetActiveFields().m_lTotalTime = 5;
  EXPECT_FALSE(shifts.UpdateActiveRecord());
  EXPECT_EQ(boxes.Count(), 0u);
  EXPECT_EQ(RawQuery(dir.File(kDbName), "SELECT TotalTime FROM Shift"), "0");
}

TEST_F(ActiveRecords, AnActiveRowDeletedByAnotherProgramIsReportedOnUpdate) {
  AddRecipe("gone soon");
  ASSERT_TRUE(recipes.ActivateCurrentRecord());
  ASSERT_EQ(RawExec(dir.File(kDbName), "DELETE FROM Recipe"), SQLITE_OK);
  MessageBoxDouble boxes;
  EXPECT_FALSE(recipes.UpdateActiveRecord());
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_NE(boxes.Last().text.find("no longer exists"), std::string::npos) << boxes.Last().text;
  EXPECT_EQ(recipes.GetRecordCount(), 0) << "nothing was written in its place";
}

// In every table with an active mark: deleting another row keeps the
// active record; deleting the active row leaves none (its field set
// emptied, nothing written back, none found again).
TEST_F(ActiveRecords, DeletingTheActiveRowLeavesNoActiveRecordAndAnotherRowKeepsIt) {
  struct Table {
    CBaseTableRS& set;
    std::function<void(const std::string&)> add;
    std::function<std::string()> activeName;
  };
  const Table tables[] = {
      {recipes, [&](const std::string& name) { AddRecipe(name); },
       [&] { return recipes.GetActiveFields().m_strRecipeName; }},
      {shifts,
       [&](const std::string& name) {
         shifts.ResetNewFields();
         shifts.GetNewFields().m_strOperatorName = name;
         ASSERT_TRUE(shifts.AddRecord());
       },
       [&] { return shifts.GetActiveFields().m_strOperatorName; }},
  };
  for (const Table& table : tables) {
    SCOPED_TRACE(table.set.GetTableName());
    MessageBoxDouble boxes;
    for (const char* name : {"first", "second", "third"}) table.add(name);
    ASSERT_TRUE(table.set.MoveFirst() && table.set.MoveNext());
    ASSERT_TRUE(table.set.ActivateCurrentRecord());

    ASSERT_TRUE(table.set.MoveFirst());
    ASSERT_TRUE(table.set.DeleteCurrentRecord());
    EXPECT_TRUE(table.set.HasActiveRecord()) << "another row was deleted";
    EXPECT_EQ(table.activeName(), "second");
    EXPECT_TRUE(table.set.UpdateActiveRecord());

    ASSERT_TRUE(table.set.FindActiveRecord());
    ASSERT_TRUE(table.set.DeleteCurrentRecord());
    EXPECT_FALSE(table.set.HasActiveRecord());
    EXPECT_EQ(table.activeName(), "");
    EXPECT_FALSE(table.set.UpdateActiveRecord());
    EXPECT_FALSE(table.set.FindActiveRecord());
    EXPECT_EQ(table.set.GetRecordCount(), 1);
    EXPECT_EQ(boxes.Count(), 0u) << "nothing to report";
  }
}

TEST_F(ActiveRecords, FallBackPositionsWhenNoActiveRecordExists) {
  shifts.GetNewFields().m_strOperatorName = "first";
  ASSERT_TRUE(shifts.AddRecord());
  shifts.GetNewFields().m_strOperatorName = "last";
  ASSERT_TRUE(shifts.AddRecord());
  ASSERT_FALSE(shifts.FindActiveRecord());
  ASSERT_TRUE(shifts.MoveLast());
  CShiftFields row;
  ASSERT_TRUE(shifts.ReadCurrentRecord(row));
  EXPECT_EQ(row.m_strOperatorName, "last");
}

TEST_F(ActiveRecords, NoticesToANullOrDestroyedWindowAreNoError) {
  MessageBoxDouble boxes;
  AddRecipe("r");
  recipes.SetNotifyWnd(nullptr);
  recipes.PostNotify(TABLE_NOTICE_ACTIVE_RECORD_SET);
  ASSERT_TRUE(recipes.ActivateCurrentRecord());
  NoticeWnd gone;
  ASSERT_TRUE(gone.CreateHidden());
  recipes.SetNotifyWnd(gone.m_hWnd);
  gone.DestroyWindow();
  recipes.SetActiveRecord(recipes.FindActiveRecord());
  EXPECT_TRUE(recipes.HasActiveRecord());
  ProcessPendingEvents();
  EXPECT_TRUE(gone.notices.empty());
  EXPECT_TRUE(wnd.notices.empty());
  EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(ActiveRecords, OnlyANoticePostedWithItsHistoryWrittenIsCountedOff) {
  MessageBoxDouble boxes;
  AddRecipe("r");
  ASSERT_TRUE(recipes.FindActiveRecord() || recipes.MoveFirst());
  // Posted with its history written: counted once.
  recipes.SetActiveRecord(true, true);
  EXPECT_TRUE(recipes.TakeHistoryWrittenNotice());
  EXPECT_FALSE(recipes.TakeHistoryWrittenNotice());
  // A notice without, or one no window received, is not counted.
  recipes.SetActiveRecord(true);
  EXPECT_FALSE(recipes.TakeHistoryWrittenNotice());
  recipes.SetNotifyWnd(nullptr);
  recipes.SetActiveRecord(true, true);
  EXPECT_FALSE(recipes.TakeHistoryWrittenNotice()) << "no notice was posted";
  // No active record found: notice 3, nothing counted.
  recipes.SetNotifyWnd(wnd.m_hWnd);
  recipes.SetActiveRecord(false, true);
  EXPECT_FALSE(recipes.TakeHistoryWrittenNotice());
  ProcessPendingEvents();
}

TEST(EventNewRecord, ResetSetsFloatsToMinusOneBooleansToZeroAndTheEngineFacts) {
  TempDir dir;
  FakeContext context;
  CADODatabase db;
  ASSERT_TRUE(OpenRecordsDatabase(db, dir.File(kDbName)));
  db.SetRecordContext(&context);
  CEventRS events;
  events.SetDatabase(&db);
  ASSERT_TRUE(events.SetTableName("Event"));

  // Dirty every member first, so the reset must set each one.
  struct Dirtier : CFieldExchange {
    void Exchange(const char*, FieldKind kind, void* value) override {
      if (kind == FieldKind::Float32) *static_cast<float*>(value) = 42.0f;
      if (kind == FieldKind::Bool) *static_cast<bool*>(value) = true;
    }
  } dirtier;
  events.GetNewFields().Exchange(dirtier);
  events.GetNewFields().m_fReserve3 = 9.0f;
  events.ResetNewFields();

  struct Checker : CFieldExchange {
    int floats = 0, bools = 0;
    void Exchange(const char* column, FieldKind kind, void* value) override {
      if (kind == FieldKind::Float32) {
        ++floats;
        EXPECT_EQ(*static_cast<float*>(value), -1.0f) << column;
      }
      if (kind == FieldKind::Bool) {
        ++bools;
        EXPECT_FALSE(*static_cast<bool*>(value)) << column;
      }
    }
  } checker;
  CEventFields& f = events.GetNewFields();
  f.Exchange(checker);
  EXPECT_EQ(checker.floats, 20 + 14);
  EXPECT_EQ(checker.bools, 34);
  EXPECT_EQ(f.m_fReserve3, -1.0f);
  EXPECT_DOUBLE_EQ(f.m_dtRecordDateTime, records_test::kNow);
  EXPECT_EQ(f.m_strRecordDateTimeShamsi, context.GetShamsiText(records_test::kNow, true));
  EXPECT_EQ(f.m_strDataSourceType, "Demo");
  EXPECT_EQ(f.m_strOperatorName, "Reza");
  EXPECT_EQ(f.m_nActiveRecipeID, 7);
  EXPECT_EQ(f.m_strActiveRecipeName, "Summer \"A\"");

  ASSERT_TRUE(events.AddRecord());
  EXPECT_EQ(RawQuery(dir.File(kDbName), "SELECT HPPump1IsOn || '/' || typeof(HPPump1IsOn) || '/' || "
                                         "SlurryPressure FROM Event"),
            "0/integer/-1.0");

  db.SetRecordContext(nullptr);
  events.ResetNewFields();
  EXPECT_EQ(events.GetNewFields().m_strOperatorName, "?");
  EXPECT_EQ(events.GetNewFields().m_nActiveRecipeID, -1);
  EXPECT_EQ(events.GetNewFields().m_strActiveRecipeName, "?");
}

}  // namespace
