// The engine's part of the production records: the database connection and
// the Alarm record set. Open (the engine's OpenTables) may run again: the
// connection to the same file is kept, so the record sets that the plant
// engine opened on it stay valid, and the Alarm set is made anew; nothing
// leaks and no set stays open on a closed connection. Close (DeleteTables)
// deletes both. User-interface thread only.
#pragma once

#include <memory>
#include <string>

#include "platform/Wnd.h"
#include "records/CADODatabase.h"
#include "records/CAlarmBaseRS.h"

class CEngineTables {
 public:
  CEngineTables() = default;
  ~CEngineTables();
  CEngineTables(const CEngineTables&) = delete;
  CEngineTables& operator=(const CEngineTables&) = delete;

  // Opens the database file (creating it with its schema when missing) and
  // the Alarm table; pContext gives the engine facts for new rows, hNotifyWnd
  // receives the sets' notices. Shows what went wrong and returns false,
  // with everything closed, on failure.
  bool Open(const std::string& strFileName, IRecordContext* pContext, HWND hNotifyWnd);
  // Deletes the Alarm set and closes the connection (every set opened on it
  // is closed). Safe to call when closed.
  void Close();
  bool IsOpen() const { return m_pDatabase && m_pDatabase->IsOpen() && m_pAlarmRS; }

  CADODatabase* GetDatabase() const { return m_pDatabase.get(); }
  CAlarmBaseRS* GetAlarmRS() const { return m_pAlarmRS.get(); }

  // Appends an Alarm row (now, Shamsi text, title, text, operator). False
  // when the tables are not open or on an error (shown).
  bool AddAlarm(const std::string& strTitle, const std::string& strText);

 private:
  std::unique_ptr<CADODatabase> m_pDatabase;
  std::unique_ptr<CAlarmBaseRS> m_pAlarmRS;
};
