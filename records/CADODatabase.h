// The connection to the production records database: one SQLite file in
// write-ahead-log mode with full synchronous commits, so a committed row
// survives a crash or a power loss. Open refuses, with a CADOException that
// names the file and says what to do, a file that is not a database, is
// read-only, is locked by another program or was written by a newer program,
// and anything but a regular file in its place or in the place of its logs
// (a folder, a FIFO, a link to a missing file), named as what it is.
// The connection and everything opened on it belong to one thread (the
// user-interface thread).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "records/CADOException.h"
#include "records/IRecordContext.h"

struct sqlite3;

// Told before the connection closes, so a record set drops its statements
// and forgets the connection (see CAdoEngine).
class IDatabaseObserver {
 public:
  virtual void OnDatabaseClosing() = 0;

 protected:
  ~IDatabaseObserver() = default;
};

class CADODatabase {
 public:
  CADODatabase();
  ~CADODatabase();  // closes
  CADODatabase(const CADODatabase&) = delete;
  CADODatabase& operator=(const CADODatabase&) = delete;

  // Checks an open file before anything in it changes (the caller's test
  // that the file is its own); throws CADOException to refuse it.
  using FileCheck = std::function<void(CADODatabase&)>;

  // Opens the file, creating an empty one when it is missing (never over an
  // existing file). A file whose schema version is above nMaxSchemaVersion
  // (written by a newer program), or that fnCheck refuses, is refused
  // before anything in it changes (the switch to the write-ahead log
  // included). Throws CADOException; the connection is then closed. An
  // open connection is closed first.
  void Open(const std::string& strFileName, int nMaxSchemaVersion = 0x7FFFFFFF, const FileCheck& fnCheck = {});
  // Tells the observers, then closes. Safe to call when closed.
  void Close();
  bool IsOpen() const { return m_db != nullptr; }
  // True when the last Open created the file.
  bool WasCreated() const { return m_bCreated; }
  const std::string& GetFileName() const { return m_strFileName; }
  sqlite3* GetHandle() const { return m_db; }

  // Runs fixed SQL text without parameters (schema statements). Throws.
  void Execute(const std::string& strSql);
  bool TableExists(const std::string& strTable);
  std::vector<std::string> GetColumnNames(const std::string& strTable);
  bool HasAnyTable();
  // The schema version kept in the file (0 in a file that has none).
  int GetSchemaVersion();
  void SetSchemaVersion(int nVersion);
  // The program mark kept in the file (PRAGMA application_id; 0: none).
  int GetApplicationId();
  void SetApplicationId(int nId);
  // The tables of the file (not SQLite's own), in name order.
  std::vector<std::string> GetTableNames();

  // How long a statement waits for another program's lock before it fails
  // as locked. 5000 ms unless changed; applies to later Opens.
  static void SetBusyTimeout(int nMilliseconds);
  static int GetBusyTimeout();

  // The engine facts for new rows; not owned. Null uses the fall-backs of
  // IRecordContext.h.
  void SetRecordContext(IRecordContext* pContext) { m_pContext = pContext; }
  IRecordContext* GetRecordContext() const { return m_pContext; }

  // The operator's message for a file that cannot be opened with nCode
  // (not a database, locked, read-only, ...): what is wrong and what to do.
  static CADOException MakeOpenError(int nCode, const std::string& strDetail,
                                     const std::string& strFileName);

  void AddObserver(IDatabaseObserver* pObserver);
  void RemoveObserver(IDatabaseObserver* pObserver);

 private:
  void OpenOrThrow(int nMaxSchemaVersion, const FileCheck& fnCheck);
  [[noreturn]] void ThrowOpenError(int nCode, const std::string& strDetail);

  sqlite3* m_db = nullptr;
  std::string m_strFileName;
  bool m_bCreated = false;
  IRecordContext* m_pContext = nullptr;
  std::vector<IDatabaseObserver*> m_observers;  // record sets opened on this connection
};
