#include "core/VStack.h"

#include "platform/Seams.h"

bool CVStack::IsSupportedVarType(VARTYPE vt) { return vt == VT_I2 || vt == VT_I4 || vt == VT_R4; }

void CVStack::SetSize(int nSize) {
  std::lock_guard lock(m_lock);
  m_items.assign(nSize > 0 ? static_cast<size_t>(nSize) : 0, CVStackItem{});
  m_nNext = 0;
  m_nCount = 0;
  ++m_nClears;
}

bool CVStack::Push(const VARIANT* pValue) {
  if (!pValue || !IsSupportedVarType(pValue->vt)) return false;
  const DATE stamp = IsTimeStamping() ? GetCurrentDateTime() : 0.0;
  std::lock_guard lock(m_lock);
  if (m_items.empty()) return false;
  CVStackItem& item = m_items[static_cast<size_t>(m_nNext)];
  item.m_vValue = *pValue;
  item.m_dtTimeStamp = stamp;
  item.m_bValid = true;
  m_nNext = (m_nNext + 1) % static_cast<int>(m_items.size());
  if (m_nCount < static_cast<int>(m_items.size())) ++m_nCount;
  ++m_nPushes;
  return true;
}

void CVStack::Reset() {
  std::lock_guard lock(m_lock);
  for (CVStackItem& item : m_items) item = CVStackItem{};
  m_nNext = 0;
  m_nCount = 0;
  ++m_nClears;
}

VARIANT CVStack::GetAverage() const {
  std::lock_guard lock(m_lock);
  VARIANT result;
  if (m_nCount == 0) return result;
  double sum = 0.0;
  for (int i = 0; i < m_nCount; ++i) sum += VariantToDouble(GetItem(i).m_vValue);
  const VARTYPE vt = GetItem(m_nCount - 1).m_vValue.vt;
  const VARIANT mean = VariantFromDouble(sum / m_nCount);
  if (FAILED(VariantChangeType(&result, &mean, 0, vt))) result = mean;
  return result;
}

void CVStack::SetTimeStamping(bool bOn) {
  std::lock_guard lock(m_lock);
  m_bTimeStamping = bOn;
}

bool CVStack::IsTimeStamping() const {
  std::lock_guard lock(m_lock);
  return m_bTimeStamping;
}

int CVStack::GetSize() const {
  std::lock_guard lock(m_lock);
  return static_cast<int>(m_items.size());
}

int CVStack::GetCount() const {
  std::lock_guard lock(m_lock);
  return m_nCount;
}

unsigned long long CVStack::GetPushCount() const {
  std::lock_guard lock(m_lock);
  return m_nPushes;
}

unsigned long long CVStack::GetClearCount() const {
  std::lock_guard lock(m_lock);
  return m_nClears;
}

CVStackItem CVStack::GetItem(int nIndex) const {
  std::lock_guard lock(m_lock);
  if (nIndex < 0 || nIndex >= m_nCount) return CVStackItem{};
  const int size = static_cast<int>(m_items.size());
  const int slot = ((m_nNext - m_nCount + nIndex) % size + size) % size;
  return m_items[static_cast<size_t>(slot)];
}
