#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "records/CAlarmBaseRS.h"
#include "records/CEventRS.h"
#include "records/CRecipeRS.h"
#include "records/CShiftRS.h"
#include "records/CTableHistoryRS.h"
#include "records/RecordsSchema.h"
#include "support/Doubles.h"
#include "tests/records/RecordsTestSupport.h"

using records_test::FakeContext;
using records_test::RawExec;
using records_test::RawQuery;
using records_test::kDbName;
using testing_support::MessageBoxDouble;
using testing_support::TempDir;

namespace {

// Gives every member a value of its own, derived from its position, so a
// column that is dropped, swapped or truncated shows up.
class DistinctFiller : public CFieldExchange {
 protected:
  void Exchange(const char*, FieldKind kind, void* value) override {
    const int n = ++m_index;
    switch (kind) {
      case FieldKind::Int32: *static_cast<int*>(value) = -1000000 + n * 7919; break;
      case FieldKind::Bool: *static_cast<bool*>(value) = n % 2 == 1; break;
      case FieldKind::Float32: *static_cast<float*>(value) = 0.1f * static_cast<float>(n) - 3.3f; break;
      case FieldKind::Double: *static_cast<double*>(value) = 1e9 / (n + 0.37); break;
      case FieldKind::Date: *static_cast<DATE*>(value) = 45000.0 + n / 86400.0; break;
      case FieldKind::Text:
        *static_cast<std::string*>(value) = "ستون " + std::to_string(n) + " it's \"quoted\"; --";
        break;
    }
  }

 private:
  int m_index = 0;
};

// Collects the members as text, exactly (floats by their bits).
class FieldDump : public CFieldExchange {
 public:
  std::vector<std::string> values;

 protected:
  void Exchange(const char* column, FieldKind kind, void* value) override {
    char text[64] = "";
    switch (kind) {
      case FieldKind::Int32: std::snprintf(text, sizeof text, "%d", *static_cast<int*>(value)); break;
      case FieldKind::Bool: std::snprintf(text, sizeof text, "%d", *static_cast<bool*>(value) ? 1 : 0); break;
      case FieldKind::Float32: std::snprintf(text, sizeof text, "%a", static_cast<double>(*static_cast<float*>(value))); break;
      case FieldKind::Double:
      case FieldKind::Date: std::snprintf(text, sizeof text, "%a", *static_cast<double*>(value)); break;
      case FieldKind::Text: values.push_back(std::string(column) + "=" + *static_cast<std::string*>(value)); return;
    }
    values.push_back(std::string(column) + "=" + text);
  }
};

std::vector<std::string> Dump(CRecordFields& fields) {
  FieldDump dump;
  fields.Exchange(dump);
  return dump.values;
}

template <class TSet>
void ExpectRoundTrip(const std::string& table) {
  SCOPED_TRACE(table);
  TempDir dir;
  MessageBoxDouble boxes;
  typename TSet::CSTFields written;
  {
    CADODatabase db;
    ASSERT_TRUE(OpenRecordsDatabase(db, dir.File(kDbName)));
    TSet set;
    set.SetDatabase(&db);
    ASSERT_TRUE(set.SetTableName(table));
    DistinctFiller filler;
    set.GetNewFields().Exchange(filler);
    ASSERT_TRUE(set.AddRecord());
    written = set.GetNewFields();  // with the key the database gave it
  }
  // A new connection reads what the file holds.
  CADODatabase db;
  ASSERT_TRUE(OpenRecordsDatabase(db, dir.File(kDbName)));
  TSet set;
  set.SetDatabase(&db);
  ASSERT_TRUE(set.SetTableName(table));
  EXPECT_EQ(set.GetRecordCount(), 1);
  ASSERT_TRUE(set.MoveLast());
  typename TSet::CSTFields read;
  ASSERT_TRUE(set.ReadCurrentRecord(read));
  EXPECT_EQ(Dump(read), Dump(written));
  EXPECT_EQ(boxes.Count(), 0u);
}

TEST(RecordsRoundTrip, EveryColumnOfEveryTableReadsBackExactly) {
  ExpectRoundTrip<CAlarmBaseRS>("Alarm");
  ExpectRoundTrip<CEventRS>("Event");
  ExpectRoundTrip<CRecipeRS>("Recipe");
  ExpectRoundTrip<CTableHistoryRS<CRecipeRS>>("RecipeHistory");
  ExpectRoundTrip<CShiftRS>("Shift");
}

class RecordsTable : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(OpenRecordsDatabase(db, dir.File(kDbName)));
    db.SetRecordContext(&context);
  }
  template <class TSet>
  void Open(TSet& set, const std::string& table) {
    set.SetDatabase(&db);
    ASSERT_TRUE(set.SetTableName(table));
  }

  TempDir dir;
  FakeContext context;
  CADODatabase db;
};

