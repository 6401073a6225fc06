#include "records/CADODatabase.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "platform/Paths.h"
#include "records/CADOException.h"
#include "records/SqlStatement.h"

namespace {

int g_busyTimeoutMs = 5000;

// A file the operator made read-only (no write permission bits at all) is
// read-only even for a user whom the system would let write it.
bool IsWriteProtected(const std::string& path, const struct stat& st) {
  return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || access(path.c_str(), W_OK) != 0;
}

}  // namespace

CADODatabase::CADODatabase() = default;

CADODatabase::~CADODatabase() { Close(); }

void CADODatabase::SetBusyTimeout(int nMilliseconds) { g_busyTimeoutMs = std::max(0, nMilliseconds); }
int CADODatabase::GetBusyTimeout() { return g_busyTimeoutMs; }

void CADODatabase::Open(const std::string& strFileName, int nMaxSchemaVersion, const FileCheck& fnCheck) {
  Close();
  m_strFileName = strFileName;
  m_bCreated = false;
  try {
    OpenOrThrow(nMaxSchemaVersion, fnCheck);
  } catch (...) {
    if (m_db) sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_bCreated = false;
    throw;
  }
}

void CADODatabase::OpenOrThrow(int nMaxSchemaVersion, const FileCheck& fnCheck) {
  if (m_strFileName.empty()) ThrowOpenError(SQLITE_CANTOPEN, "no file name");

  // SQLite would wait for ever on a FIFO (the file's or a log's): only
  // regular files are let through to it, the others named as what they are.
  for (const char* part : {"", "-wal", "-shm", "-journal"}) {
    const std::string path = m_strFileName + part;
    if (const std::string kind = NonFileKind(path); !kind.empty())
      throw CADOException(SQLITE_CANTOPEN,
                          "The database file cannot be opened: " + NotAFileText(path, kind) +
                              "\nMove it out of the folder, then start VekFrame again.",
                          "", "", m_strFileName);
  }
  struct stat st {};
  const bool exists = ::stat(m_strFileName.c_str(), &st) == 0;
  if (exists && IsWriteProtected(m_strFileName, st)) ThrowOpenError(SQLITE_READONLY, "");

  const int flags = SQLITE_OPEN_READWRITE | (exists ? 0 : SQLITE_OPEN_CREATE);
  int rc = sqlite3_open_v2(m_strFileName.c_str(), &m_db, flags, nullptr);
  if (rc != SQLITE_OK) ThrowOpenError(rc, m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc));
  m_bCreated = !exists;
  sqlite3_extended_result_codes(m_db, 1);
  sqlite3_busy_timeout(m_db, g_busyTimeoutMs);
  if (sqlite3_db_readonly(m_db, "main") == 1) ThrowOpenError(SQLITE_READONLY, "");

  // The first read finds a file that is not a database, or a lock.
  rc = sqlite3_exec(m_db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
  if (rc != SQLITE_OK) ThrowOpenError(rc, sqlite3_errmsg(m_db));
  const int version = GetSchemaVersion();
  // Only a file this program made and versioned is changed: one with tables
  // but no version, or a negative one, is some other program's.
  if (version < 0 || (version == 0 && HasAnyTable()))
    ThrowOpenError(SQLITE_NOTADB, version < 0
                                      ? "its schema version " + std::to_string(version) + " is not one of VekFrame"
                                      : "it holds tables but no VekFrame schema version");
  if (version > nMaxSchemaVersion)
    throw CADOException(
        SQLITE_ERROR,
        "The database file was written by a newer VekFrame (schema version " +
            std::to_string(version) + "; this program knows " + std::to_string(nMaxSchemaVersion) +
            ").\nUse the newer VekFrame, or move the file to another folder and start VekFrame "
            "again to begin a new database.",
        "", "", m_strFileName);
  if (fnCheck) fnCheck(*this);

  // Write-ahead log with a sync at every commit: a committed row survives a
  // crash or a power loss, and readers (report tools) never block the writer.
  {
    sqlite3_stmt* stmt = nullptr;
    rc = sqlite3_prepare_v2(m_db, "PRAGMA journal_mode=WAL", -1, &stmt, nullptr);
    std::string mode;
    if (rc == SQLITE_OK) {
      rc = sqlite3_step(stmt);
      if (rc == SQLITE_ROW) {
        const auto* text = sqlite3_column_text(stmt, 0);
        mode = text ? reinterpret_cast<const char*>(text) : "";
        rc = SQLITE_OK;
      }
    }
    const std::string detail = rc == SQLITE_OK ? "" : sqlite3_errmsg(m_db);
    sqlite3_finalize(stmt);
    if (rc != SQLITE_OK) ThrowOpenError(rc, detail);
    if (mode != "wal") ThrowOpenError(SQLITE_BUSY, "the write-ahead log cannot be started");
  }
  rc = sqlite3_exec(m_db, "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
  if (rc != SQLITE_OK) ThrowOpenError(rc, sqlite3_errmsg(m_db));
}

void CADODatabase::ThrowOpenError(int nCode, const std::string& strDetail) {
  const int code = SqliteFailureCode(m_db, nCode);
  throw MakeOpenError(code, code != nCode ? std::string() : strDetail, m_strFileName);
}

CADOException CADODatabase::MakeOpenError(int nCode, const std::string& strDetail,
                                          const std::string& strFileName) {
  const std::string detail = strDetail.empty() ? std::string() : " (" + strDetail + ")";
  std::string text;
  switch (nCode & 0xFF) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
      text = "The database file is not a VekFrame database or is damaged" + detail +
             ".\nMove the file to another folder (keep it: it may hold records) or restore it "
             "from a backup, then start VekFrame again; a new, empty database is made when the "
             "file is missing.";
      break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      text = "The database file is locked by another program" + detail +
             ".\nClose the program that uses it (another VekFrame or a database tool), then "
             "start VekFrame again.";
      break;
    case SQLITE_READONLY:
      text = "The database file is read-only" + detail +
             ".\nAllow writing to the file and to its folder, then start VekFrame again.";
      break;
    case SQLITE_FULL:
      text = "Disk full: no space is left on the disk of the database file" + detail +
             ".\nFree some disk space, then start VekFrame again.";
      break;
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
      text = "The database file cannot be opened or created" + detail +
             ".\nCheck that its folder exists and allows writing, then start VekFrame again.";
      break;
    default:
      text = "The database file cannot be opened" + detail +
             ".\nCheck the file and its folder, then start VekFrame again.";
      break;
  }
  return CADOException(nCode, text, std::string(), std::string(), strFileName);
}

