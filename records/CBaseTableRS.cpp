#include "records/CBaseTableRS.h"

#include <cstdio>

#include "platform/Seams.h"
#include "records/CADOException.h"

template <class Fn>
bool CBaseTableRS::Guard(Fn&& fn) {
  try {
    if (!IsOpen()) {
      const std::string file = GetDatabase() ? GetDatabase()->GetFileName() : std::string();
      throw CADOException(1, "The table is not open.", GetTableName(), "", file);
    }
    return fn();
  } catch (const CADOException& e) {
    ReportError(e);
    return false;
  }
}

bool CBaseTableRS::PostNotify(LPARAM nCode) const {
  const HWND hWnd = GetNotifyWnd();
  if (!hWnd) return false;
  // A window that is gone refuses the post; that is not an error here.
  return CWnd::PostMessage(hWnd, WM_TABLE_NOTICE,
                           reinterpret_cast<WPARAM>(static_cast<const CBaseTableRS*>(this)), nCode) != FALSE;
}

bool CBaseTableRS::TakeHistoryWrittenNotice() {
  if (m_nHistoryWrittenNotices == 0) return false;
  --m_nHistoryWrittenNotices;
  return true;
}

bool CBaseTableRS::FindActiveRecord() {
  const std::string column = GetActiveColumn();
  if (column.empty() || !IsOpen()) return false;
  return Guard([&] { return m_Recordset.FindFirstNonZero(column); });
}

void CBaseTableRS::SetActiveRecord(bool bFound, bool bHistoryWritten) {
  if (bFound && IsOpen() && !m_Recordset.IsEOF()) {
    const bool read = Guard([&] {
      m_Recordset.Read(GetActiveFieldsBase());
      return true;
    });
    if (read) {
      m_bHasActiveRecord = true;
      m_nActiveRowId = m_Recordset.GetRowId();
      if (PostNotify(TABLE_NOTICE_ACTIVE_RECORD_SET) && bHistoryWritten) ++m_nHistoryWrittenNotices;
      return;
    }
  }
  m_bHasActiveRecord = false;
  GetActiveFieldsBase().Reset();
  char text[512];
  std::snprintf(text, sizeof text, "There is no active \"%s\".", GetTableName().c_str());
  AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
  PostNotify(TABLE_NOTICE_NO_ACTIVE_RECORD);
}

bool CBaseTableRS::UpdateActiveRecord() {
  if (!m_bHasActiveRecord) return false;
  return Guard([&] {
    m_Recordset.UpdateRow(m_nActiveRowId, GetActiveFieldsBase());
    return true;
  });
}

bool CBaseTableRS::ActivateCurrentRecord() {
  const std::string column = GetActiveColumn();
  if (column.empty()) return false;
  const bool done = Guard([&] {
    if (m_Recordset.IsEOF()) return false;
    m_Recordset.SetOnlyCurrentFlag(column);
    return true;
  });
  if (done) SetActiveRecord(true);
  return done && m_bHasActiveRecord;
}

void CBaseTableRS::ResetNewFields() { GetNewFieldsBase().Reset(); }

bool CBaseTableRS::AddRecord() {
  return Guard([&] {
    m_Recordset.AddNew(GetNewFieldsBase());
    return true;
  });
}

bool CBaseTableRS::DeleteCurrentRecord() {
  return Guard([&] {
    if (m_Recordset.IsEOF()) return false;
    const std::int64_t row = m_Recordset.GetRowId();
    m_Recordset.Delete();
    if (m_bHasActiveRecord && row == m_nActiveRowId) {
      m_bHasActiveRecord = false;
      GetActiveFieldsBase().Reset();
    }
    return true;
  });
}

bool CBaseTableRS::MoveFirst() { return Guard([&] { return m_Recordset.MoveFirst(); }); }
bool CBaseTableRS::MoveLast() { return Guard([&] { return m_Recordset.MoveLast(); }); }
bool CBaseTableRS::MoveNext() { return Guard([&] { return m_Recordset.MoveNext(); }); }
bool CBaseTableRS::MovePrevious() { return Guard([&] { return m_Recordset.MovePrevious(); }); }

std::int64_t CBaseTableRS::GetRecordCount() {
  std::int64_t count = -1;
  Guard([&] {
    count = m_Recordset.GetRecordCount();
    return true;
  });
  return count;
}

bool CBaseTableRS::ReadCurrent(CRecordFields& fields) {
  return Guard([&] {
    if (m_Recordset.IsEOF()) return false;
    m_Recordset.Read(fields);
    return true;
  });
}

bool CBaseTableRS::UpdateCurrent(CRecordFields& fields) {
  return Guard([&] {
    if (m_Recordset.IsEOF()) return false;
    m_Recordset.Update(fields);
    // The active field set follows an edit of its own row.
    if (m_bHasActiveRecord && m_Recordset.GetRowId() == m_nActiveRowId)
      m_Recordset.Read(GetActiveFieldsBase());
    return true;
  });
}