TEST_F(RecordsTable, RecipeNameWithQuotesAndSemicolonsIsStoredAsItIs) {
  CRecipeRS recipes;
  Open(recipes, "Recipe");
  const std::string name = "Tide'); DROP TABLE Recipe; -- \"x\" ;;";
  recipes.GetNewFields().m_strRecipeName = name;
  ASSERT_TRUE(recipes.AddRecord());
  EXPECT_EQ(RawQuery(dir.File(kDbName), "SELECT RecipeName FROM Recipe"), name);
  EXPECT_EQ(recipes.GetRecordCount(), 1);
}

TEST_F(RecordsTable, RecipeKeysAreAssignedByTheDatabaseAndNeverReused) {
  CRecipeRS recipes;
  Open(recipes, "Recipe");
  ASSERT_TRUE(recipes.AddRecord());
  const int first = recipes.GetNewFields().m_nRecordID;
  ASSERT_TRUE(recipes.AddRecord());
  const int second = recipes.GetNewFields().m_nRecordID;
  EXPECT_EQ(second, first + 1);
  ASSERT_TRUE(recipes.DeleteCurrentRecord());
  ASSERT_TRUE(recipes.AddRecord());
  EXPECT_EQ(recipes.GetNewFields().m_nRecordID, second + 1)
      << "a deleted recipe's number is never given to another";
}

TEST_F(RecordsTable, LoopItemValuesAreNumberedFromOneToSeventeen) {
  CRecipeFields fields;
  for (int n = 1; n <= 17; ++n) EXPECT_TRUE(fields.SetLoopItemValue(n, 100.0f + static_cast<float>(n)));
  EXPECT_FALSE(fields.SetLoopItemValue(0, 1.0f));
  EXPECT_FALSE(fields.SetLoopItemValue(18, 1.0f));
  EXPECT_FLOAT_EQ(fields.GetLoopItemValue(1), 101.0f);
  EXPECT_FLOAT_EQ(fields.GetLoopItemValue(17), 117.0f);
  EXPECT_EQ(fields.GetLoopItemValue(0), 0.0f);
  EXPECT_EQ(fields.GetLoopItemValue(18), 0.0f);
  EXPECT_STREQ(CRecipeFields::GetLoopItemColumn(1), "fLoopItemValue01");
  EXPECT_STREQ(CRecipeFields::GetLoopItemColumn(17), "fLoopItemValue17");

  CRecipeRS recipes;
  Open(recipes, "Recipe");
  static_cast<CRecipeFields&>(recipes.GetNewFields()) = fields;
  ASSERT_TRUE(recipes.AddRecord());
  EXPECT_EQ(RawQuery(dir.File(kDbName), "SELECT fLoopItemValue09 FROM Recipe"), "109.0");
}

TEST_F(RecordsTable, FloatsKeepTheirBitsAndNaNMeansNoValue) {
  CEventRS events;
  Open(events, "Event");
  const float values[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                          -std::numeric_limits<float>::max(), std::numeric_limits<float>::denorm_min(),
                          0.1f, -0.0f};
  for (float v : values) {
    events.ResetNewFields();
    events.GetNewFields().m_fVacuum = v;
    ASSERT_TRUE(events.AddRecord());
    CEventFields read;
    ASSERT_TRUE(events.ReadCurrentRecord(read));
    if (std::isnan(v)) {
      EXPECT_TRUE(std::isnan(read.m_fVacuum));
    } else {
      EXPECT_EQ(read.m_fVacuum, v);
    }
  }
}

TEST_F(RecordsTable, RecipeHistoryKeepsACopyOfTheRecipeStampedWithNow) {
  CRecipeRS recipes;
  CTableHistoryRS<CRecipeRS> history;
  Open(recipes, "Recipe");
  Open(history, "RecipeHistory");
  EXPECT_EQ(CTableHistoryRS<CRecipeRS>::kTableName, "RecipeHistory");
  recipes.GetNewFields().m_strRecipeName = "R";
  recipes.GetNewFields().SetLoopItemValue(5, 2.5f);
  ASSERT_TRUE(recipes.AddRecord());
  ASSERT_TRUE(recipes.ActivateCurrentRecord());
  ASSERT_TRUE(history.AddHistoryRecord(recipes.GetActiveFields()));
  ASSERT_TRUE(history.AddHistoryRecord(recipes.GetActiveFields()));

  EXPECT_EQ(history.GetRecordCount(), 2) << "the same recipe may be saved many times";
  ASSERT_TRUE(history.MoveFirst());
  CTableHistoryRS<CRecipeRS>::CSTFields row;
  ASSERT_TRUE(history.ReadCurrentRecord(row));
  EXPECT_EQ(row.m_nRecordID, recipes.GetActiveFields().m_nRecordID);
  EXPECT_EQ(row.m_strRecipeName, "R");
  EXPECT_TRUE(row.m_bIsActive);
  EXPECT_FLOAT_EQ(row.GetLoopItemValue(5), 2.5f);
  EXPECT_DOUBLE_EQ(row.m_dtSavedDateTime, records_test::kNow);
  EXPECT_EQ(row.m_strSavedDateTimeShamsi, context.GetShamsiText(records_test::kNow, true));
}

struct TamperCase {
  const char* name;
  const char* sql;
  const char* field;
  const char* shown;
};

