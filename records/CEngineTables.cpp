#include "records/CEngineTables.h"

#include "records/RecordsSchema.h"

CEngineTables::~CEngineTables() { Close(); }

bool CEngineTables::Open(const std::string& strFileName, IRecordContext* pContext,
                         HWND hNotifyWnd) {
  m_pAlarmRS.reset();
  if (!m_pDatabase || !m_pDatabase->IsOpen() || m_pDatabase->GetFileName() != strFileName) {
    Close();
    m_pDatabase = std::make_unique<CADODatabase>();
    if (!OpenRecordsDatabase(*m_pDatabase, strFileName)) {
      m_pDatabase.reset();
      return false;
    }
  }
  m_pDatabase->SetRecordContext(pContext);
  m_pAlarmRS = std::make_unique<CAlarmBaseRS>();
  m_pAlarmRS->SetDatabase(m_pDatabase.get(), hNotifyWnd);
  if (!m_pAlarmRS->SetTableName(CAlarmBaseRS::kTableName)) {
    Close();
    return false;
  }
  return true;
}

void CEngineTables::Close() {
  m_pAlarmRS.reset();
  m_pDatabase.reset();  // closes every set still opened on it
}

bool CEngineTables::AddAlarm(const std::string& strTitle, const std::string& strText) {
  if (!IsOpen()) return false;
  return m_pAlarmRS->AddAlarm(strTitle, strText);
}
