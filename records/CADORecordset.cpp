#include "records/CADORecordset.h"

#include <sqlite3.h>

#include <cmath>
#include <limits>

#include "records/CADODatabase.h"
#include "records/CADOException.h"

namespace {

// Reads the columns of a statement row into the members, in order.
class RowReader : public CFieldExchange {
 public:
  RowReader(const CSqlStatement& stmt, const std::vector<ColumnDef>& columns,
            const std::string& table)
      : m_stmt(stmt), m_columns(columns), m_table(table) {}

 protected:
  void Exchange(const char* column, FieldKind kind, void* value) override {
    if (m_index >= m_columns.size() || m_columns[m_index].name != column)
      throw CADOException(SQLITE_ERROR, "The field set does not match the table's columns.",
                          m_table, column);
    const int i = static_cast<int>(m_index++);
    const int type = m_stmt.ColumnType(i);
    switch (kind) {
      case FieldKind::Int32:
        *static_cast<int*>(value) = ReadInt(i, type, column);
        break;
      case FieldKind::Bool:
        *static_cast<bool*>(value) = ReadNumber(i, type, column, 0.0) != 0.0;
        break;
      case FieldKind::Float32:
        *static_cast<float*>(value) = static_cast<float>(
            ReadNumber(i, type, column, std::numeric_limits<double>::quiet_NaN()));
        break;
      case FieldKind::Double:
        *static_cast<double*>(value) =
            ReadNumber(i, type, column, std::numeric_limits<double>::quiet_NaN());
        break;
      case FieldKind::Date:
        *static_cast<DATE*>(value) = ReadNumber(i, type, column, 0.0);
        break;
      case FieldKind::Text:
        *static_cast<std::string*>(value) = m_stmt.ColumnText(i);
        break;
    }
  }

 private:
  // A number column; NULL reads as nullValue, text or blob is an error.
  double ReadNumber(int i, int type, const char* column, double nullValue) const {
    if (type == SQLITE_NULL) return nullValue;
    if (type == SQLITE_INTEGER) return static_cast<double>(m_stmt.ColumnInt64(i));
    if (type == SQLITE_FLOAT) return m_stmt.ColumnDouble(i);
    throw CADOException(SQLITE_MISMATCH,
                        "The field holds \"" + m_stmt.ColumnText(i) + "\", which is not a number.",
                        m_table, column);
  }

  int ReadInt(int i, int type, const char* column) const {
    const double number = ReadNumber(i, type, column, 0.0);
    if (type == SQLITE_INTEGER) {
      const std::int64_t v = m_stmt.ColumnInt64(i);
      if (v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max())
        return static_cast<int>(v);
    } else if (std::trunc(number) == number && number >= std::numeric_limits<int>::min() &&
               number <= std::numeric_limits<int>::max()) {
      return static_cast<int>(number);
    }
    throw CADOException(SQLITE_MISMATCH,
                        "The field holds " + m_stmt.ColumnText(i) +
                            ", which is not a whole number of 32 bits.",
                        m_table, column);
  }

  const CSqlStatement& m_stmt;
  const std::vector<ColumnDef>& m_columns;
  const std::string& m_table;
  size_t m_index = 0;
};

// Binds the members, except the key, to parameters 1, 2, ...
class ParamBinder : public CFieldExchange {
 public:
  ParamBinder(CSqlStatement& stmt, const std::string& keyColumn, const std::string& table)
      : m_stmt(stmt), m_keyColumn(keyColumn), m_table(table) {}
  int NextIndex() const { return m_index; }

 protected:
  void Exchange(const char* column, FieldKind kind, void* value) override {
    if (m_keyColumn == column) return;
    try {
      switch (kind) {
        case FieldKind::Int32:
          m_stmt.BindInt64(m_index, *static_cast<int*>(value));
          break;
        case FieldKind::Bool:
          m_stmt.BindInt64(m_index, *static_cast<bool*>(value) ? 1 : 0);
          break;
        case FieldKind::Float32:
          m_stmt.BindDouble(m_index, *static_cast<float*>(value));
          break;
        case FieldKind::Double:
        case FieldKind::Date:
          m_stmt.BindDouble(m_index, *static_cast<double*>(value));
          break;
        case FieldKind::Text:
          m_stmt.BindText(m_index, *static_cast<std::string*>(value));
          break;
      }
    } catch (CADOException& e) {
      e.SetTableNameIfEmpty(m_table);
      e.SetFieldNameIfEmpty(column);
      throw;
    }
    ++m_index;
  }

 private:
  CSqlStatement& m_stmt;
  const std::string& m_keyColumn;
  const std::string& m_table;
  int m_index = 1;
};

// Sets the key member to the new row's id.
class KeySetter : public CFieldExchange {
 public:
  KeySetter(const std::string& keyColumn, std::int64_t rowId) : m_keyColumn(keyColumn), m_rowId(rowId) {}

