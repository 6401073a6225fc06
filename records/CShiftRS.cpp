#include "records/CShiftRS.h"

void CShiftFields::Exchange(CFieldExchange& fx) {
  fx.Text("OperatorName", m_strOperatorName);
  fx.Date("StartDateTime", m_dtStartDateTime);
  fx.Text("StartDateTimeShamsi", m_strStartDateTimeShamsi);
  fx.Double("TotalProduced", m_fTotalProduced);
  fx.Double("TotalSlurry", m_fTotalSlurry);
  fx.Int("TotalTime", m_lTotalTime);
  fx.Int("UsefulTime", m_lUsefulTime);
  fx.Bool("IsActive", m_bIsActive);
}

void CShiftFields::Reset() {
  m_strOperatorName.clear();
  m_dtStartDateTime = 0;
  m_strStartDateTimeShamsi.clear();
  m_fTotalProduced = 0;
  m_fTotalSlurry = 0;
  m_lTotalTime = 0;
  m_lUsefulTime = 0;
  m_bIsActive = false;
}
