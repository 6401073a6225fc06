// Every stored member lands in the column of its own name (Event, Recipe,
// RecipeHistory, Shift and Alarm). The round-trip tests read rows back
// through the same member list that wrote them, so two columns swapped in
// that list pass there; here the rows are written through the record sets
// and each column is read back by its name with plain SQL, through a
// connection of its own. The members are listed here from the database's
// description (docs/database.md), each column named by its rule (the
// member's name without its Hungarian prefix), not taken from the code.
//
// Each column gets a value of its own in each of six rows; a boolean column
// gets the six bits of its own number (1 + its place among the booleans), so
// no two boolean columns hold the same six values either.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "records/CAlarmBaseRS.h"
#include "records/CEventRS.h"
#include "records/CRecipeRS.h"
#include "records/CShiftRS.h"
#include "records/CTableHistoryRS.h"
#include "records/RecordsSchema.h"
#include "support/Doubles.h"
#include "tests/records/RecordsTestSupport.h"

using records_test::RawQuery;
using records_test::kDbName;
using testing_support::MessageBoxDouble;
using testing_support::TempDir;

namespace {

constexpr int kRows = 6;

enum class Kind { Float, Double, Int, Bool, Date, Text };

// One column: its name in the table and the member that is stored in it.
template <class TFields>
struct Column {
  const char* name;
  Kind kind;
  std::function<void*(TFields&)> member;
};

// The column of a member: its name without "m_" and the Hungarian prefix.
constexpr const char* ColumnOf(const char* member) {
  const char* p = member + 2;
  while (*p >= 'a' && *p <= 'z') ++p;
  return p;
}

#define COL(kind, member) \
  Column<F> { ColumnOf(#member), Kind::kind, [](F& f) -> void* { return &f.member; } }

// The value of column i (boolean column b) in row r, as SQLite shows it.
std::string Expected(Kind kind, int r, int i, int b, const char* name) {
  char text[96];
  switch (kind) {
    case Kind::Float: std::snprintf(text, sizeof text, "%.1f", r * 1000 + i + 0.5); break;
    case Kind::Double: std::snprintf(text, sizeof text, "%.2f", r * 100000 + i * 10 + 0.25); break;
    case Kind::Int: std::snprintf(text, sizeof text, "%d", r * 1000 + i + 1); break;
    case Kind::Bool: std::snprintf(text, sizeof text, "%d", ((b + 1) >> r) & 1); break;
    case Kind::Date: std::snprintf(text, sizeof text, "%.3f", 45000 + r * 10 + i * 0.125); break;
    case Kind::Text: std::snprintf(text, sizeof text, "%s ستون %d", name, r); break;
  }
  return text;
}

template <class TFields>
void Fill(TFields& f, const std::vector<Column<TFields>>& columns, int r) {
  int b = 0;
  for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
    const Column<TFields>& c = columns[static_cast<size_t>(i)];
    const std::string v = Expected(c.kind, r, i, b, c.name);
    void* m = c.member(f);
    switch (c.kind) {
      case Kind::Float: *static_cast<float*>(m) = std::stof(v); break;
      case Kind::Double: *static_cast<double*>(m) = std::stod(v); break;
      case Kind::Int: *static_cast<int*>(m) = std::stoi(v); break;
      case Kind::Bool: *static_cast<bool*>(m) = v == "1"; ++b; break;
      case Kind::Date: *static_cast<DATE*>(m) = std::stod(v); break;
      case Kind::Text: *static_cast<std::string*>(m) = v; break;
    }
  }
}

template <class TSet>
void ExpectEachColumnByName(const std::string& table, const std::vector<Column<typename TSet::CSTFields>>& columns) {
  SCOPED_TRACE(table);
  TempDir dir;
  MessageBoxDouble boxes;
  {
    CADODatabase db;
    ASSERT_TRUE(OpenRecordsDatabase(db, dir.File(kDbName)));
    TSet set;
    set.SetDatabase(&db);
    ASSERT_TRUE(set.SetTableName(table));
    for (int r = 0; r < kRows; ++r) {
      set.GetNewFields().Reset();
      Fill(set.GetNewFields(), columns, r);
      ASSERT_TRUE(set.AddRecord()) << "row " << r;
    }
  }
  ASSERT_EQ(boxes.Count(), 0u) << boxes.Last().text;
  int b = 0;
  for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
    const auto& c = columns[static_cast<size_t>(i)];
    std::vector<std::string> want;
    for (int r = 0; r < kRows; ++r) want.push_back(Expected(c.kind, r, i, b, c.name));
    if (c.kind == Kind::Bool) ++b;
    // Numbers are read as SQLite holds them and printed like the expected text.
    std::string select = std::string("\"") + c.name + "\"";
    switch (c.kind) {
      case Kind::Float: select = "printf('%.1f', " + select + ")"; break;
      case Kind::Double: select = "printf('%.2f', " + select + ")"; break;
      case Kind::Date: select = "printf('%.3f', " + select + ")"; break;
      default: break;
    }
    const std::string sql = "SELECT group_concat(v, '|') FROM (SELECT " + select + " AS v FROM \"" + table +
                            "\" ORDER BY rowid)";
    std::string joined;
    for (const std::string& w : want) joined += (joined.empty() ? "" : "|") + w;
    EXPECT_EQ(RawQuery(dir.File(kDbName), sql), joined) << "column " << c.name;
  }
}

// ---- The column lists, from the description of the tables ----------------------------------------

std::vector<Column<CEventFields>> EventColumns() {
  using F = CEventFields;
  return {
      COL(Date, m_dtRecordDateTime),
      COL(Text, m_strRecordDateTimeShamsi),
      COL(Text, m_strDataSourceType),
      COL(Text, m_strOperatorName),
      COL(Int, m_nActiveRecipeID),
      COL(Text, m_strActiveRecipeName),
      COL(Float, m_fSlurryMoisturePrcntg),
      COL(Float, m_fSlurryTemperature),
      COL(Float, m_fSlurryPressure),
      COL(Float, m_fHPPump1InputPressure),
      COL(Float, m_fHPPump2InputPressure),
      COL(Float, m_fHPPump3InputPressure),
      COL(Float, m_fHPPump1Speed),
      COL(Float, m_fHPPump2Speed),
      COL(Float, m_fHPPump3Speed),
      COL(Float, m_fCombustionFanSpeed),
      COL(Float, m_fDilutionFanSpeed),
      COL(Float, m_fSuctionFanSpeed),
      COL(Float, m_fAirLiftFanSpeed),
      COL(Float, m_fVacuum),
      COL(Float, m_fHotAirOutLetTemperature),
      COL(Float, m_fInLetAirTemperature),
      COL(Float, m_fOutLetAirTemperature),
      COL(Float, m_fBeltPowderFlowRate),
      COL(Float, m_fBeltPowderDensity),
      COL(Float, m_fBeltPowderMoisture),
      COL(Bool, m_bHPPump1IsOn),
      COL(Bool, m_bHPPump2IsOn),
      COL(Bool, m_bHPPump3IsOn),
      COL(Bool, m_bHPPump1IsInPlcCtrl),
      COL(Bool, m_bHPPump2IsInPlcCtrl),
      COL(Bool, m_bHPPump3IsInPlcCtrl),
      COL(Bool, m_bFilter1IsOn),
      COL(Bool, m_bFilter2IsOn),
      COL(Bool, m_bFilter3IsOn),
      COL(Bool, m_bFilter4IsOn),
      COL(Bool, m_bHemojenPump1IsOn),
      COL(Bool, m_bHemojenPump2IsOn),
      COL(Bool, m_bHemojenPump3IsOn),
      COL(Bool, m_bHemojenPump4IsOn),
      COL(Bool, m_bAirLiftFanIsOn),
      COL(Bool, m_bSuctionFanIsOn),
      COL(Bool, m_bDilutionFanIsOn),
      COL(Bool, m_bCombustionFanIsOn),
      COL(Bool, m_bSuctionFanIsInPlcCtrl),
      COL(Bool, m_bDilutionFanIsInPlcCtrl),
      COL(Bool, m_bCombustionFanIsInPlcCtrl),
      COL(Bool, m_bDensityBeltIsOn),
      COL(Bool, m_bDensityBeltIsInPlcCtrl),
      COL(Bool, m_bHighLevelSilo1IsOn),
      COL(Bool, m_bHighLevelSilo2IsOn),
      COL(Bool, m_bHotAirGasSystemIsOn),
      COL(Bool, m_bHotAirTemperatureIsHigh),
      COL(Bool, m_bSlurryPressureIsInAutomat),
      COL(Bool, m_bSlurryDilutionFanRatioIsInAutomat),
      COL(Bool, m_bVacuumIsInAutomat),
      COL(Bool, m_bInletTemperatureIsInAutomat),
      COL(Bool, m_bDensityIsInAutomat),
      COL(Bool, m_bMoistureIsInAutomat),
      COL(Bool, m_bReturnValveIsClose),
      COL(Float, m_fTotalSpraySlurryFlowRate),
      COL(Float, m_fSlurryPressureSetpoint),
      COL(Float, m_fSlurryDilutionFanRatioSetpoint),
      COL(Float, m_fVacuumSetpoint),
      COL(Float, m_fInletTemperatureSetpoint),
      COL(Float, m_fOutletTemperatureSetpoint),
      COL(Float, m_fDensitySetpoint),
      COL(Float, m_fMoistureSetpoint),
      COL(Float, m_fSPT),
      COL(Float, m_fAIT),
      COL(Float, m_fTowerSafetyTemperat1),
      COL(Float, m_fTowerSafetyTemperat2),
      COL(Float, m_fTowerSafetyTemperat3),
      COL(Float, m_fTowerSafetyTemperat4),
  };
}

// The recipe's columns but its key (numbered by the database), for a
// recipe field set or one that extends it.
template <class F>
std::vector<Column<F>> RecipeColumns(bool withRecordId) {
  std::vector<Column<F>> columns;
  if (withRecordId) columns.push_back(COL(Int, m_nRecordID));
  columns.push_back(COL(Text, m_strRecipeName));
  columns.push_back(COL(Bool, m_bIsActive));
  static const char* const kItems[] = {
      "fLoopItemValue01", "fLoopItemValue02", "fLoopItemValue03", "fLoopItemValue04", "fLoopItemValue05",
      "fLoopItemValue06", "fLoopItemValue07", "fLoopItemValue08", "fLoopItemValue09", "fLoopItemValue10",
      "fLoopItemValue11", "fLoopItemValue12", "fLoopItemValue13", "fLoopItemValue14", "fLoopItemValue15",
      "fLoopItemValue16", "fLoopItemValue17"};
  for (int n = 0; n < 17; ++n)
    columns.push_back(Column<F>{kItems[n], Kind::Float, [n](F& f) -> void* { return &f.m_fLoopItemValue[n]; }});
  return columns;
}

std::vector<Column<CShiftFields>> ShiftColumns() {
  using F = CShiftFields;
  return {
      COL(Text, m_strOperatorName), COL(Date, m_dtStartDateTime), COL(Text, m_strStartDateTimeShamsi),
      COL(Double, m_fTotalProduced), COL(Double, m_fTotalSlurry), COL(Int, m_lTotalTime),
      COL(Int, m_lUsefulTime),      COL(Bool, m_bIsActive),
  };
}

TEST(StoredColumns, EachEventMemberIsInTheColumnOfItsName) {
  ExpectEachColumnByName<CEventRS>("Event", EventColumns());
}

TEST(StoredColumns, EachRecipeMemberIsInTheColumnOfItsNameAndTheItemsInTheirNumberedColumns) {
  ExpectEachColumnByName<CRecipeRS>("Recipe", RecipeColumns<CRecipeFields>(false));
}

TEST(StoredColumns, EachRecipeHistoryMemberIsInTheColumnOfItsName) {
  using F = CHistoryFields<CRecipeFields>;
  std::vector<Column<F>> columns = RecipeColumns<F>(true);  // the recipe's number is an ordinary column here
  columns.push_back(COL(Date, m_dtSavedDateTime));
  columns.push_back(COL(Text, m_strSavedDateTimeShamsi));
  ExpectEachColumnByName<CTableHistoryRS<CRecipeRS>>("RecipeHistory", columns);
}

TEST(StoredColumns, EachAlarmMemberIsInTheColumnOfItsName) {
  using F = CAlarmFields;
  ExpectEachColumnByName<CAlarmBaseRS>("Alarm", {COL(Date, m_dtAlarmDateTime), COL(Text, m_strAlarmDateTimeShamsi),
                                                 COL(Text, m_strAlarmTitle), COL(Text, m_strAlarmText),
                                                 COL(Text, m_strOperatorName)});
}

TEST(StoredColumns, EachShiftMemberIsInTheColumnOfItsName) {
  ExpectEachColumnByName<CShiftRS>("Shift", ShiftColumns());
}

}  // namespace