 protected:
  void Exchange(const char* column, FieldKind kind, void* value) override {
    if (m_keyColumn == column && kind == FieldKind::Int32)
      *static_cast<int*>(value) = static_cast<int>(m_rowId);
  }

 private:
  const std::string& m_keyColumn;
  std::int64_t m_rowId;
};

}  // namespace

sqlite3* CADORecordset::Db() const { return m_pDatabase->GetHandle(); }

void CADORecordset::Open(CADODatabase* pDatabase, const std::string& strTable,
                         const std::string& strKeyColumn, const CRecordFields& layout) {
  Close();
  if (!pDatabase || !pDatabase->IsOpen())
    throw CADOException(SQLITE_MISUSE, "The database is not open.", strTable);
  const std::string file = pDatabase->GetFileName();
  if (!pDatabase->TableExists(strTable))
    throw CADOException(SQLITE_ERROR, "The table does not exist in the database.", strTable, "",
                        file);
  const auto existing = pDatabase->GetColumnNames(strTable);
  std::vector<ColumnDef> columns = layout.GetColumns();
  for (const auto& column : columns) {
    bool found = false;
    for (const auto& name : existing) found = found || name == column.name;
    if (!found)
      throw CADOException(SQLITE_ERROR, "The field does not exist in the table.", strTable,
                          column.name, file);
  }

  sqlite3* db = pDatabase->GetHandle();
  const std::string table = QuoteSqlName(strTable);
  std::string selectList, insertList, insertParams, updateList;
  int param = 0;
  for (const auto& column : columns) {
    const std::string name = QuoteSqlName(column.name);
    selectList += (selectList.empty() ? "" : ", ") + name;
    if (column.name == strKeyColumn) continue;
    ++param;
    insertList += (insertList.empty() ? "" : ", ") + name;
    insertParams += (insertParams.empty() ? "?" : ", ?") + std::to_string(param);
    updateList += (updateList.empty() ? "" : ", ") + name + " = ?" + std::to_string(param);
  }
  if (selectList.empty()) selectList = "rowid";

  m_first = CSqlStatement(db, "SELECT rowid FROM " + table + " ORDER BY rowid LIMIT 1", strTable);
  m_last = CSqlStatement(db, "SELECT rowid FROM " + table + " ORDER BY rowid DESC LIMIT 1", strTable);
  m_next = CSqlStatement(
      db, "SELECT rowid FROM " + table + " WHERE rowid > ?1 ORDER BY rowid LIMIT 1", strTable);
  m_previous = CSqlStatement(
      db, "SELECT rowid FROM " + table + " WHERE rowid < ?1 ORDER BY rowid DESC LIMIT 1", strTable);
  m_exists = CSqlStatement(db, "SELECT rowid FROM " + table + " WHERE rowid = ?1", strTable);
  m_select = CSqlStatement(db, "SELECT " + selectList + " FROM " + table + " WHERE rowid = ?1",
                           strTable);
  m_insert = CSqlStatement(db,
                           insertList.empty()
                               ? "INSERT INTO " + table + " DEFAULT VALUES"
                               : "INSERT INTO " + table + " (" + insertList + ") VALUES (" +
                                     insertParams + ")",
                           strTable);
  if (!updateList.empty())
    m_update = CSqlStatement(db,
                             "UPDATE " + table + " SET " + updateList + " WHERE rowid = ?" +
                                 std::to_string(param + 1),
                             strTable);
  m_delete = CSqlStatement(db, "DELETE FROM " + table + " WHERE rowid = ?1", strTable);
  m_count = CSqlStatement(db, "SELECT count(*) FROM " + table, strTable);

  m_pDatabase = pDatabase;
  m_strTable = strTable;
  m_strKeyColumn = strKeyColumn;
  m_columns = std::move(columns);
  m_bOnRow = false;
}

void CADORecordset::Close() {
  for (CSqlStatement* stmt : {&m_first, &m_last, &m_next, &m_previous, &m_exists, &m_select,
                               &m_insert, &m_update, &m_delete, &m_count})
    *stmt = CSqlStatement();
  m_pDatabase = nullptr;
  m_columns.clear();
  m_bOnRow = false;
}

void CADORecordset::RequireOpen() const {
  if (!m_pDatabase) throw CADOException(SQLITE_MISUSE, "The table is not open.", m_strTable);
}

void CADORecordset::RequireRow() const {
  RequireOpen();
  if (!m_bOnRow)
    throw CADOException(SQLITE_NOTFOUND, "There is no current record.", m_strTable, "",
                        m_pDatabase->GetFileName());
}

bool CADORecordset::MoveBy(CSqlStatement& stmt, bool bBindCurrent) {
  RequireOpen();
  if (bBindCurrent) {
    if (!m_bOnRow) return false;
    stmt.BindInt64(1, m_nRowId);
  }
  const bool found = stmt.Step();
  if (found) m_nRowId = stmt.ColumnInt64(0);
  m_bOnRow = found;
  stmt.Reset();
  return found;
}

