#include "records/CAlarmBaseRS.h"

void CAlarmFields::Exchange(CFieldExchange& fx) {
  fx.Date("AlarmDateTime", m_dtAlarmDateTime);
  fx.Text("AlarmDateTimeShamsi", m_strAlarmDateTimeShamsi);
  fx.Text("AlarmTitle", m_strAlarmTitle);
  fx.Text("AlarmText", m_strAlarmText);
  fx.Text("OperatorName", m_strOperatorName);
}

void CAlarmFields::Reset() {
  m_dtAlarmDateTime = 0;
  m_strAlarmDateTimeShamsi.clear();
  m_strAlarmTitle.clear();
  m_strAlarmText.clear();
  m_strOperatorName.clear();
}

void CAlarmBaseRS::ResetNewFields() {
  IRecordContext* context = GetRecordContext();
  m_NewFields.Reset();
  m_NewFields.m_dtAlarmDateTime = RecordContextNow(context);
  m_NewFields.m_strAlarmDateTimeShamsi =
      RecordContextShamsi(context, m_NewFields.m_dtAlarmDateTime, true);
  m_NewFields.m_strOperatorName = RecordContextOperator(context);
}

bool CAlarmBaseRS::AddAlarm(const std::string& strTitle, const std::string& strText) {
  ResetNewFields();
  m_NewFields.m_strAlarmTitle = strTitle;
  m_NewFields.m_strAlarmText = strText;
  return AddRecord();
}
