#include "records/SqlStatement.h"

#include <sqlite3.h>

#include <cerrno>
#include <cmath>
#include <utility>

#include "records/CADOException.h"

std::string QuoteSqlName(const std::string& name) {
  std::string quoted = "\"";
  for (char c : name) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

namespace {

// "NOT NULL constraint failed: Table.Field" and the like name the field
// after the last '.' of the part behind ": ".
std::string FieldOfConstraintMessage(const std::string& message) {
  const auto colon = message.find("constraint failed: ");
  if (colon == std::string::npos) return std::string();
  std::string rest = message.substr(colon + 19);
  const auto comma = rest.find(',');
  if (comma != std::string::npos) rest.resize(comma);
  const auto dot = rest.rfind('.');
  if (dot == std::string::npos) return std::string();
  return rest.substr(dot + 1);
}

}  // namespace

int SqliteFailureCode(sqlite3* db, int code) {
  if (db && (code & 0xFF) == SQLITE_IOERR) {
    const int error = sqlite3_system_errno(db);
    if (error == ENOSPC || error == EDQUOT) return SQLITE_FULL;
  }
  return code;
}

void ThrowSqliteError(sqlite3* db, int code, const std::string& table) {
  const int failure = SqliteFailureCode(db, code);
  if (failure == SQLITE_FULL && (code & 0xFF) != SQLITE_FULL) code = failure;
  std::string message = (code & 0xFF) == SQLITE_FULL ? "disk full (no space is left on the disk of the database file)"
                        : db                         ? sqlite3_errmsg(db)
                                                     : sqlite3_errstr(code);
  const char* file = db ? sqlite3_db_filename(db, "main") : nullptr;
  std::string field = FieldOfConstraintMessage(message);
  throw CADOException(code, "Database error: " + message + ".", table, field,
                      file ? std::string(file) : std::string());
}

CSqlStatement::CSqlStatement(sqlite3* db, const std::string& sql, const std::string& table)
    : m_db(db), m_table(table) {
  const int rc = sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &m_stmt, nullptr);
  if (rc != SQLITE_OK) {
    sqlite3_finalize(m_stmt);
    m_stmt = nullptr;
    ThrowSqliteError(db, rc, table);
  }
}

CSqlStatement::~CSqlStatement() { Finalize(); }

CSqlStatement::CSqlStatement(CSqlStatement&& other) noexcept
    : m_db(std::exchange(other.m_db, nullptr)),
      m_stmt(std::exchange(other.m_stmt, nullptr)),
      m_table(std::move(other.m_table)) {}

CSqlStatement& CSqlStatement::operator=(CSqlStatement&& other) noexcept {
  if (this != &other) {
    Finalize();
    m_db = std::exchange(other.m_db, nullptr);
    m_stmt = std::exchange(other.m_stmt, nullptr);
    m_table = std::move(other.m_table);
  }
  return *this;
}

void CSqlStatement::Finalize() {
  if (m_stmt) sqlite3_finalize(m_stmt);
  m_stmt = nullptr;
}

void CSqlStatement::Check(int code) const {
  if (code != SQLITE_OK) ThrowSqliteError(m_db, code, m_table);
}

void CSqlStatement::BindInt64(int index, std::int64_t value) {
  Check(sqlite3_bind_int64(m_stmt, index, value));
}

void CSqlStatement::BindDouble(int index, double value) {
  // SQLite would store a NaN as NULL anyway; say so explicitly.
  if (std::isnan(value)) {
    BindNull(index);
    return;
  }
  Check(sqlite3_bind_double(m_stmt, index, value));
}

void CSqlStatement::BindText(int index, const std::string& value) {
  Check(sqlite3_bind_text64(m_stmt, index, value.data(), value.size(), SQLITE_TRANSIENT,
                            SQLITE_UTF8));
}

void CSqlStatement::BindNull(int index) { Check(sqlite3_bind_null(m_stmt, index)); }

bool CSqlStatement::Step() {
  const int rc = sqlite3_step(m_stmt);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  // The statement's own error code is the step's result; reset before
  // throwing so the statement is usable again.
  std::string message = sqlite3_errmsg(m_db);
  sqlite3_reset(m_stmt);
  const char* file = sqlite3_db_filename(m_db, "main");
  throw CADOException(rc, "Database error: " + message + ".", m_table,
                      FieldOfConstraintMessage(message), file ? std::string(file) : std::string());
}

void CSqlStatement::Execute() {
  while (Step()) {
  }
  Reset();
}

void CSqlStatement::Reset() {
  sqlite3_reset(m_stmt);
  sqlite3_clear_bindings(m_stmt);
}

int CSqlStatement::ColumnCount() const { return sqlite3_column_count(m_stmt); }
int CSqlStatement::ColumnType(int index) const { return sqlite3_column_type(m_stmt, index); }
std::int64_t CSqlStatement::ColumnInt64(int index) const {
  return sqlite3_column_int64(m_stmt, index);
}
double CSqlStatement::ColumnDouble(int index) const { return sqlite3_column_double(m_stmt, index); }

std::string CSqlStatement::ColumnText(int index) const {
  const auto* text = sqlite3_column_text(m_stmt, index);
  if (!text) return std::string();
  return std::string(reinterpret_cast<const char*>(text),
                     static_cast<size_t>(sqlite3_column_bytes(m_stmt, index)));
}

CSqlTransaction::CSqlTransaction(sqlite3* db, const std::string& table) : m_db(db), m_table(table) {
  if (!sqlite3_get_autocommit(db)) {
    // An outer write transaction decides. A read snapshot (CSqlReadScope)
    // must not silently carry a write that it would commit unchecked later.
    if (sqlite3_txn_state(db, "main") == SQLITE_TXN_WRITE) return;
    throw CADOException(SQLITE_MISUSE, "A record cannot be written while the table is being read.",
                        table);
  }
  const int rc = sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
  if (rc != SQLITE_OK) ThrowSqliteError(db, rc, table);
  m_owner = true;
  m_open = true;
}

CSqlTransaction::~CSqlTransaction() {
  // A failed statement may have ended the transaction already.
  if (m_owner && m_open && !sqlite3_get_autocommit(m_db))
    sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

void CSqlTransaction::Commit() {
  if (!m_owner || !m_open) return;
  const int rc = sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
  if (rc != SQLITE_OK) ThrowSqliteError(m_db, rc, m_table);
  m_open = false;
}

CSqlReadScope::CSqlReadScope(sqlite3* db) : m_db(db) {
  // A failed BEGIN only costs speed: each read then runs on its own.
  if (db && sqlite3_get_autocommit(db))
    m_owner = sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK;
}

CSqlReadScope::~CSqlReadScope() {
  if (m_owner && !sqlite3_get_autocommit(m_db))
    sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
}