bool CADORecordset::MoveFirst() { return MoveBy(m_first, false); }
bool CADORecordset::MoveLast() { return MoveBy(m_last, false); }
bool CADORecordset::MoveNext() { return MoveBy(m_next, true); }
bool CADORecordset::MovePrevious() { return MoveBy(m_previous, true); }

bool CADORecordset::MoveTo(std::int64_t nRowId) {
  RequireOpen();
  m_exists.BindInt64(1, nRowId);
  m_bOnRow = m_exists.Step();
  m_exists.Reset();
  m_nRowId = nRowId;
  return m_bOnRow;
}

bool CADORecordset::FindFirstNonZero(const std::string& strColumn) {
  RequireOpen();
  CSqlStatement stmt(Db(),
                     "SELECT rowid FROM " + QuoteSqlName(m_strTable) + " WHERE " +
                         QuoteSqlName(strColumn) + " <> 0 ORDER BY rowid LIMIT 1",
                     m_strTable);
  return MoveBy(stmt, false);
}

std::int64_t CADORecordset::GetRecordCount() {
  RequireOpen();
  const std::int64_t count = m_count.Step() ? m_count.ColumnInt64(0) : 0;
  m_count.Reset();
  return count;
}

void CADORecordset::Read(CRecordFields& fields) {
  RequireRow();
  m_select.BindInt64(1, m_nRowId);
  try {
    if (!m_select.Step())
      throw CADOException(SQLITE_NOTFOUND, "The current record no longer exists.", m_strTable, "",
                          m_pDatabase->GetFileName());
    RowReader reader(m_select, m_columns, m_strTable);
    fields.Exchange(reader);
  } catch (CADOException& e) {
    m_select.Reset();
    e.SetFileNameIfEmpty(m_pDatabase->GetFileName());
    throw;
  }
  m_select.Reset();
}

void CADORecordset::Update(CRecordFields& fields) {
  RequireRow();
  UpdateRow(m_nRowId, fields);
}

void CADORecordset::UpdateRow(std::int64_t nRowId, CRecordFields& fields) {
  RequireOpen();
  if (!m_update.IsValid()) return;  // nothing but the key
  try {
    CSqlTransaction transaction(Db(), m_strTable);
    ParamBinder binder(m_update, m_strKeyColumn, m_strTable);
    fields.Exchange(binder);
    m_update.BindInt64(binder.NextIndex(), nRowId);
    m_update.Execute();
    if (sqlite3_changes(Db()) == 0)
      throw CADOException(SQLITE_NOTFOUND, "The record to update no longer exists.", m_strTable);
    transaction.Commit();
  } catch (CADOException& e) {
    m_update.Reset();
    e.SetFileNameIfEmpty(m_pDatabase->GetFileName());
    throw;
  }
}

std::int64_t CADORecordset::AddNew(CRecordFields& fields) {
  RequireOpen();
  std::int64_t rowId = 0;
  try {
    CSqlTransaction transaction(Db(), m_strTable);
    ParamBinder binder(m_insert, m_strKeyColumn, m_strTable);
    fields.Exchange(binder);
    m_insert.Execute();
    rowId = sqlite3_last_insert_rowid(Db());
    transaction.Commit();
  } catch (CADOException& e) {
    m_insert.Reset();
    e.SetFileNameIfEmpty(m_pDatabase->GetFileName());
    throw;
  }
  KeySetter setter(m_strKeyColumn, rowId);
  fields.Exchange(setter);
  m_nRowId = rowId;
  m_bOnRow = true;
  return rowId;
}

void CADORecordset::Delete() {
  RequireRow();
  try {
    CSqlTransaction transaction(Db(), m_strTable);
    m_delete.BindInt64(1, m_nRowId);
    m_delete.Execute();
    transaction.Commit();
  } catch (CADOException& e) {
    m_delete.Reset();
    e.SetFileNameIfEmpty(m_pDatabase->GetFileName());
    throw;
  }
  m_bOnRow = false;
}

void CADORecordset::SetOnlyCurrentFlag(const std::string& strColumn) {
  RequireRow();
  const std::string table = QuoteSqlName(m_strTable);
  const std::string column = QuoteSqlName(strColumn);
  try {
    CSqlTransaction transaction(Db(), m_strTable);
    CSqlStatement clear(Db(),
                        "UPDATE " + table + " SET " + column + " = 0 WHERE " + column +
                            " <> 0 AND rowid <> ?1",
                        m_strTable);
    clear.BindInt64(1, m_nRowId);
    clear.Execute();
    CSqlStatement set(Db(), "UPDATE " + table + " SET " + column + " = 1 WHERE rowid = ?1",
                      m_strTable);
    set.BindInt64(1, m_nRowId);
    set.Execute();
    if (sqlite3_changes(Db()) == 0)
      throw CADOException(SQLITE_NOTFOUND, "The current record no longer exists.", m_strTable);
    transaction.Commit();
  } catch (CADOException& e) {
    e.SetFileNameIfEmpty(m_pDatabase->GetFileName());
    e.SetFieldNameIfEmpty(strColumn);
    throw;
  }
}