class TamperedRows : public RecordsTable, public testing::WithParamInterface<TamperCase> {};

TEST_P(TamperedRows, AreReportedWithTableAndFieldAndNothingIsRead) {
  CEventRS events;
  Open(events, "Event");
  events.ResetNewFields();
  ASSERT_TRUE(events.AddRecord());
  ASSERT_EQ(RawExec(dir.File(kDbName), GetParam().sql), SQLITE_OK);

  MessageBoxDouble boxes;
  CEventFields row;
  row.m_strOperatorName = "untouched";
  EXPECT_FALSE(events.ReadCurrentRecord(row));
  ASSERT_EQ(boxes.Count(), 1u);
  const std::string& text = boxes.Last().text;
  EXPECT_NE(text.find("Table: Event"), std::string::npos) << text;
  EXPECT_NE(text.find(std::string("Field: ") + GetParam().field), std::string::npos) << text;
  EXPECT_NE(text.find(GetParam().shown), std::string::npos) << text;
  EXPECT_NE(text.find(dir.File(kDbName)), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Event, TamperedRows,
    testing::Values(TamperCase{"TextInAFloat", "UPDATE Event SET Vacuum = 'abc'", "Vacuum", "abc"},
                    TamperCase{"TextInADate", "UPDATE Event SET RecordDateTime = 'yesterday'",
                               "RecordDateTime", "yesterday"},
                    TamperCase{"IntegerTooWide", "UPDATE Event SET ActiveRecipeID = 10000000000",
                               "ActiveRecipeID", "10000000000"},
                    TamperCase{"FractionInAnInteger", "UPDATE Event SET ActiveRecipeID = 2.5",
                               "ActiveRecipeID", "2.5"}),
    [](const testing::TestParamInfo<TamperCase>& info) { return std::string(info.param.name); });

TEST_F(RecordsTable, CursorMovesStopAtTheEnds) {
  CShiftRS shifts;
  Open(shifts, "Shift");
  EXPECT_FALSE(shifts.MoveFirst());
  EXPECT_FALSE(shifts.MoveLast());
  EXPECT_TRUE(shifts.IsEOF());
  EXPECT_FALSE(shifts.MoveNext());
  EXPECT_EQ(shifts.GetRecordCount(), 0);
  for (const char* name : {"A", "B", "C"}) {
    shifts.GetNewFields().m_strOperatorName = name;
    ASSERT_TRUE(shifts.AddRecord());
  }
  CShiftFields row;
  ASSERT_TRUE(shifts.MoveFirst());
  EXPECT_FALSE(shifts.MovePrevious());
  EXPECT_TRUE(shifts.IsEOF());
  ASSERT_TRUE(shifts.MoveLast());
  ASSERT_TRUE(shifts.MovePrevious());
  ASSERT_TRUE(shifts.ReadCurrentRecord(row));
  EXPECT_EQ(row.m_strOperatorName, "B");
  ASSERT_TRUE(shifts.MoveNext());
  EXPECT_FALSE(shifts.MoveNext());
  EXPECT_FALSE(shifts.ReadCurrentRecord(row)) << "no current row after the last";
}

TEST_F(RecordsTable, AReadSnapshotSeesOneStateAndRefusesWrites) {
  CEventRS events;
  Open(events, "Event");
  for (int i = 0; i < 3; ++i) {
    events.ResetNewFields();
    ASSERT_TRUE(events.AddRecord());
  }
  MessageBoxDouble boxes;
  {
    CSqlReadScope snapshot(db.GetHandle());
    EXPECT_EQ(events.GetRecordCount(), 3);
    ASSERT_EQ(RawExec(dir.File(kDbName), "INSERT INTO Event (OperatorName) VALUES ('other')"),
              SQLITE_OK);
    EXPECT_EQ(events.GetRecordCount(), 3) << "rows of another writer appear after the snapshot";
    events.ResetNewFields();
    EXPECT_FALSE(events.AddRecord()) << "a write inside a read snapshot is refused, not deferred";
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_NE(boxes.Last().text.find("while the table is being read"), std::string::npos);
  }
  EXPECT_EQ(events.GetRecordCount(), 4);
  EXPECT_TRUE(events.AddRecord());
  EXPECT_EQ(events.GetRecordCount(), 5);
}

TEST_F(RecordsTable, ATableThatIsMissingAColumnIsRefusedByName) {
  CEventRS events;
  events.SetDatabase(&db);
  MessageBoxDouble boxes;
  EXPECT_FALSE(events.SetTableName("Alarm"));
  EXPECT_FALSE(events.IsOpen());
  ASSERT_EQ(boxes.Count(), 1u);
  EXPECT_NE(boxes.Last().text.find("Table: Alarm"), std::string::npos) << boxes.Last().text;
  EXPECT_NE(boxes.Last().text.find("Field: RecordDateTime"), std::string::npos);
  EXPECT_FALSE(events.SetTableName("Events"));
  EXPECT_NE(boxes.Last().text.find("does not exist"), std::string::npos);
}

}  // namespace
