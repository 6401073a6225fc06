// The record-set base that ties one table to the database connection: it
// keeps the connection (not owned), the table name, the cursor and the
// window that receives the set's notices. SetTableName (re)opens the table;
// failures are shown to the operator and reported as false. When the
// connection closes first, the set closes and forgets it, so no set is ever
// left pointing at a closed database. User-interface thread only.
#pragma once

#include <string>

#include "platform/Wnd.h"
#include "records/CADODatabase.h"
#include "records/CADORecordset.h"

class CAdoEngine : protected IDatabaseObserver {
 public:
  CAdoEngine() = default;
  virtual ~CAdoEngine();
  CAdoEngine(const CAdoEngine&) = delete;
  CAdoEngine& operator=(const CAdoEngine&) = delete;

  // The connection and the window that receives WM_TABLE_NOTICE (null: no
  // notices). Closes the table that was open on another connection.
  void SetDatabase(CADODatabase* pDatabase, HWND hNotifyWnd = nullptr);
  void SetDatabase(CADODatabase* pDatabase, CWnd* pNotifyWnd) {
    SetDatabase(pDatabase, pNotifyWnd ? pNotifyWnd->GetSafeHwnd() : nullptr);
  }
  CADODatabase* GetDatabase() const { return m_pDatabase; }
  void SetNotifyWnd(HWND hNotifyWnd) { m_hNotifyWnd = hNotifyWnd; }
  HWND GetNotifyWnd() const { return m_hNotifyWnd; }
  IRecordContext* GetRecordContext() const;

  // Stores the table name and reopens the set on it. Shows the error and
  // returns false when the table cannot be opened (the set stays closed).
  bool SetTableName(const std::string& strTableName);
  const std::string& GetTableName() const { return m_strTableName; }
  bool IsOpen() const { return m_Recordset.IsOpen(); }
  void Close() { m_Recordset.Close(); }

  // The cursor, for browsing the table.
  CADORecordset& GetRecordset() { return m_Recordset; }

  // The column that is the row id (the table's autonumber key).
  virtual std::string GetKeyColumn() const { return "ID"; }
  // A field set of this table, for the column list.
  virtual const CRecordFields& GetFieldLayout() const = 0;

 protected:
  // Shows a database error to the operator (the message names the file,
  // the table and the field).
  void ReportError(const CADOException& e) const;

  void OnDatabaseClosing() override;

  CADORecordset m_Recordset;

 private:
  CADODatabase* m_pDatabase = nullptr;  // not owned
  HWND m_hNotifyWnd = nullptr;
  std::string m_strTableName;
};
