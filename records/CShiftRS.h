// The Shift table: one row per shift with its operator, start, production
// totals and times; one row is the active shift (at most one; the database
// refuses a second). The supervise view copies the shift totals into the
// active record. User-interface thread only.
#pragma once

#include <string>

#include "platform/WinTypes.h"
#include "records/CBaseTableRS.h"

struct CShiftFields : CRecordFields {
  std::string m_strOperatorName;
  DATE m_dtStartDateTime = 0;
  std::string m_strStartDateTimeShamsi;
  double m_fTotalProduced = 0;
  double m_fTotalSlurry = 0;
  LONG m_lTotalTime = 0;   // seconds
  LONG m_lUsefulTime = 0;  // seconds
  bool m_bIsActive = false;

  CShiftFields() { CShiftFields::Reset(); }
  void Exchange(CFieldExchange& fx) override;
  void Reset() override;

  void SetTotalProduced(double fTotalProduced) { m_fTotalProduced = fTotalProduced; }
  void SetTotalSlurry(double fTotalSlurry) { m_fTotalSlurry = fTotalSlurry; }
};

class CShiftRS : public CTableRS<CShiftFields> {
 public:
  static constexpr const char* kTableName = "Shift";

  std::string GetActiveColumn() const override { return "IsActive"; }
};
