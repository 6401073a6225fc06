#include "records/CADOException.h"

CADOException::CADOException(int nErrorCode, const std::string& strDescription,
                             const std::string& strTableName, const std::string& strFieldName,
                             const std::string& strFileName)
    : std::runtime_error(strDescription),
      m_nErrorCode(nErrorCode),
      m_strDescription(strDescription),
      m_strTableName(strTableName),
      m_strFieldName(strFieldName),
      m_strFileName(strFileName) {
  Compose();
}

void CADOException::SetTableNameIfEmpty(const std::string& strTableName) {
  if (m_strTableName.empty()) {
    m_strTableName = strTableName;
    Compose();
  }
}

void CADOException::SetFieldNameIfEmpty(const std::string& strFieldName) {
  if (m_strFieldName.empty()) {
    m_strFieldName = strFieldName;
    Compose();
  }
}

void CADOException::SetFileNameIfEmpty(const std::string& strFileName) {
  if (m_strFileName.empty()) {
    m_strFileName = strFileName;
    Compose();
  }
}

void CADOException::Compose() {
  m_strMessage = m_strDescription;
  if (!m_strFileName.empty()) m_strMessage += "\nFile: " + m_strFileName;
  if (!m_strTableName.empty()) m_strMessage += "\nTable: " + m_strTableName;
  if (!m_strFieldName.empty()) m_strMessage += "\nField: " + m_strFieldName;
}
