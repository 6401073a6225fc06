// The error of the production records database: the SQLite result code,
// what went wrong and what to do, and where (the database file, the table
// and the field when known). Every database failure travels as this
// exception; the record sets catch it and show GetErrorMessage to the
// operator. A plain value; safe to copy and to read from any thread.
#pragma once

#include <stdexcept>
#include <string>

class CADOException : public std::runtime_error {
 public:
  CADOException(int nErrorCode, const std::string& strDescription,
                const std::string& strTableName = std::string(),
                const std::string& strFieldName = std::string(),
                const std::string& strFileName = std::string());

  // The extended SQLite result code (SQLITE_BUSY, SQLITE_NOTADB, ...), or
  // SQLITE_ERROR for failures found by the program itself.
  int GetErrorCode() const { return m_nErrorCode; }
  // The primary result code (the low byte of the extended one).
  int GetPrimaryCode() const { return m_nErrorCode & 0xFF; }
  const std::string& GetDescription() const { return m_strDescription; }
  const std::string& GetTableName() const { return m_strTableName; }
  const std::string& GetFieldName() const { return m_strFieldName; }
  const std::string& GetFileName() const { return m_strFileName; }

  // Fills in where the error happened when the thrower did not know it.
  void SetTableNameIfEmpty(const std::string& strTableName);
  void SetFieldNameIfEmpty(const std::string& strFieldName);
  void SetFileNameIfEmpty(const std::string& strFileName);

  // The text for the operator: the description, then the file, the table
  // and the field, each on its own line when known. Same as what().
  const std::string& GetErrorMessage() const { return m_strMessage; }
  const char* what() const noexcept override { return m_strMessage.c_str(); }

 private:
  void Compose();

  int m_nErrorCode;
  std::string m_strDescription;
  std::string m_strTableName;
  std::string m_strFieldName;
  std::string m_strFileName;
  std::string m_strMessage;  // composed from the members above
};
