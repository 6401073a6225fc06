#include "records/CAdoEngine.h"

#include "platform/Seams.h"
#include "records/CADOException.h"

CAdoEngine::~CAdoEngine() {
  m_Recordset.Close();
  if (m_pDatabase) m_pDatabase->RemoveObserver(this);
}

void CAdoEngine::SetDatabase(CADODatabase* pDatabase, HWND hNotifyWnd) {
  m_hNotifyWnd = hNotifyWnd;
  if (pDatabase == m_pDatabase) return;
  m_Recordset.Close();
  if (m_pDatabase) m_pDatabase->RemoveObserver(this);
  m_pDatabase = pDatabase;
  if (m_pDatabase) m_pDatabase->AddObserver(this);
}

IRecordContext* CAdoEngine::GetRecordContext() const {
  return m_pDatabase ? m_pDatabase->GetRecordContext() : nullptr;
}

bool CAdoEngine::SetTableName(const std::string& strTableName) {
  m_strTableName = strTableName;
  m_Recordset.Close();
  try {
    if (!m_pDatabase || !m_pDatabase->IsOpen())
      throw CADOException(1, "The database is not open.", strTableName);
    m_Recordset.Open(m_pDatabase, strTableName, GetKeyColumn(), GetFieldLayout());
  } catch (const CADOException& e) {
    ReportError(e);
    return false;
  }
  return true;
}

void CAdoEngine::ReportError(const CADOException& e) const {
  AfxMessageBox(e.GetErrorMessage(), MB_OK | MB_ICONERROR);
}

void CAdoEngine::OnDatabaseClosing() {
  m_Recordset.Close();
  if (m_pDatabase) m_pDatabase->RemoveObserver(this);
  m_pDatabase = nullptr;
}
