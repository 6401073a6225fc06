// A cursor over one table of the records database: it stands on one row
// (by its row id) or on none, moves first, last, next and previous, reads
// the current row into a field set, writes a field set back to it, appends
// and deletes rows. Every move runs a short query, so no read snapshot is
// kept open between calls and the write-ahead log can always be folded back.
// Every write is one transaction. Errors throw CADOException with the table
// and, where it is known, the field. Belongs to its connection's thread.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "records/FieldExchange.h"
#include "records/SqlStatement.h"

class CADODatabase;

class CADORecordset {
 public:
  CADORecordset() = default;
  ~CADORecordset() = default;
  CADORecordset(const CADORecordset&) = delete;
  CADORecordset& operator=(const CADORecordset&) = delete;

  // Opens on strTable with the columns of the layout field set; the column
  // named strKeyColumn (when the field set has it) is the row id, set by the
  // database on append. Throws when the table or one of its columns is
  // missing. The cursor then stands on no row.
  void Open(CADODatabase* pDatabase, const std::string& strTable, const std::string& strKeyColumn,
            const CRecordFields& layout);
  void Close();
  bool IsOpen() const { return m_pDatabase != nullptr; }
  const std::string& GetTableName() const { return m_strTable; }

  // Moves; false (and the cursor on no row) when there is no such row.
  bool MoveFirst();
  bool MoveLast();
  bool MoveNext();      // from no row: stays on no row
  bool MovePrevious();  // from no row: stays on no row
  bool MoveTo(std::int64_t nRowId);
  // Stands on the first row whose column is not 0; false when none is.
  bool FindFirstNonZero(const std::string& strColumn);
  bool IsEOF() const { return !m_bOnRow; }
  std::int64_t GetRowId() const { return m_bOnRow ? m_nRowId : 0; }  // 0 on no row
  std::int64_t GetRecordCount();

  // The current row into fields (of the layout's type). Throws when the
  // cursor stands on no row or the row is gone.
  void Read(CRecordFields& fields);
  // The fields into the current row; throws when there is none.
  void Update(CRecordFields& fields);
  // The fields into the row nRowId (where the cursor stands or not); throws
  // when that row no longer exists.
  void UpdateRow(std::int64_t nRowId, CRecordFields& fields);
  // Appends the fields as a new row and stands on it; its key member is set.
  std::int64_t AddNew(CRecordFields& fields);
  // Deletes the current row; the cursor then stands on no row.
  void Delete();
  // Clears strColumn on every other row and sets it on the current one, in
  // one transaction.
  void SetOnlyCurrentFlag(const std::string& strColumn);

 private:
  sqlite3* Db() const;
  void RequireOpen() const;
  void RequireRow() const;
  bool MoveBy(CSqlStatement& stmt, bool bBindCurrent);

  CADODatabase* m_pDatabase = nullptr;  // not owned; null while closed
  std::string m_strTable;
  std::string m_strKeyColumn;
  std::vector<ColumnDef> m_columns;  // in the layout's order
  bool m_bOnRow = false;             // the cursor stands on a row
  std::int64_t m_nRowId = 0;         // that row's id while m_bOnRow
  CSqlStatement m_first, m_last, m_next, m_previous, m_exists, m_select, m_insert, m_update,
      m_delete, m_count;
};
