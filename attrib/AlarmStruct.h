// CAlarmStruct: one alarm of a device shape: its id and name, whether it is
// active and displayed, two state flags the shapes may use, and two
// stopwatches. Changes of the active and displayed states are reported to
// the owning alarm pack.
// Not thread-safe: user-interface thread, like its shape.
#pragma once

#include <string>

#include "core/VTimer.h"

class CAlarmPack;

class CAlarmStruct {
 public:
  CAlarmStruct(CAlarmPack* owner, int id, const std::string& name);
  virtual ~CAlarmStruct() = default;
  CAlarmStruct(const CAlarmStruct&) = delete;
  CAlarmStruct& operator=(const CAlarmStruct&) = delete;

  // Id -1, no owner (it then reports to nobody), state cleared.
  void Reset();
  // Active, displayed and both state flags false; both stopwatches reset.
  void ClearState();

  int GetId() const { return m_nId; }
  std::string GetName() const { return m_strName; }
  bool IsActive() const { return m_bActive; }
  // A change clears the state first and reports code 3 to the owner.
  void SetActive(bool active);
  bool IsDisplayed() const { return m_bDisplayed; }
  // A change reports code 5 to the owner.
  void SetDisplayed(bool displayed);
  bool GetStateFlag1() const { return m_bStateFlag1; }
  bool GetStateFlag2() const { return m_bStateFlag2; }
  CVTimer* GetStopwatch1() { return &m_Stopwatch1; }
  CVTimer* GetStopwatch2() { return &m_Stopwatch2; }
  CAlarmPack* GetOwner() const { return m_pOwner; }

 private:
  void NotifyOwner(int code);

  int m_nId = -1;
  std::string m_strName;
  bool m_bActive = false;
  bool m_bStateFlag1 = false;
  bool m_bDisplayed = false;
  bool m_bStateFlag2 = false;  // joins the pack's all-set flag while active
  CVTimer m_Stopwatch1{false};
  CVTimer m_Stopwatch2{false};
  CAlarmPack* m_pOwner = nullptr;  // not owned
};
