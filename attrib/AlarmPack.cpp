#include "attrib/AlarmPack.h"

#include "attrib/AlarmStruct.h"

// ---- CAlarmStruct ----------------------------------------------------------------

CAlarmStruct::CAlarmStruct(CAlarmPack* owner, int id, const std::string& name)
    : m_nId(id), m_strName(name), m_pOwner(owner) {}

void CAlarmStruct::Reset() {
  m_nId = -1;
  m_pOwner = nullptr;
  ClearState();
}

void CAlarmStruct::ClearState() {
  m_bActive = false;
  m_bDisplayed = false;
  m_bStateFlag1 = false;
  m_bStateFlag2 = false;
  m_Stopwatch1.Reset();
  m_Stopwatch2.Reset();
}

void CAlarmStruct::NotifyOwner(int code) {
  if (m_pOwner != nullptr) m_pOwner->OnAlarmChanged(this, code);
}

void CAlarmStruct::SetActive(bool active) {
  if (active == m_bActive) return;
  ClearState();
  m_bActive = active;
  NotifyOwner(3);
}

void CAlarmStruct::SetDisplayed(bool displayed) {
  if (displayed == m_bDisplayed) return;
  m_bDisplayed = displayed;
  NotifyOwner(5);
}

// ---- CAlarmPack ------------------------------------------------------------------

CAlarmPack::~CAlarmPack() { m_lstAlarms.clear(); }

CAlarmStruct* CAlarmPack::FindAlarm(int id) const {
  for (const auto& alarm : m_lstAlarms) {
    if (alarm->GetId() == id) return alarm.get();
  }
  return nullptr;
}

void CAlarmPack::AddAlarm(int id, const std::string& name) {
  if (FindAlarm(id) != nullptr) return;
  m_lstAlarms.push_back(std::make_unique<CAlarmStruct>(this, id, name));
}

CAlarmStruct* CAlarmPack::GetAlarmAt(int index) const {
  if (index < 0 || index >= GetAlarmCount()) return nullptr;
  return m_lstAlarms[static_cast<size_t>(index)].get();
}

void CAlarmPack::OnAlarmChanged(CAlarmStruct* /*alarm*/, int /*code*/) {
  bool any = false;
  bool all = true;
  for (const auto& alarm : m_lstAlarms) {
    if (!alarm->IsActive()) continue;
    any = true;
    all = all && alarm->GetStateFlag2();
  }
  if (any != m_bAnyActive) {
    m_bAnyActive = any;
    OnAlarmPackChanged(3);
  }
  if (all != m_bAllSet) {
    m_bAllSet = all;
    OnAlarmPackChanged(4);
  }
}

void CAlarmPack::ClearAlarms() {
  for (const auto& alarm : m_lstAlarms) alarm->SetActive(false);
}

void CAlarmPack::ResetAlarms() {
  for (const auto& alarm : m_lstAlarms) {
    alarm->SetActive(false);
    alarm->GetStopwatch2()->Reset();
    alarm->GetStopwatch1()->Reset();
  }
}
