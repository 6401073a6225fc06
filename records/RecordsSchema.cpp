#include "records/RecordsSchema.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>

#include "platform/Seams.h"
#include "records/CADOException.h"
#include "records/CAlarmBaseRS.h"
#include "records/CEventRS.h"
#include "records/CRecipeRS.h"
#include "records/CShiftRS.h"
#include "records/CTableHistoryRS.h"
#include "records/SqlStatement.h"

namespace {

CTableLayout LayoutOf(const std::string& name, const CBaseTableRS& set) {
  return {name, set.GetKeyColumn(), set.GetActiveColumn(), set.GetFieldLayout().GetColumns()};
}

std::string ActiveIndexName(const CTableLayout& layout) { return layout.name + "_OneActive"; }

bool IndexExists(CADODatabase& database, const std::string& name) {
  CSqlStatement stmt(database.GetHandle(),
                     "SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ?1");
  stmt.BindText(1, name);
  return stmt.Step();
}

void CreateTable(CADODatabase& database, const CTableLayout& layout) {
  std::string sql = "CREATE TABLE " + QuoteSqlName(layout.name) + " (" +
                    QuoteSqlName(layout.keyColumn) + " INTEGER PRIMARY KEY AUTOINCREMENT";
  for (const auto& column : layout.columns)
    if (column.name != layout.keyColumn) sql += ", " + SqlColumnDeclaration(column);
  sql += ")";
  database.Execute(sql);
}

void AddMissingColumns(CADODatabase& database, const CTableLayout& layout) {
  const auto existing = database.GetColumnNames(layout.name);
  for (const auto& column : layout.columns) {
    if (std::find(existing.begin(), existing.end(), column.name) != existing.end()) continue;
    // A key cannot be added to a table that has rows; such a table keeps
    // using its row ids, and the column is an ordinary number.
    const ColumnDef added =
        column.name == layout.keyColumn ? ColumnDef{column.name, FieldKind::Int32} : column;
    database.Execute("ALTER TABLE " + QuoteSqlName(layout.name) + " ADD COLUMN " +
                     SqlColumnDeclaration(added));
  }
}

// One active row at most: an older file that has several keeps the first
// (the one the program has always found) and the index guards the rule.
void EnsureSingleActive(CADODatabase& database, const CTableLayout& layout) {
  if (layout.activeColumn.empty() || IndexExists(database, ActiveIndexName(layout))) return;
  const std::string table = QuoteSqlName(layout.name);
  const std::string column = QuoteSqlName(layout.activeColumn);
  database.Execute("UPDATE " + table + " SET " + column + " = 0 WHERE " + column +
                   " <> 0 AND rowid <> (SELECT min(rowid) FROM " + table + " WHERE " + column +
                   " <> 0)");
  database.Execute("CREATE UNIQUE INDEX " + QuoteSqlName(ActiveIndexName(layout)) + " ON " + table +
                   " (" + column + ") WHERE " + column + " <> 0");
}

}  // namespace

const std::vector<CTableLayout>& GetRecordsLayouts() {
  static const std::vector<CTableLayout> layouts = [] {
    return std::vector<CTableLayout>{
        LayoutOf(CAlarmBaseRS::kTableName, CAlarmBaseRS()),
        LayoutOf(CEventRS::kTableName, CEventRS()),
        LayoutOf(CRecipeRS::kTableName, CRecipeRS()),
        LayoutOf(CTableHistoryRS<CRecipeRS>::kTableName, CTableHistoryRS<CRecipeRS>()),
        LayoutOf(CShiftRS::kTableName, CShiftRS()),
    };
  }();
  return layouts;
}

void CheckRecordsFileIsOurs(CADODatabase& database) {
  const auto refuse = [&](const std::string& why) {
    throw CADODatabase::MakeOpenError(SQLITE_NOTADB, why, database.GetFileName());
  };
  const int id = database.GetApplicationId();
  if (id != 0 && id != kRecordsApplicationId) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(id));
    refuse(std::string("it carries the mark ") + hex + " of another program");
  }
  const auto& layouts = GetRecordsLayouts();
  for (const std::string& table : database.GetTableNames()) {
    const auto layout = std::find_if(layouts.begin(), layouts.end(),
                                     [&](const CTableLayout& l) { return l.name == table; });
    if (layout == layouts.end()) refuse("it holds the table \"" + table + "\", which is not one of VekFrame");
    for (const std::string& column : database.GetColumnNames(table)) {
      const bool known = column == layout->keyColumn ||
                         std::any_of(layout->columns.begin(), layout->columns.end(),
                                     [&](const ColumnDef& c) { return c.name == column; });
      if (!known) refuse("its table \"" + table + "\" has the column \"" + column + "\", which is not one of VekFrame");
    }
  }
}

void UpgradeRecordsSchema(CADODatabase& database) {
  try {
    CSqlTransaction transaction(database.GetHandle());
    const int version = database.GetSchemaVersion();
    if (version > kRecordsSchemaVersion)  // a newer program wrote it meanwhile
      throw CADOException(SQLITE_ERROR, "The database file was written by a newer VekFrame.", "",
                          "", database.GetFileName());
    for (const auto& layout : GetRecordsLayouts()) {
      if (!database.TableExists(layout.name))
        CreateTable(database, layout);
      else
        AddMissingColumns(database, layout);
      EnsureSingleActive(database, layout);
    }
    if (version != kRecordsSchemaVersion) database.SetSchemaVersion(kRecordsSchemaVersion);
    // A file of an earlier build, checked to hold only this program's
    // tables, is marked now.
    if (database.GetApplicationId() != kRecordsApplicationId) database.SetApplicationId(kRecordsApplicationId);
    transaction.Commit();
  } catch (CADOException& e) {
    const int code = e.GetPrimaryCode();
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED || code == SQLITE_READONLY ||
        code == SQLITE_FULL || code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
      throw CADODatabase::MakeOpenError(e.GetErrorCode(), "", database.GetFileName());
    e.SetFileNameIfEmpty(database.GetFileName());
    throw;
  }
}

bool OpenRecordsDatabase(CADODatabase& database, const std::string& strFileName) {
  try {
    database.Open(strFileName, kRecordsSchemaVersion, CheckRecordsFileIsOurs);
    UpgradeRecordsSchema(database);
    return true;
  } catch (const CADOException& e) {
    database.Close();
    AfxMessageBox(e.GetErrorMessage(), MB_OK | MB_ICONERROR);
    return false;
  }
}
