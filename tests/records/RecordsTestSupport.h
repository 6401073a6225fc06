// Shared helpers of the records tests: a fake engine context, a window that
// records table notices, and a database file in a temporary folder.
#pragma once

#include <sqlite3.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/Thread.h"
#include "platform/Wnd.h"
#include "records/CShiftRS.h"
#include "records/IRecordContext.h"
#include "records/TableNotice.h"

namespace records_test {

constexpr DATE kNow = 45500.25;  // 2024-07-29 06:00
// The database file the engine opens in the program folder.
inline constexpr const char* kDbName = "VTLN-DataBase.mdb";

class FakeContext : public IRecordContext {
 public:
  DATE now = kNow;
  std::string dataSource = "Demo";
  std::string operatorName = "Reza";
  int recipeId = 7;
  std::string recipeName = "Summer \"A\"";

  DATE GetRecordNow() const override { return now; }
  std::string GetShamsiText(DATE date, bool bWithTime) const override {
    char text[64];
    std::snprintf(text, sizeof text, "shamsi(%.2f)%s", date, bWithTime ? " - time" : "");
    return text;
  }
  std::string GetDataSourceText() const override { return dataSource; }
  std::string GetOperatorName() const override { return operatorName; }
  int GetActiveRecipeId() const override { return recipeId; }
  std::string GetActiveRecipeName() const override { return recipeName; }
};

// Records every WM_TABLE_NOTICE: the record set and the code.
class NoticeWnd : public CWnd {
 public:
  std::vector<std::pair<WPARAM, LPARAM>> notices;

  bool CreateHidden() { return Create("notices", 0, CRect(0, 0, 10, 10), nullptr, 0) != FALSE; }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_TABLE_NOTICE) {
      notices.emplace_back(wParam, lParam);
      return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }
  // Delivers what is posted; true when count notices have arrived.
  bool WaitFor(size_t count) {
    return WaitProcessingEvents([&] { return notices.size() >= count; }, 5000);
  }
};

// Runs SQL on a file through a connection of its own (as another program would).
inline int RawExec(const std::string& file, const std::string& sql) {
  sqlite3* db = nullptr;
  int rc = sqlite3_open(file.c_str(), &db);
  if (rc == SQLITE_OK) rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
  sqlite3_close(db);
  return rc;
}

// The single value of a query, as text; "<error>" when it fails.
inline std::string RawQuery(const std::string& file, const std::string& sql) {
  sqlite3* db = nullptr;
  std::string result = "<error>";
  if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK) {
      const int rc = sqlite3_step(stmt);
      if (rc == SQLITE_ROW) {
        const auto* text = sqlite3_column_text(stmt, 0);
        result = text ? reinterpret_cast<const char*>(text) : "<null>";
      } else if (rc == SQLITE_DONE) {
        result = "<none>";
      }
    }
    sqlite3_finalize(stmt);
  }
  sqlite3_close(db);
  return result;
}

// The active Shift row as the table holds it (read by a set of its own,
// not from the given set's copy in memory); false when there is none.
inline bool ReadActiveShiftRow(CShiftRS& shifts, CShiftFields* row) {
  CShiftRS fresh;
  fresh.SetDatabase(shifts.GetDatabase());
  return fresh.SetTableName(CShiftRS::kTableName) && fresh.FindActiveRecord() && fresh.ReadCurrentRecord(*row);
}

}  // namespace records_test
