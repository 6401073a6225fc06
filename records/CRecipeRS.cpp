#include "records/CRecipeRS.h"

#include <array>
#include <cstdio>

namespace {

const std::array<std::string, CRecipeFields::kLoopItemCount>& LoopItemColumns() {
  static const auto columns = [] {
    std::array<std::string, CRecipeFields::kLoopItemCount> names;
    for (int n = 1; n <= CRecipeFields::kLoopItemCount; ++n) {
      char name[32];
      std::snprintf(name, sizeof name, "fLoopItemValue%02d", n);
      names[static_cast<size_t>(n - 1)] = name;
    }
    return names;
  }();
  return columns;
}

}  // namespace

const char* CRecipeFields::GetLoopItemColumn(int n) {
  if (n < 1 || n > kLoopItemCount) return "";
  return LoopItemColumns()[static_cast<size_t>(n - 1)].c_str();
}

void CRecipeFields::Exchange(CFieldExchange& fx) {
  fx.Int("RecordID", m_nRecordID);
  fx.Text("RecipeName", m_strRecipeName);
  fx.Bool("IsActive", m_bIsActive);
  for (int n = 1; n <= kLoopItemCount; ++n) fx.Float(GetLoopItemColumn(n), m_fLoopItemValue[n - 1]);
}

void CRecipeFields::Reset() {
  m_nRecordID = -1;
  m_strRecipeName.clear();
  m_bIsActive = false;
  for (float& value : m_fLoopItemValue) value = 0.0f;
}

float CRecipeFields::GetLoopItemValue(int n) const {
  if (n < 1 || n > kLoopItemCount) return 0.0f;
  return m_fLoopItemValue[n - 1];
}

bool CRecipeFields::SetLoopItemValue(int n, float fValue) {
  if (n < 1 || n > kLoopItemCount) return false;
  m_fLoopItemValue[n - 1] = fValue;
  return true;
}
