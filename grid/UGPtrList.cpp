#include "grid/UGPtrList.h"

#include <limits>

int CUGPtrList::AddPointer(void* pointer, long param, const Id* id) {
  size_t index = 0;
  while (index < m_entries.size() && m_entries[index].inUse) ++index;
  if (index == m_entries.size()) {
    if (m_entries.size() + kGrowBy > static_cast<size_t>(std::numeric_limits<int>::max())) return -1;
    m_entries.resize(m_entries.size() + kGrowBy);
  }
  Entry& entry = m_entries[index];
  entry.inUse = true;
  entry.pointer = pointer;
  entry.param = param;
  entry.hasId = id != nullptr;
  entry.id = id ? *id : Id{};
  return static_cast<int>(index);
}

void* CUGPtrList::GetPointer(int index) const {
  if (index < 0 || index >= GetMaxCount() || !m_entries[static_cast<size_t>(index)].inUse) {
    return nullptr;
  }
  return m_entries[static_cast<size_t>(index)].pointer;
}

long CUGPtrList::GetParam(int index) const {
  if (index < 0 || index >= GetMaxCount() || !m_entries[static_cast<size_t>(index)].inUse) return 0;
  return m_entries[static_cast<size_t>(index)].param;
}

int CUGPtrList::UpdateParam(int index, long param) {
  if (index < 0 || index >= GetMaxCount()) return 1;
  Entry& entry = m_entries[static_cast<size_t>(index)];
  if (!entry.inUse) return 2;
  entry.param = param;
  return 0;
}

const CUGPtrList::Id* CUGPtrList::GetId(int index) const {
  if (index < 0 || index >= GetMaxCount()) return nullptr;
  const Entry& entry = m_entries[static_cast<size_t>(index)];
  return entry.inUse && entry.hasId ? &entry.id : nullptr;
}

int CUGPtrList::DeletePointer(int index) {
  if (index < 0 || index >= GetMaxCount() || !m_entries[static_cast<size_t>(index)].inUse) return 1;
  m_entries[static_cast<size_t>(index)] = Entry{};
  return 0;
}

void CUGPtrList::EmptyList() { m_entries.clear(); }

int CUGPtrList::GetPointerIndex(const void* pointer) const {
  for (size_t i = 0; i < m_entries.size(); ++i) {
    if (m_entries[i].inUse && m_entries[i].pointer == pointer) return static_cast<int>(i);
  }
  return -1;
}

int CUGPtrList::GetCount() const {
  int count = 0;
  for (const Entry& entry : m_entries) count += entry.inUse ? 1 : 0;
  return count;
}
