// A prepared SQLite statement with bound parameters, and a transaction
// scope. Every statement of the records database goes through these: values
// are always bound, never pasted into the text, and every failure throws a
// CADOException naming the table it concerns. Objects belong to the thread
// of their database connection (the user-interface thread).
#pragma once

#include <cstdint>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

// Quotes a table or column name for SQL text ("name", inner quotes doubled).
// Names come from the program's own tables, never from the operator.
std::string QuoteSqlName(const std::string& name);

// The result code of a failed SQLite call on db, with a full disk told as
// SQLITE_FULL: SQLite reports the disk filling up while it grows its log
// index or flushes as an I/O error, and only the system's error says why.
int SqliteFailureCode(sqlite3* db, int code);

// Throws the CADOException of a failed SQLite call on db: the code, the
// connection's message and the table. Constraint failures such as
// "NOT NULL constraint failed: Recipe.RecipeName" also name the field. A
// full disk is said as "disk full".
[[noreturn]] void ThrowSqliteError(sqlite3* db, int code, const std::string& table);

class CSqlStatement {
 public:
  CSqlStatement() = default;
  // Prepares sql on db; the table names the statement's table in errors.
  CSqlStatement(sqlite3* db, const std::string& sql, const std::string& table = std::string());
  ~CSqlStatement();
  CSqlStatement(CSqlStatement&& other) noexcept;
  CSqlStatement& operator=(CSqlStatement&& other) noexcept;
  CSqlStatement(const CSqlStatement&) = delete;
  CSqlStatement& operator=(const CSqlStatement&) = delete;

  bool IsValid() const { return m_stmt != nullptr; }

  // Parameters are numbered from 1. A NaN double is bound as NULL.
  void BindInt64(int index, std::int64_t value);
  void BindDouble(int index, double value);
  void BindText(int index, const std::string& value);
  void BindNull(int index);

  // Runs one step: true when a row is ready, false when done.
  bool Step();
  // Runs to the end, ignoring rows; then resets.
  void Execute();
  // Ready to run again; the bindings are cleared.
  void Reset();

  // Columns of the current row, numbered from 0.
  int ColumnCount() const;
  int ColumnType(int index) const;  // SQLITE_INTEGER, SQLITE_FLOAT, SQLITE_TEXT, SQLITE_BLOB, SQLITE_NULL
  std::int64_t ColumnInt64(int index) const;
  double ColumnDouble(int index) const;
  std::string ColumnText(int index) const;

 private:
  void Finalize();
  void Check(int code) const;

  sqlite3* m_db = nullptr;
  sqlite3_stmt* m_stmt = nullptr;
  std::string m_table;  // for error reports
};

// BEGIN IMMEDIATE on construction (the write lock is taken at once, so a
// busy database fails here and not half way); Commit makes the changes
// durable; a scope left without Commit rolls back. Inside a write
// transaction that is already open, it does nothing and the outer one
// decides; inside a read snapshot (CSqlReadScope) it refuses (throws).
class CSqlTransaction {
 public:
  CSqlTransaction(sqlite3* db, const std::string& table = std::string());
  ~CSqlTransaction();
  CSqlTransaction(const CSqlTransaction&) = delete;
  CSqlTransaction& operator=(const CSqlTransaction&) = delete;

  void Commit();

 private:
  sqlite3* m_db;
  std::string m_table;
  bool m_owner = false;  // this scope began the transaction
  bool m_open = false;   // begun and not yet committed or rolled back
};

// A read snapshot for a batch of reads (listing many rows): one BEGIN for the
// batch instead of one per statement, and every row read from the same
// state of the file. Ends (COMMIT) when the scope is left; keep it short so
// the write-ahead log can be folded back. Writes are refused inside it.
// Inside an open transaction it does nothing.
class CSqlReadScope {
 public:
  explicit CSqlReadScope(sqlite3* db);
  ~CSqlReadScope();
  CSqlReadScope(const CSqlReadScope&) = delete;
  CSqlReadScope& operator=(const CSqlReadScope&) = delete;

 private:
  sqlite3* m_db;
  bool m_owner = false;
};