void CADODatabase::Close() {
  // Observers remove themselves while they are told; work on a copy.
  const auto observers = m_observers;
  for (IDatabaseObserver* observer : observers) observer->OnDatabaseClosing();
  m_observers.clear();
  if (m_db) sqlite3_close_v2(m_db);
  m_db = nullptr;
}

void CADODatabase::Execute(const std::string& strSql) {
  if (!m_db) throw CADOException(SQLITE_MISUSE, "The database is not open.");
  const int rc = sqlite3_exec(m_db, strSql.c_str(), nullptr, nullptr, nullptr);
  if (rc != SQLITE_OK) ThrowSqliteError(m_db, rc, std::string());
}

bool CADODatabase::TableExists(const std::string& strTable) {
  CSqlStatement stmt(m_db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1",
                     strTable);
  stmt.BindText(1, strTable);
  return stmt.Step();
}

std::vector<std::string> CADODatabase::GetColumnNames(const std::string& strTable) {
  CSqlStatement stmt(m_db, "SELECT name FROM pragma_table_info(?1)", strTable);
  stmt.BindText(1, strTable);
  std::vector<std::string> names;
  while (stmt.Step()) names.push_back(stmt.ColumnText(0));
  return names;
}

bool CADODatabase::HasAnyTable() {
  CSqlStatement stmt(m_db, "SELECT 1 FROM sqlite_master WHERE type = 'table' LIMIT 1");
  return stmt.Step();
}

int CADODatabase::GetSchemaVersion() {
  CSqlStatement stmt(m_db, "PRAGMA user_version");
  return stmt.Step() ? static_cast<int>(stmt.ColumnInt64(0)) : 0;
}

void CADODatabase::SetSchemaVersion(int nVersion) {
  // PRAGMA takes no parameters; the value is a number formatted here.
  Execute("PRAGMA user_version = " + std::to_string(nVersion));
}

int CADODatabase::GetApplicationId() {
  CSqlStatement stmt(m_db, "PRAGMA application_id");
  return stmt.Step() ? static_cast<int>(stmt.ColumnInt64(0)) : 0;
}

void CADODatabase::SetApplicationId(int nId) {
  Execute("PRAGMA application_id = " + std::to_string(nId));
}

std::vector<std::string> CADODatabase::GetTableNames() {
  CSqlStatement stmt(m_db,
                     "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' "
                     "ORDER BY name");
  std::vector<std::string> names;
  while (stmt.Step()) names.push_back(stmt.ColumnText(0));
  return names;
}

void CADODatabase::AddObserver(IDatabaseObserver* pObserver) {
  if (std::find(m_observers.begin(), m_observers.end(), pObserver) == m_observers.end())
    m_observers.push_back(pObserver);
}

void CADODatabase::RemoveObserver(IDatabaseObserver* pObserver) {
  m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), pObserver),
                    m_observers.end());
}
