// The Alarm table: one row for every alarm message the engine shows or
// records (date and time, its Shamsi text, title, text and the operator of
// the active shift). The engine owns one set, opened on "Alarm".
// User-interface thread only.
#pragma once

#include <string>

#include "records/CBaseTableRS.h"

struct CAlarmFields : CRecordFields {
  DATE m_dtAlarmDateTime = 0;
  std::string m_strAlarmDateTimeShamsi;
  std::string m_strAlarmTitle;
  std::string m_strAlarmText;
  std::string m_strOperatorName;

  CAlarmFields() { CAlarmFields::Reset(); }
  void Exchange(CFieldExchange& fx) override;
  void Reset() override;
};

class CAlarmBaseRS : public CTableRS<CAlarmFields> {
 public:
  static constexpr const char* kTableName = "Alarm";

  // Stamps the new-record field set: now, its Shamsi text with the time,
  // the operator; title and text emptied.
  void ResetNewFields() override;
  // Stamps a new row with the title and the text and appends it. False on
  // an error (shown).
  bool AddAlarm(const std::string& strTitle, const std::string& strText);
};
