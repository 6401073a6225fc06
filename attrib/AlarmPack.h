// CAlarmPack: the alarm list of a device shape (its second base) with two
// aggregate flags, "some alarm is active" and "every active alarm has its
// second state flag set", and a notification when either changes (which
// starts or stops the shape's alarm blinking).
// Not thread-safe: user-interface thread, like its shape.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "attrib/AlarmStruct.h"

class CAlarmPack {
 public:
  CAlarmPack() = default;
  virtual ~CAlarmPack();
  CAlarmPack(const CAlarmPack&) = delete;
  CAlarmPack& operator=(const CAlarmPack&) = delete;

  // Recomputes the aggregate flags, whatever the alarm and code.
  virtual void OnAlarmChanged(CAlarmStruct* alarm, int code);
  // Called with 3 when the any-active flag changed, 4 when the all-set flag
  // changed. Empty here; the shapes override it.
  virtual void OnAlarmPackChanged(int /*code*/) {}

  // The first alarm with the id in list order, or null.
  CAlarmStruct* FindAlarm(int id) const;
  // Appends a new alarm unless one with the id exists (then nothing).
  void AddAlarm(int id, const std::string& name);
  int GetAlarmCount() const { return static_cast<int>(m_lstAlarms.size()); }
  CAlarmStruct* GetAlarmAt(int index) const;  // null outside the list

  bool IsAnyAlarmActive() const { return m_bAnyActive; }
  bool IsAllSet() const { return m_bAllSet; }

  // Deactivates every alarm, in list order.
  void ClearAlarms();
  // Deactivates every alarm and resets its second, then first stopwatch.
  // Virtual, so a shape's own reset (which also clears its overload flag)
  // runs whichever pointer the caller holds.
  virtual void ResetAlarms();

 private:
  std::vector<std::unique_ptr<CAlarmStruct>> m_lstAlarms;  // owned, in order
  bool m_bAnyActive = false;
  bool m_bAllSet = true;
};
