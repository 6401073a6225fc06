#include "plant/Material.h"

#include "core/VekUtils.h"

CMaterial::CMaterial(const std::string& name, const std::string& unit, int nIndex3, int nCount1, int nCount2,
                     int nCount5, int nExtra1, int nExtra2, int nExtra3, int nExtra4) {
  CMaterial::Reset();
  SetName(name);
  m_nIndex3 = nIndex3;
  m_strUnit = unit;
  m_nCounts[0] = nCount1;
  m_nCounts[1] = nCount2;
  m_nCounts[4] = nCount5;
  m_nExtras[0] = nExtra1;
  m_nExtras[1] = nExtra2;
  m_nExtras[2] = nExtra3;
  m_nExtras[3] = nExtra4;
}

void CMaterial::Reset() {
  m_nIndex1 = m_nIndex2 = m_nIndex3 = -1;
  for (int& n : m_nCounts) n = -1;
  for (int& n : m_nExtras) n = -1;
  m_bFlags[0] = m_bFlags[1] = false;
  const float figures[6] = {-1.0f, 0.0f, 0.0f, -1.0f, -1.0f, 0.0f};
  for (int i = 0; i < 6; ++i) m_fFigures[i] = figures[i];
}

void CMaterial::SetName(const std::string& name) { m_strName = TrimText(name); }
